// The statement forms the windows rely on, run against a real seeded database, and values that
// look like SQL reaching the engine as plain values.
#include "app/DataModule.h"
#include "db/SqlDialect.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QTest>

class DialectTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

    Db &db() { return env->dataModule()->db(); }
    void run(const QString &sql, const SqlParams &params = {})
    {
        const DbResult r = db().exec(sql, params);
        QVERIFY2(r.ok, qPrintable(sql + QStringLiteral(": ") + r.error));
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->connect();
        QVERIFY(env->dataModule()->IsConnected);
        const QString car = QStringLiteral(
            "insert into T_cars(F_code,F_type,F_GSoffice,F_useFlag) values(:c,:t,:o,:u)");
        run(car, {{"c", "浙A10001"}, {"t", "轿车"}, {"o", "一分公司"}, {"u", false}});
        run(car, {{"c", "浙A10002"}, {"t", "货车"}, {"o", "二分公司"}, {"u", false}});
        run(car, {{"c", "浙A10003"}, {"t", "轿车"}, {"o", "李'记运输"}, {"u", true}});
        const QString wx = QStringLiteral(
            "insert into T_WXrec(F_mainID,F_CPcode,F_WXdate,F_WXprice,F_JSempName,F_memo1) "
            "values(:m,:c,:d,:p,:e,:memo)");
        run(wx, {{"m", 1},
                 {"c", "浙A10001"},
                 {"d", "2009-03-01"},
                 {"p", 100.5},
                 {"e", "张三"},
                 {"memo", "Brake pads"}});
        run(wx, {{"m", 1},
                 {"c", "浙A10001"},
                 {"d", "2009-03-31"},
                 {"p", 200.0},
                 {"e", "张三"},
                 {"memo", "oil"}});
        run(wx, {{"m", 2},
                 {"c", "浙A10002"},
                 {"d", "2009-04-01"},
                 {"p", 50.0},
                 {"e", "李四"},
                 {"memo", ""}});
        run(wx, {{"m", 3},
                 {"c", "浙A10003"},
                 {"d", "2009-03-15"},
                 {"p", 70.0},
                 {"e", "王五"},
                 {"memo", "x"}});
        run(QStringLiteral("insert into T_TBrec(F_mainID,F_CPcode,F_TBdate,F_TBprice) "
                           "values(1,'浙A10001','2009-02-01',900)"));
    }
    void cleanup() { env.reset(); }

    void normalizerRewritesOnlyOutsideLiterals_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("date") << "a >= #2009-03-01# "
                              << "a >= '2009-03-01' ";
        QTest::newRow("short date") << "#2009-3-1#"
                                    << "'2009-03-01'";
        QTest::newRow("booleans") << "F_useFlag = false or x=TRUE"
                                  << "F_useFlag = 0 or x=1";
        QTest::newRow("literal kept") << "'#2009-03-01# true'"
                                      << "'#2009-03-01# true'";
        QTest::newRow("doubled quote") << "'it''s true' and true"
                                       << "'it''s true' and 1";
        QTest::newRow("quoted ident") << "\"true\" [false] `true`"
                                      << "\"true\" [false] `true`";
        QTest::newRow("parameter") << ":true, :false"
                                   << ":true, :false";
        QTest::newRow("words") << "trueness falsey F_true"
                               << "trueness falsey F_true";
        QTest::newRow("comment") << "x -- true #1#\n true"
                                 << "x -- true #1#\n 1";
        QTest::newRow("not a date") << "#abc#"
                                    << "#abc#";
        QTest::newRow("vehicle sub-select")
            << "(F_CPcode in (select F_code from T_cars where F_useFlag = false "
            << "(+F_CPcode in (select F_code from T_cars where F_useFlag = 0 ";
        QTest::newRow("qualified vehicle sub-select")
            << "wx.F_CPcode IN(SELECT f_code FROM t_cars as c)"
            << "+wx.F_CPcode IN(SELECT f_code FROM t_cars as c)";
        QTest::newRow("other sub-selects")
            << "F_CPcode in (select F_CPcode from T_WXrec) or F_CPcode in (select F_code from "
               "T_cars2) or F_CPcode in ('a')"
            << "F_CPcode in (select F_CPcode from T_WXrec) or F_CPcode in (select F_code from "
               "T_cars2) or F_CPcode in ('a')";
        QTest::newRow("where a plus would not fit")
            << "F_CPcode not in (select F_code from T_cars) or x collate nocase in (select F_code "
               "from T_cars) or wx. F_CPcode in (select F_code from T_cars) or \"wx\".F_CPcode in "
               "(select F_code from T_cars) or :F_CPcode in (select F_code from T_cars) or "
               "'F_CPcode in (select F_code from T_cars'"
            << "F_CPcode not in (select F_code from T_cars) or x collate nocase in (select F_code "
               "from T_cars) or wx. F_CPcode in (select F_code from T_cars) or \"wx\".F_CPcode in "
               "(select F_code from T_cars) or :F_CPcode in (select F_code from T_cars) or "
               "'F_CPcode in (select F_code from T_cars'";
    }
    void normalizerRewritesOnlyOutsideLiterals()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(SqlDialect::normalize(in), out);
    }

    void formsRunWithTheirMeaning_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected"); // rows joined by '|', cells by ','
        QTest::newRow("boolean literal")
            << "select F_code from T_cars where F_useFlag = false order by F_code"
            << "浙A10001|浙A10002";
        QTest::newRow("boolean vs number") << "select count(*) from T_cars where F_UseFlag = 0"
                                           << "2";
        QTest::newRow("true literal") << "select F_code from t_CARS where f_useflag = true"
                                      << "浙A10003";
        QTest::newRow("date literal range") << "select count(*) from T_WXrec where F_WXdate >= "
                                               "#2009-03-01# and F_WXdate <= #2009-03-31# "
                                            << "3";
        QTest::newRow("like substring")
            << "select F_CPcode from T_WXrec where f_memo1 like '%brake%' "
            << "浙A10001";
        QTest::newRow("like ignores case")
            << "select count(*) from T_WXrec where F_memo1 like 'OIL'"
            << "1";
        QTest::newRow("equals ignores case")
            << "select count(*) from T_WXrec where F_memo1 = 'BRAKE PADS'"
            << "1";
        QTest::newRow("left join with aliases") << "select tb.F_CPcode as plate, c.F_type as kind "
                                                   "from T_TBrec as tb Left join T_cars as c on "
                                                   "tb.F_mainID = c.F_ID"
                                                << "浙A10001,轿车";
        QTest::newRow("sub-select in") << "select count(*) from T_WXrec where (F_CPcode in (select "
                                          "F_code from T_cars where F_useFlag = "
                                          "false ))"
                                       << "3";
        QTest::newRow("distinct") << "select distinct F_type from T_cars order by F_type desc"
                                  << "轿车|货车";
        QTest::newRow("group by with aggregates")
            << "select F_CPcode, count(*), sum(F_WXprice), max(F_WXdate) from T_WXrec group by "
               "F_CPcode "
               "order by F_CPcode"
            << "浙A10001,2,300.5,2009-03-31|浙A10002,1,50,2009-04-01|浙A10003,1,70,2009-03-15";
        QTest::newRow("order by several columns")
            << "select F_JSempName, F_WXprice from T_WXrec order by F_JSempName desc, F_WXprice asc"
            << "王五,70|李四,50|张三,100.5|张三,200";
        QTest::newRow("always true") << "select count(*) from T_cars where (1=1) "
                                     << "3";
        QTest::newRow("always false") << "select count(*) from T_cars where (1<>1) "
                                      << "0";
        QTest::newRow("where false keeps columns") << "select * from T_WXrec where false"
                                                   << "";
        QTest::newRow("mixed-case names") << "SELECT f_cpCODE FROM t_wxREC WHERE F_wxPRICE > 150"
                                          << "浙A10001";
    }
    void formsRunWithTheirMeaning()
    {
        QFETCH(QString, sql);
        QFETCH(QString, expected);
        const QueryResult r = db().query(sql);
        QVERIFY2(r.ok, qPrintable(r.error));
        QStringList rows;
        for (int i = 0; i < r.rows.rowCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < r.rows.columnCount(); ++c)
                cells << r.rows.text(i, c);
            rows << cells.join(u',');
        }
        QCOMPARE(rows.join(u'|'), expected);
        if (QTest::currentDataTag() == QLatin1String("where false keeps columns"))
            QVERIFY(r.rows.columnIndex(u"F_WXprice") >= 0);
    }

    // Marking the plate as no index key for the vehicles' sub-select changes no result: plates
    // match without regard to case, and a record without a plate matches no vehicle.
    void vehicleSubselectKeepsItsMeaning()
    {
        run(QStringLiteral(
            "insert into T_WXrec(F_CPcode,F_WXdate) values('浙a10002','2009-03-20')"));
        run(QStringLiteral("insert into T_WXrec(F_CPcode,F_WXdate) values(null,'2009-03-21')"));
        auto ids = [this](const QString &sql) {
            const QueryResult r = db().query(sql);
            QStringList found;
            for (int i = 0; i < r.rows.rowCount(); ++i)
                found << r.rows.text(i, 0);
            return r.ok ? found.join(u',') : r.error;
        };
        const QString listed = QStringLiteral(
            "select F_ID from T_WXrec where (F_CPcode in (select F_code from T_cars where "
            "F_useFlag = false)) and F_WXdate >= #2009-03-01# order by F_ID");
        QVERIFY(SqlDialect::normalize(listed).contains(QStringLiteral("(+F_CPcode in")));
        QCOMPARE(ids(listed), QStringLiteral("1,2,3,5"));
        QCOMPARE(ids(listed), ids(QStringLiteral("select F_ID from T_WXrec where exists (select 1 "
                                                 "from T_cars where T_cars.F_code = "
                                                 "T_WXrec.F_CPcode and F_useFlag = 0) and F_WXdate "
                                                 ">= '2009-03-01' order by F_ID")));
    }

    void insertFromSelectWithConstants()
    {
        run(QStringLiteral(
            "insert into tempCLstat(F_CPcode,F_EmpName,F_WXnum,F_SGnum,F_WZnum,F_TSnum, "
            "F_CCnum,F_JYnum,"
            "F_GLnum,F_YLnum,F_ZCprice,F_SRprice,F_flag) select "
            "F_CPcode,F_JSempname,count(*),0,0,0,0,0,0,0,"
            "0,0,0 from T_WXrec where (F_WXdate >= #2009-03-01# and F_WXdate <= #2009-03-31#) "
            "group by "
            "F_CPcode,F_JSempname"));
        const QueryResult r = db().query(
            QStringLiteral("select F_CPcode, F_WXnum, F_flag from tempCLstat order by F_CPcode"));
        QCOMPARE(r.rows.rowCount(), 2);
        QCOMPARE(r.rows.text(0, 0), QStringLiteral("浙A10001"));
        QCOMPARE(r.rows.integer(0, 1), 2);
        QCOMPARE(r.rows.integer(1, 2), 0);
    }

    void valuesThatLookLikeSqlStayValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("quote") << "李'记运输";
        QTest::newRow("percent") << "%";
        QTest::newRow("hash date") << "#2009-03-01#";
        QTest::newRow("comment") << "x' -- ";
        QTest::newRow("semicolon") << "a'; delete from T_cars; --";
        QTest::newRow("boolean word") << "true";
    }
    void valuesThatLookLikeSqlStayValues()
    {
        QFETCH(QString, value);
        // Bound: matches exactly the one row holding that value.
        run(QStringLiteral("update T_cars set F_memo1 = :v where F_code = '浙A10002'"),
            {{"v", value}});
        QueryResult r =
            db().query(QStringLiteral("select F_code, F_memo1 from T_cars where F_memo1 = :v"),
                       {{"v", value}});
        QCOMPARE(r.rows.rowCount(), 1);
        QCOMPARE(r.rows.text(0, 1), value);
        // Quoted by the one helper where a statement must be text: the same row, nothing else.
        r = db().query(QStringLiteral("select count(*) from T_cars where F_memo1 = ") +
                       SqlDialect::quoted(value));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.rows.integer(0, 0), 1);
        const DbResult d =
            db().exec(QStringLiteral("delete from T_cars where F_type = :v"), {{"v", value}});
        QVERIFY(d.ok);
        QCOMPARE(d.changes, 0);
        QCOMPARE(db().query(QStringLiteral("select count(*) from T_cars")).rows.integer(0, 0), 3);
    }
};

ORV_TEST(DialectTest)
#include "DialectTest.moc"
