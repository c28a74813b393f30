// The schema as the program's statements spell it, the seeded configuration rows, and upgrades
// that restore configuration without touching business data.
#include "DbCount.h"
#include "support/TestMain.h"

#include "app/Passwords.h"
#include "db/DatabaseCreator.h"
#include "db/RecordKinds.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using dbtest::count;

namespace {

// Every table with its columns, spelled as the statements use them, and the kind of each:
// K autonumbered key, T text (case-insensitive), I integer or Boolean, R float or money, B picture.
const char *const ExpectedTables[][2] = {
    {"SysInfo", "F_ID:K F_Code:T F_Name:T F_Manager:T F_Phone:T F_HandPhone:T F_Homepage:T "
                "F_Email:T F_Enroler:T F_Mem:T F_BakPath:T"},
    {"OperList", "F_ID:K F_Name:T F_PassWord:T F_Mem:T F_flag:I F_clFlag:I F_carS:T"},
    {"Limits", "F_code:T F_name:T F_flag:I"},
    {"OperLimit", "F_ID:K F_OperName:T F_lmtName:T"},
    {"LogRec", "F_EmpName:T F_OperType:T F_OperDate:T F_OperTime:T"},
    {"KeyValue", "F_ID:K F_Value:T"},
    {"cfg_grid", "F_name:T F_fieldname:T F_caption:T F_width:I F_readonly:I F_visible:I F_order:I "
                 "F_alignMent:I F_displayFormat:T F_footerValue:T F_footerType:I"},
    {"cfg_import", "F_tablename:T F_iFlag:I F_fieldName:T F_Field:T S_Field:T"},
    {"cfg_stat", "F_ID:K F_name:T F_flag:I F_SQLtext:T"},
    {"t_code", "F_ID:K F_type:T F_name:T"},
    {"T_cars", "F_ID:K F_code:T F_name:T F_type:T F_pinPai:T F_xingHao:T F_FDJcode:T F_diPan:T "
               "F_yanSE:T F_zaiZhong:T F_zuoWei:T F_buyPrice:R F_SCdate:T F_buyDate:T "
               "F_JSempName:T F_GSoffice:T F_useFlag:I F_memo1:T F_carImage1:B F_carImage2:B "
               "F_carImage3:B F_imagePath1:T F_imagePath2:T F_imagePath3:T F_ZF1:T F_ZF2:T "
               "F_ZF3:T F_ZF4:T F_ZF5:T F_SZ1:R F_SZ2:R F_SZ3:R F_RQ1:T F_RQ2:T F_RQ3:T"},
    {"T_employee", "F_ID:K F_code:T F_name:T F_sex:T F_SFZcode:T F_xueLI:T F_SRdate:T F_jiguan:T "
                   "F_phone:T F_handPhone:T F_dept:T F_RZdate:T F_address:T F_JSZcode:T "
                   "F_LZdate:T F_ZJcltype:T F_JSnl:T F_useFlag:I F_memo1:T F_empImage:B "
                   "F_imagePath:T"},
    {"T_WXoffice", "F_ID:K F_code:T F_name:T F_empName:T F_ZWname:T F_sex:T F_phone:T "
                   "F_handPhone:T F_fax:T F_postcode:T F_QQ:T F_MSN:T F_address:T F_email:T "
                   "F_memo1:T F_useFlag:I"},
    {"T_BXoffice", "F_ID:K F_code:T F_name:T F_empName:T F_ZWname:T F_sex:T F_phone:T "
                   "F_handPhone:T F_fax:T F_postcode:T F_QQ:T F_MSN:T F_address:T F_email:T "
                   "F_memo1:T F_useFlag:I"},
    {"T_SFoffice", "F_ID:K F_code:T F_name:T F_empName:T F_ZWname:T F_sex:T F_phone:T "
                   "F_handPhone:T F_fax:T F_postcode:T F_QQ:T F_MSN:T F_address:T F_email:T "
                   "F_memo1:T F_useFlag:I"},
    {"T_WXrec", "F_ID:K F_mainID:I F_CPcode:T F_memo1:T F_WXtype:T F_WXdate:T F_WXdayNum:T "
                "F_WXmemo1:T F_WXoffice:T F_WXprice:R F_JSempName:T"},
    {"T_TBrec", "F_ID:K F_mainID:I F_CPcode:T F_memo1:T F_BXtype:T F_BXoffice:T F_BDcode:T "
                "F_TBdate:T F_TBprice:R F_TBrate:R F_NextTBdate:T"},
    {"T_JFrec", "F_ID:K F_mainID:I F_CPcode:T F_memo1:T F_JFtype:T F_SFoffice:T F_JFcode:T "
                "F_JFdate:T F_JFprice:R F_JSempname:T F_NextJFdate:T"},
    {"T_NSrec", "F_ID:K F_mainID:I F_CPcode:T F_memo1:T F_NStype:T F_NSdate:T F_NSprice:R "
                "F_NextNSdate:T"},
    {"T_SGrec", "F_ID:K F_mainID:I F_CPcode:T F_memo1:T F_SGtype:T F_JSempname:T F_SGdate:T "
                "F_FSaddress:T F_QRoffice:T F_DFCPcode:T F_DFcltype:T F_DFempname:T F_DFoffice:T "
                "F_DFphone:T F_DFhandphone:T F_officePrice:R F_gerenPrice:R F_DFprice:R "
                "F_BXprice:R F_GYmem:T F_SHmem:T F_DFSHmem:T F_HJmem:T F_ZRmem:T F_SGimage1:B "
                "F_SGimage2:B F_SGimage3:B F_imagePath1:T F_imagePath2:T F_imagePath3:T"},
    {"T_WZrec", "F_ID:K F_mainID:I F_CPcode:T F_memo1:T F_WZitem:T F_WZaddress:T F_JSempname:T "
                "F_WZdate:T F_FKprice:R"},
    {"T_TSrec", "F_ID:K F_mainID:I F_CPcode:T F_memo1:T F_TStype:T F_TSname:T F_TSempname:T "
                "F_TSdate:T F_TSreason:T"},
    {"T_CCrec", "F_ID:K F_mainID:I F_CPcode:T F_memo1:T F_CCtype:T F_JSempname:T F_CCdept:T "
                "F_YCempname:T F_reason:T F_CCdate:T F_FHdate:T F_GLnum:R F_ZCprice:R F_YLnum:R "
                "F_SRprice:R"},
    {"T_ZCrec", "F_ID:K F_mainID:I F_CPcode:T F_memo1:T F_ZCtype:T F_ZCdate:T F_ZCprice:R "
                "F_JSempname:T"},
    {"T_SRrec", "F_ID:K F_mainID:I F_CPcode:T F_memo1:T F_SRtype:T F_SRdate:T F_SRprice:R "
                "F_JSempname:T"},
    {"T_YHrec", "F_ID:K F_mainID:I F_CPcode:T F_memo1:T F_YHtype:T F_JYdate:T F_JSempname:T "
                "F_beginLC:R F_endLC:R F_shijiLC:R F_YLnum:R F_DJprice:R F_totalPrice:R "
                "F_BGLyouhao:R F_MGLprice:R F_JYoffice:T"},
    {"tempCLtotal", "F_CPcode:T F_wxDayNum:I F_wxPrice:R F_wxNum:I F_SGnum:I F_SGgsPrice:R "
                    "F_SGgrPrice:R F_WZnum:I F_WZfkPrice:R F_CCnum:I F_CCglnum:R F_CCzcPrice:R "
                    "F_CCnlnum:R F_CCsrPrice:R F_JYnum:I F_JYlcnum:R F_JYylnum:R F_JYprice:R "
                    "F_flag:I"},
    {"tempCLstat", "F_CPcode:T F_EmpName:T F_WXnum:I F_SGnum:I F_WZnum:I F_TSnum:I F_CCnum:I "
                   "F_JYnum:I F_GLnum:R F_YLnum:R F_ZCprice:R F_SRprice:R F_flag:I"},
};

const char *const CodeTypes[] = {"dept",   "xueli",    "zjcltype", "jsnl",   "pinpai",  "cltype",
                                 "yanse",  "gsoffice", "zwname",   "wxtype", "bxtype",  "jftype",
                                 "nstype", "sgtype",   "wzitem",   "tstype", "cctype",  "zctype",
                                 "srtype", "yhtype",   "jyoffice", "ccdept", "yhoffice"};

QString makeDatabase(const QTemporaryDir &dir, const QString &name = QStringLiteral("t.mdb"))
{
    const QString path = dir.filePath(name);
    QString error;
    if (!DatabaseCreator(SavePass(QString())).create(path, &error))
        qWarning("%s", qPrintable(error));
    return path;
}

QStringList column(Db &db, const QString &sql)
{
    QStringList values;
    const QueryResult r = db.query(sql);
    for (int i = 0; i < r.rows.rowCount(); ++i)
        values << r.rows.text(i, 0);
    return values;
}

// Every row of a table as text, in storage order.
QString dump(Db &db, const QString &table)
{
    const QueryResult r = db.query(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
    QString text;
    for (int row = 0; row < r.rows.rowCount(); ++row) {
        for (int c = 0; c < r.rows.columnCount(); ++c)
            text += r.rows.text(row, c) + u'|';
        text += u'\n';
    }
    return text;
}

} // namespace

class SchemaTest : public QObject {
    Q_OBJECT

private slots:
    void everyTableAndColumnIsSpelledAndTyped()
    {
        QTemporaryDir dir;
        Db db;
        QVERIFY(db.open(makeDatabase(dir)));

        QStringList expectedTables;
        for (const auto &entry : ExpectedTables)
            expectedTables << QLatin1String(entry[0]);
        QStringList actualTables =
            column(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                      "name <> 'sqlite_sequence'"));
        expectedTables.sort();
        actualTables.sort();
        QCOMPARE(actualTables, expectedTables);

