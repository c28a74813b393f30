// The demo fleet: every business table filled with rows that hang together, the same rows for the
// same options.
#include "DbCount.h"
#include "support/TestMain.h"

#include "app/Passwords.h"
#include "db/DemoData.h"

#include <QTemporaryDir>
#include <QtTest>

using dbtest::count;

namespace {

const QDate Today(2024, 3, 15);

const char *const BusinessTables[] = {
    "T_cars",  "T_employee", "T_WXoffice", "T_BXoffice", "T_SFoffice", "T_WXrec",
    "T_TBrec", "T_JFrec",    "T_NSrec",    "T_SGrec",    "T_WZrec",    "T_TSrec",
    "T_CCrec", "T_ZCrec",    "T_SRrec",    "T_YHrec",    "LogRec",     "OperLimit"};

// Record table and its main date column.
const char *const RecordTables[][2] = {
    {"T_WXrec", "F_WXdate"}, {"T_TBrec", "F_TBdate"}, {"T_JFrec", "F_JFdate"},
    {"T_NSrec", "F_NSdate"}, {"T_SGrec", "F_SGdate"}, {"T_WZrec", "F_WZdate"},
    {"T_TSrec", "F_TSdate"}, {"T_CCrec", "F_CCdate"}, {"T_ZCrec", "F_ZCdate"},
    {"T_SRrec", "F_SRdate"}, {"T_YHrec", "F_JYdate"}};

bool makeDemo(const QString &path, int vehicles, quint64 seed, int months = 12)
{
    DemoOptions options;
    options.vehicles = vehicles;
    options.months = months;
    options.seed = seed;
    options.today = Today;
    QString error;
    const bool ok =
        DemoData::create(DatabaseCreator(SavePass(QString())), path, options, nullptr, &error);
    if (!ok)
        qWarning("%s", qPrintable(error));
    return ok;
}

// The business tables as text; stored passwords are left out, as their encoding is salted.
QString dump(Db &db)
{
    QString text;
    for (const char *table : BusinessTables) {
        const QueryResult r =
            db.query(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(table)));
        for (int row = 0; row < r.rows.rowCount(); ++row) {
            for (int c = 0; c < r.rows.columnCount(); ++c)
                text += r.rows.text(row, c) + u'|';
            text += u'\n';
        }
    }
    const QueryResult ops =
        db.query(QStringLiteral("SELECT F_Name, F_Mem, F_clFlag, F_carS FROM OperList"));
    for (int row = 0; row < ops.rows.rowCount(); ++row)
        text += ops.rows.text(row, 0) + ops.rows.text(row, 3) + u'\n';
    return text;
}

} // namespace

class DemoDataTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_demo;