        static const QHash<QChar, QString> declared = {{u'K', QStringLiteral("INTEGER")},
                                                       {u'T', QStringLiteral("TEXT")},
                                                       {u'I', QStringLiteral("INTEGER")},
                                                       {u'R', QStringLiteral("REAL")},
                                                       {u'B', QStringLiteral("BLOB")}};
        for (const auto &entry : ExpectedTables) {
            const QString table = QLatin1String(entry[0]);
            const QueryResult info = db.query(QStringLiteral("PRAGMA table_info(%1)").arg(table));
            QVERIFY2(info.ok, qPrintable(info.error));
            QMap<QString, QPair<QString, bool>> actual; // name -> declared type, key
            for (int i = 0; i < info.rows.rowCount(); ++i)
                actual.insert(info.rows.text(i, QStringLiteral("name")),
                              {info.rows.text(i, QStringLiteral("type")),
                               info.rows.integer(i, info.rows.columnIndex(u"pk")) == 1});
            const QString createSql =
                column(db,
                       QStringLiteral("SELECT sql FROM sqlite_master WHERE name = '%1'").arg(table))
                    .value(0);

            QMap<QString, QPair<QString, bool>> expected;
            for (const QString &columnKind :
                 QString::fromLatin1(entry[1]).split(u' ', Qt::SkipEmptyParts)) {
                const QString name = columnKind.section(u':', 0, 0);
                const QChar kind = columnKind.section(u':', 1).at(0);
                expected.insert(name, {declared.value(kind), kind == u'K'});
                if (kind == u'T')
                    QVERIFY2(createSql.contains(QRegularExpression(
                                 QStringLiteral("\\b%1 TEXT COLLATE NOCASE\\b").arg(name))),
                             qPrintable(table + u'.' + name +
                                        QStringLiteral(" is not case-insensitive")));
                if (kind == u'K')
                    QVERIFY2(createSql.contains(
                                 name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT")),
                             qPrintable(table));
            }
            QCOMPARE(actual.keys(), expected.keys()); // exact spelling, nothing missing or extra
            QVERIFY2(actual == expected,
                     qPrintable(table + QStringLiteral(": column kinds differ")));
        }
    }

    void createRefusesAnExistingFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("some bytes") << QByteArray("not a database, keep me");
    }
    void createRefusesAnExistingFile()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.mdb"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        QString error;
        QVERIFY(!DatabaseCreator(SavePass(QString())).create(path, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }

    void createdFileIsEncrypted()
    {
        QTemporaryDir dir;
        const QString path = makeDatabase(dir);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY(!bytes.startsWith("SQLite format 3"));
            QVERIFY(!bytes.contains("CREATE TABLE"));
            QVERIFY(!bytes.contains(QStringLiteral("公司信息资料").toUtf8()));
        }
        Db other;
        QVERIFY(!other.open(path, QStringLiteral("another key")));

        const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        if (shell.isEmpty())
            QSKIP("the sqlite3 shell is not installed");
        QProcess process;
        process.start(shell, {path, QStringLiteral("SELECT count(*) FROM Limits;")});
        QVERIFY(process.waitForFinished(10000));
        QVERIFY(process.exitCode() != 0);
        QVERIFY(process.readAllStandardOutput().trimmed().isEmpty());
    }

    void seededConfiguration()
    {
        QTemporaryDir dir;
        const QString path = makeDatabase(dir);
        Db db;
        QVERIFY(db.open(path));

        // One permission per guarded command, offered, with unique names.
        QStringList codes;
        for (int group : {1, 2, 3, 4}) {
            const int last = group == 1 ? 10 : group == 2 ? 6 : group == 3 ? 11 : 10;
            for (int n = 1; n <= last; ++n)
                codes << QString::number(group * 100 + n);
        }
        QCOMPARE(column(db, QStringLiteral("SELECT F_code FROM Limits ORDER BY F_code")), codes);
        QCOMPARE(count(db, QStringLiteral("SELECT count(DISTINCT F_name) FROM Limits")),
                 qint64(codes.size()));
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM Limits WHERE F_flag = true")),
                 qint64(codes.size()));
        QCOMPARE(column(db, QStringLiteral("SELECT F_name FROM Limits WHERE F_code IN "
                                           "('101', '206', '308', '410') ORDER BY F_code")),
                 (QStringList{QStringLiteral("公司信息资料"), QStringLiteral("选项..."),
                              QStringLiteral("车辆出车管理"), QStringLiteral("车辆油耗查询统计")}));