private slots:
    void initTestCase()
    {
        m_demo = m_dir.filePath(QStringLiteral("demo.mdb"));
        QVERIFY(makeDemo(m_demo, 30, 1));
    }

    void everyBusinessTableHasRows()
    {
        Db db;
        QVERIFY(db.open(m_demo));
        for (const char *table : BusinessTables)
            QVERIFY2(
                count(db, QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table))) > 0,
                table);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM T_cars")), 30);
        QVERIFY(count(db, QStringLiteral("SELECT count(*) FROM OperList")) > 1);
        QCOMPARE(db.integrityCheck(), QStringLiteral("ok"));
    }

    void vehiclesUseTheCodeDictionaryAndUniquePlates()
    {
        Db db;
        QVERIFY(db.open(m_demo));
        const char *const coded[][2] = {{"F_type", "cltype"},
                                        {"F_pinPai", "pinpai"},
                                        {"F_yanSE", "yanse"},
                                        {"F_GSoffice", "gsoffice"}};
        for (const auto &c : coded)
            QVERIFY2(count(db, QStringLiteral("SELECT count(*) FROM T_cars WHERE %1 NOT IN "
                                              "(SELECT F_name FROM t_code WHERE F_type = '%2')")
                                   .arg(QLatin1String(c[0]), QLatin1String(c[1]))) == 0,
                     c[0]);
        QCOMPARE(count(db, QStringLiteral("SELECT count(DISTINCT F_code) FROM T_cars")), 30);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM T_cars WHERE F_code NOT LIKE "
                                          "'浙_____%' OR length(F_code) <> 7")),
                 0);
        // Every vehicle's driver is an employee in service.
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM T_cars WHERE F_JSempName NOT IN "
                                          "(SELECT F_name FROM T_employee WHERE F_useFlag = 0)")),
                 0);
        // Unset custom dates carry the no-date value.
        QCOMPARE(
            count(db, QStringLiteral("SELECT count(*) FROM T_cars WHERE F_RQ1 <> '1900-08-14'")),
            0);
    }

    void someAreOutOfService()
    {
        Db db;
        QVERIFY(db.open(m_demo));
        for (const char *table :
             {"T_cars", "T_employee", "T_WXoffice", "T_BXoffice", "T_SFoffice"}) {
            const qint64 stopped =
                count(db, QStringLiteral("SELECT count(*) FROM %1 WHERE F_useFlag = true")
                              .arg(QLatin1String(table)));
            const qint64 all =
                count(db, QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table)));
            QVERIFY2(stopped > 0 && stopped * 4 < all, table);
        }
    }

    // Records belong to vehicles by id and plate, lie within the months before today and come
    // in dates that the windows read.
    void recordsHangTogether()
    {
        Db db;
        QVERIFY(db.open(m_demo));
        const QString first = Today.addMonths(-12).toString(QStringLiteral("yyyy-MM-dd"));
        const QString last = Today.toString(QStringLiteral("yyyy-MM-dd"));
        for (const auto &entry : RecordTables) {
            const QString table = QLatin1String(entry[0]);
            const QString date = QLatin1String(entry[1]);
            QVERIFY2(count(db, QStringLiteral("SELECT count(*) FROM %1 r LEFT JOIN T_cars c ON "
                                              "r.F_mainID = c.F_ID WHERE c.F_code IS NULL OR "
                                              "c.F_code <> r.F_CPcode")
                                   .arg(table)) == 0,
                     qPrintable(table));
            QVERIFY2(
                count(db, QStringLiteral("SELECT count(*) FROM %1 WHERE %2 > '%3' OR "
                                         "%2 NOT GLOB '[12][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]'")
                              .arg(table, date, last)) == 0,
                qPrintable(table));
            // Recurring kinds keep the latest renewal even when it came before the first month.
            const bool recurring = table == QLatin1String("T_TBrec") ||
                                   table == QLatin1String("T_JFrec") ||
                                   table == QLatin1String("T_NSrec");
            if (!recurring)
                QVERIFY2(count(db, QStringLiteral("SELECT count(*) FROM %1 WHERE %2 < '%3'")
                                       .arg(table, date, first)) == 0,
                         qPrintable(table));
        }
        // Refuelling: kilometres and money add up.
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM T_YHrec WHERE "
                                          "abs(F_endLC - F_beginLC - F_shijiLC) > 0.001 OR "
                                          "abs(F_YLnum * F_DJprice - F_totalPrice) > 0.01")),
                 0);
    }

    void dueDatesComeInTheNextMonthAndSomeAreOverdue_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("due");
        QTest::newRow("insurance") << QStringLiteral("T_TBrec") << QStringLiteral("F_NextTBdate");
        QTest::newRow("fees") << QStringLiteral("T_JFrec") << QStringLiteral("F_NextJFdate");
        QTest::newRow("inspection") << QStringLiteral("T_NSrec") << QStringLiteral("F_NextNSdate");
    }
    void dueDatesComeInTheNextMonthAndSomeAreOverdue()
    {
        QFETCH(QString, table);
        QFETCH(QString, due);
        Db db;
        QVERIFY(db.open(m_demo));
        const QString today = Today.toString(QStringLiteral("yyyy-MM-dd"));
        const QString inAMonth = Today.addMonths(1).toString(QStringLiteral("yyyy-MM-dd"));
        QVERIFY(count(db, QStringLiteral("SELECT count(*) FROM %1 WHERE %2 > #%3# AND %2 <= #%4#")
                              .arg(table, due, today, inAMonth)) >= 2);
        // Overdue: the vehicle's latest due date has passed.
        QVERIFY(count(db, QStringLiteral("SELECT count(*) FROM (SELECT F_mainID, max(%2) AS d "
                                         "FROM %1 GROUP BY F_mainID) WHERE d < '%3'")
                              .arg(table, due, today)) >= 1);
    }

    void sameOptionsGiveTheSameFleet()
    {
        const QString again = m_dir.filePath(QStringLiteral("again.mdb"));
        const QString other = m_dir.filePath(QStringLiteral("other.mdb"));
        QVERIFY(makeDemo(again, 30, 1));
        QVERIFY(makeDemo(other, 30, 2));
        Db a, b, c;
        QVERIFY(a.open(m_demo));
        QVERIFY(b.open(again));
        QVERIFY(c.open(other));
        const QString first = dump(a);
        QVERIFY(first.size() > 10000);
        QCOMPARE(dump(b), first);
        QVERIFY(dump(c) != first);
    }

    void smallAndEmptyFleets_data()
    {
        QTest::addColumn<int>("vehicles");
        QTest::addColumn<int>("months");
        QTest::newRow("none") << 0 << 12;
        QTest::newRow("two vehicles, one month") << 2 << 1;
        QTest::newRow("six vehicles, three months") << 6 << 3;
    }
    void smallAndEmptyFleets()
    {
        QFETCH(int, vehicles);
        QFETCH(int, months);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("small.mdb"));
        QVERIFY(makeDemo(path, vehicles, 5, months));
        Db db;
        QVERIFY(db.open(path));
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM T_cars")), qint64(vehicles));
        if (vehicles > 0) {
            QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM T_cars WHERE F_useFlag = 1")),
                     1);
            QVERIFY(count(db, QStringLiteral("SELECT count(*) FROM T_TBrec")) >= vehicles);
            QVERIFY(count(db, QStringLiteral("SELECT count(*) FROM T_SGrec")) >= 1);
        }
    }

    void demoRefusesAnExistingFile()
    {
        QString error;
        QVERIFY(!DemoData::create(DatabaseCreator(SavePass(QString())), m_demo, DemoOptions(),
                                  nullptr, &error));
        QVERIFY(!error.isEmpty());
        Db db;
        QVERIFY(db.open(m_demo)); // still the demo made before
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM T_cars")), 30);
    }
};

ORV_TEST(DemoDataTest)
#include "DemoDataTest.moc"