        const QStringList values =
            column(db, QStringLiteral("SELECT F_Value FROM KeyValue ORDER BY F_ID"));
        QCOMPARE(values.size(), 15);
        QCOMPARE(values.at(0), QStringLiteral("字符项一"));
        QCOMPARE(values.at(4), QStringLiteral("字符项五"));
        QCOMPARE(values.at(5), QStringLiteral("数值项一"));
        QCOMPARE(values.at(10), QStringLiteral("日期项三"));
        QCOMPARE(values.mid(11, 3), (QStringList{"2", "2", "2"}));

        const QueryResult admin = db.query(
            QStringLiteral("SELECT F_PassWord, F_flag FROM OperList WHERE F_Name = 'ADMIN'"));
        QCOMPARE(admin.rows.rowCount(), 1);
        QCOMPARE(tryGetPass(admin.rows.text(0, 0)), std::optional<QString>(QString()));
        QCOMPARE(admin.rows.integer(0, 1), 0);

        const QueryResult company =
            db.query(QStringLiteral("SELECT F_Code, F_BakPath FROM SysInfo"));
        QCOMPARE(company.rows.rowCount(), 1);
        QVERIFY(!company.rows.text(0, 0).isEmpty());
        QCOMPARE(company.rows.text(0, 1),
                 QFileInfo(path).absolutePath() + QStringLiteral("/backup"));

        for (const char *type : CodeTypes)
            QVERIFY2(count(db, QStringLiteral("SELECT count(DISTINCT F_name) FROM t_code WHERE "
                                              "F_type = '%1' AND F_name <> ''")
                                   .arg(QLatin1String(type))) >= 3,
                     type);

        // The log browser's layout names columns of the log.
        QCOMPARE(column(db, QStringLiteral("SELECT F_fieldname FROM cfg_grid WHERE F_name = "
                                           "'rzlistgl' ORDER BY F_order")),
                 (QStringList{"F_EmpName", "F_OperType", "F_OperDate", "F_OperTime"}));
    }

    // Each import map offers real fields of its table, once each, with a caption.
    void importMapsNameRealFields_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("employees") << QStringLiteral("t_employee");
        QTest::newRow("vehicles") << QStringLiteral("t_cars");
    }
    void importMapsNameRealFields()
    {
        QFETCH(QString, table);
        QTemporaryDir dir;
        Db db;
        QVERIFY(db.open(makeDatabase(dir)));
        QStringList real;
        const QueryResult info = db.query(QStringLiteral("PRAGMA table_info(%1)").arg(table));
        for (int i = 0; i < info.rows.rowCount(); ++i)
            real << info.rows.text(i, QStringLiteral("name")).toLower();

        const QueryResult map = db.query(
            QStringLiteral("select * from cfg_import where (F_tablename = '%1')and(F_iFlag = 1) ")
                .arg(table));
        QVERIFY(map.ok);
        QVERIFY(map.rows.rowCount() >= 10);
        QSet<QString> seen;
        for (int i = 0; i < map.rows.rowCount(); ++i) {
            const QString field = map.rows.text(i, QStringLiteral("S_Field"));
            QVERIFY2(real.contains(field.toLower()), qPrintable(field));
            QVERIFY2(!seen.contains(field.toLower()), qPrintable(field));
            seen.insert(field.toLower());
            QVERIFY(!map.rows.text(i, QStringLiteral("F_fieldName")).isEmpty());
            QVERIFY(field.compare(QStringLiteral("F_ID"), Qt::CaseInsensitive) != 0);
        }
        QVERIFY(seen.contains(QStringLiteral("f_code")));
        QVERIFY(seen.contains(QStringLiteral("f_name")) == (table == QStringLiteral("t_employee")));
    }

    // Every chart grouping returns one row per category with the label in F_name and the ten
    // figures, summed over tempCLstat, joining vehicles by plate regardless of case.
    void chartGroupingsMeetTheStatementContract_data()
    {
        QTest::addColumn<QString>("grouping");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<int>>("repairs"); // F_WXnum per label
        QTest::newRow("brand") << QStringLiteral("车辆品牌") << QStringList{"", "丰田", "大众"}
                               << QList<int>{4, 2, 5};
        QTest::newRow("type") << QStringLiteral("车辆类型") << QStringList{"", "轿车"}
                              << QList<int>{4, 7};
        QTest::newRow("colour") << QStringLiteral("车辆颜色") << QStringList{"", "白色", "黑色"}
                                << QList<int>{4, 5, 2};
        QTest::newRow("driver") << QStringLiteral("驾 驶 员") << QStringList{"张三", "李四"}
                                << QList<int>{5, 6};
        QTest::newRow("unit") << QStringLiteral("归属单位") << QStringList{"", "总公司"}
                              << QList<int>{4, 7};
    }
    void chartGroupingsMeetTheStatementContract()
    {
        QFETCH(QString, grouping);
        QFETCH(QStringList, labels);
        QFETCH(QList<int>, repairs);
        QTemporaryDir dir;
        Db db;
        QVERIFY(db.open(makeDatabase(dir)));
        QVERIFY(db.execScript(QStringLiteral(
            "INSERT INTO T_cars (F_code, F_pinPai, F_type, F_yanSE, F_GSoffice) VALUES "
            "('浙A10001', '大众', '轿车', '白色', '总公司'), "
            "('浙A10002', '丰田', '轿车', '黑色', '总公司');"
            // Plates in another case, a vehicle deleted since (no T_cars row), a partial row.
            "INSERT INTO tempCLstat VALUES "
            "('浙a10001', '张三', 3, 1, 0, 0, 4, 2, 120.5, 12, 30, 0, 1), "
            "('浙A10001', '李四', 2, 0, 1, 1, 0, 0, 0, 0, 0, 50, 1), "
            "('浙A10002', '张三', 2, 0, 0, 0, 1, 1, 40, 5, 10, 0, 1), "
            "('浙A99999', '李四', 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1), "
            "('浙A99999', '李四', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1), "
            "('浙A10002', '李四', 90, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);")));
        const QString sql = column(db, QStringLiteral("select F_SQLtext from cfg_stat where "
                                                      "F_name = '%1' and F_flag = 1")
                                           .arg(grouping))
                                .value(0);
        QVERIFY(!sql.isEmpty());
        const QueryResult r = db.query(sql);
        QVERIFY2(r.ok, qPrintable(r.error));
        for (const char *name : {"F_name", "F_WXnum", "F_SGnum", "F_WZnum", "F_TSnum", "F_CCnum",
                                 "F_JYnum", "F_GLnum", "F_YLnum", "F_ZCprice", "F_SRprice"})
            QVERIFY2(r.rows.columnIndex(QString::fromLatin1(name)) >= 0, name);
        QStringList actualLabels;
        QList<int> actualRepairs;
        double kilometres = 0;
        for (int i = 0; i < r.rows.rowCount(); ++i) {
            actualLabels << r.rows.text(i, QStringLiteral("F_name"));
            actualRepairs << int(r.rows.number(i, r.rows.columnIndex(u"F_WXnum")));
            kilometres += r.rows.number(i, r.rows.columnIndex(u"F_GLnum"));
        }
        QCOMPARE(actualLabels, labels);
        QCOMPARE(actualRepairs, repairs);
        QCOMPARE(kilometres, 160.5);
    }

    void upgradeRestoresConfigurationAndKeepsBusinessRows()
    {
        QTemporaryDir dir;
        const QString path = makeDatabase(dir);
        Db db;
        QVERIFY(db.open(path));
        const qint64 limits = count(db, QStringLiteral("SELECT count(*) FROM Limits"));
        const qint64 codes = count(db, QStringLiteral("SELECT count(*) FROM t_code"));
        const qint64 imports = count(db, QStringLiteral("SELECT count(*) FROM cfg_import"));
        QVERIFY(db.execScript(QStringLiteral(
            // Business rows and an operator of the office.
            "INSERT INTO T_cars (F_code, F_useFlag) VALUES ('浙A00001', 0);"
            "INSERT INTO T_WXrec (F_mainID, F_CPcode, F_WXprice) VALUES (1, '浙A00001', 99.5);"
            "INSERT INTO LogRec VALUES ('admin', '压缩数据库！', '2024-01-01', '10:00:00');"
            "INSERT INTO OperList (F_Name, F_PassWord) VALUES ('王五', 'x');"
            // Configuration lost or changed by the office.
            "DELETE FROM Limits WHERE F_code IN ('103', '302');"
            "UPDATE Limits SET F_name = '车辆维修' WHERE F_code = '301';"
            "DELETE FROM cfg_grid WHERE F_fieldname = 'F_OperTime';"
            "DELETE FROM cfg_grid WHERE F_name IN ('dlgcarxz', 'clyhinfoman', 'carman', "
            "'cardetail11');"
            "UPDATE cfg_grid SET F_width = 333 WHERE F_fieldname = 'F_OperType';"
            "DELETE FROM cfg_import WHERE S_Field = 'F_code';"
            "DELETE FROM cfg_stat WHERE F_name = '车辆颜色';"
            "UPDATE KeyValue SET F_Value = '车架号' WHERE F_ID = 1;"
            "DELETE FROM KeyValue WHERE F_ID >= 14;"
            "DELETE FROM t_code WHERE F_type = 'pinpai';"
            "DELETE FROM t_code WHERE F_type = 'yanse';"
            "INSERT INTO t_code (F_type, F_name) VALUES ('yanse', '土豪金');"
            "DELETE FROM OperList WHERE F_Name = 'admin';"
            "DELETE FROM SysInfo;"
            "DROP INDEX ix_T_WXrec_F_CPcode;"
            "DROP TABLE tempCLstat;"
            // The date-only index of an older file.
            "DROP INDEX ix_T_YHrec_F_JYdate_F_CPcode;"
            "CREATE INDEX ix_T_YHrec_F_JYdate ON T_YHrec (F_JYdate);")));
        QStringList business;
        for (const char *table : {"T_cars", "T_WXrec", "LogRec"})
            business << dump(db, QLatin1String(table));

        const DatabaseCreator creator(SavePass(QString()));
        QString error;
        SeedReport report;
        QVERIFY2(creator.upgrade(db, &error, &report), qPrintable(error));

        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM Limits")), limits);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM Limits WHERE F_name = '车辆维修'")),
                 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM Limits WHERE F_code = '301'")), 1);
        QCOMPARE(
            count(db, QStringLiteral("SELECT count(*) FROM cfg_grid WHERE F_name = 'rzlistgl'")),
            4);
        QCOMPARE(count(db, QStringLiteral(
                               "SELECT F_width FROM cfg_grid WHERE F_fieldname = 'F_OperType'")),
                 333);
        // The layouts of the vehicle picker, the vehicle archive and every record list and
        // archive record page, in their column order.
        QCOMPARE(
            count(db, QStringLiteral("SELECT count(*) FROM cfg_grid WHERE F_name = 'dlgcarxz'")),
            15);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM cfg_grid WHERE F_name = 'carman'")),
                 26);
        for (const RecordKind &kind : RecordKinds::all()) {
            QStringList fields;
            for (const RecordColumn &c : kind.columns)
                fields << c.field;
            for (const QString &key : {kind.layoutKey(), kind.archiveLayoutKey()})
                QCOMPARE(column(db, QStringLiteral("SELECT F_fieldname FROM cfg_grid WHERE "
                                                   "F_name = '") +
                                        key + QStringLiteral("' ORDER BY F_order")),
                         fields);
        }
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM cfg_import")), imports);
        QCOMPARE(
            count(db, QStringLiteral("SELECT count(*) FROM cfg_stat WHERE F_name = '车辆颜色'")),
            1);
        QCOMPARE(column(db, QStringLiteral("SELECT F_Value FROM KeyValue ORDER BY F_ID")).mid(0, 1),
                 QStringList{QStringLiteral("车架号")});
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM KeyValue")), 15);
        QVERIFY(count(db, QStringLiteral("SELECT count(*) FROM t_code WHERE F_type = 'pinpai'")) >=
                3);
        QCOMPARE(column(db, QStringLiteral("SELECT F_name FROM t_code WHERE F_type = 'yanse'")),
                 QStringList{QStringLiteral("土豪金")});
        QVERIFY(count(db, QStringLiteral("SELECT count(*) FROM t_code")) < codes + 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM OperList WHERE F_Name = 'admin'")),
                 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM OperList")), 2);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM SysInfo")), 1);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name IN "
                                          "('ix_T_WXrec_F_CPcode', 'tempCLstat', "
                                          "'ix_T_YHrec_F_JYdate_F_CPcode')")),
                 3);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = "
                                          "'ix_T_YHrec_F_JYdate'")),
                 0);
        QStringList after;
        for (const char *table : {"T_cars", "T_WXrec", "LogRec"})
            after << dump(db, QLatin1String(table));
        QCOMPARE(after, business);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM sqlite_temp_master")), 0);

        // A second upgrade finds nothing to add.
        QVERIFY(creator.upgrade(db, &error, &report));
        for (const auto &[table, added] : report)
            QVERIFY2(added == 0, qPrintable(table));
    }

    void upgradeOfAFailingDatabaseChangesNothing()
    {
        QTemporaryDir dir;
        Db db;
        QVERIFY(db.open(makeDatabase(dir)));
        // A configuration table that no longer fits the seed makes the upgrade fail midway.
        QVERIFY(db.execScript(QStringLiteral("DELETE FROM Limits; DROP TABLE cfg_stat; "
                                             "CREATE TABLE cfg_stat (F_ID INTEGER PRIMARY KEY, "
                                             "F_name TEXT);")));
        QString error;
        QVERIFY(!DatabaseCreator(SavePass(QString())).upgrade(db, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM Limits")), 0);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM sqlite_temp_master")), 0);
        QVERIFY(!db.inTransaction());
    }
};

ORV_TEST(SchemaTest)
#include "SchemaTest.moc"
