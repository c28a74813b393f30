#include "session/Session.h"
#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/IniFile.h"
#include "session/OfficeFilters.h"
#include "session/SessionView.h"
#include "support/OperatorFixture.h"
#include "support/TestData.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QTest>

namespace {

// Vehicles of three owning units (one out of service) with one repair record each.
void addFleet()
{
    struct Car {
        const char *plate;
        const char *office;
        int useFlag;
    };
    const Car cars[] = {{"京A0001", "李'记运输", 0},
                        {"京A0002", "B", 0},
                        {"京A0003", "C", 0},
                        {"京A0004", "B", 1},
                        {"京A0005", "甲,乙公司", 0}};
    for (const Car &car : cars) {
        orvtest::addVehicle(QString::fromUtf8(car.plate), QString::fromUtf8(car.office),
                            car.useFlag != 0);
        dm().db().exec(QStringLiteral("insert into T_WXrec(F_CPcode,F_WXdate) values(:code,"
                                      "'2024-05-01')"),
                       {{"code", QString::fromUtf8(car.plate)}});
    }
}

QStringList column(const QString &sql, const SqlParams &params)
{
    QStringList values;
    const QueryResult r = dm().db().query(sql, params);
    if (!r.ok)
        return {QStringLiteral("error: ") + r.error};
    for (int row = 0; row < r.rows.rowCount(); ++row)
        values << r.rows.text(row, 0);
    values.sort();
    return values;
}

class RecordingView : public SessionView {
public:
    QStringList permissionCodes() const override { return codes; }
    void applyPermissions(const QSet<QString> &set) override { granted = set; }
    void showSession(const QString &name, const QDateTime &time) override
    {
        shownName = name;
        shownTime = time;
    }
    QStringList codes{"101", "104", "202", "301"};
    QSet<QString> granted;
    QString shownName;
    QDateTime shownTime;
};

} // namespace

class SessionTest : public QObject {
    Q_OBJECT
private slots:
    void officeFiltersRestrictEveryStatement_data();
    void officeFiltersRestrictEveryStatement();
    void startSessionSetsTheGlobals();
    void unrestrictedOperatorAfterRestrictedSeesEverything();
    void permissionsFollowTheTablesAndTheAdministratorRule();
};

void SessionTest::officeFiltersRestrictEveryStatement_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("plates"); // vehicles in service of the listed units
    QTest::newRow("quote in a name") << "'李''记运输','B'" << QStringList{"京A0001", "京A0002"};
    QTest::newRow("comma in a name") << "'甲,乙公司'" << QStringList{"京A0005"};
    QTest::newRow("injection attempt stays a name") << "'x'') or (1=1'" << QStringList{};
    QTest::newRow("not blank but no name") << " , " << QStringList{};
}

void SessionTest::officeFiltersRestrictEveryStatement()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, plates);
    TestEnvironment env;
    env.connect();
    addFleet();
    const OfficeFilters f = OfficeFilters::fromStoredList(stored);
    QVERIFY(!f.car.isEmpty());
    QVERIFY(!f.car.contains(QLatin1Char('\'')));

    // The vehicle list form.
    QCOMPARE(
        column(QStringLiteral("select F_code from T_cars where (1=1) and F_useFlag = 0 ") + f.car,
               f.params),
        plates);
    // Inside the vehicle sub-select of a record list.
    QCOMPARE(column(QStringLiteral("select F_CPcode from T_WXrec where (F_CPcode in (select F_code "
                                   "from T_cars where F_useFlag = false ") +
                        f.car + QStringLiteral(")) "),
                    f.params),
             plates);
    // Joined statistics.
    QCOMPARE(column(QStringLiteral("select r.F_CPcode from T_WXrec as r inner join T_cars as c on "
                                   "r.F_CPcode = c.F_code where c.F_useFlag = 0 ") +
                        f.joined,
                    f.params),
             plates);
    // The reminder list form.
    QCOMPARE(column(QStringLiteral("select F_CPcode from T_WXrec where F_WXdate >= #2024-01-01# ") +
                        f.plate,
                    f.params),
             plates);
}

void SessionTest::startSessionSetsTheGlobals()
{
    TestEnvironment env;
    env.connect();
    env.platform().clock = QDateTime(QDate(2024, 3, 4), QTime(8, 9, 10));
    dm().db().exec(QStringLiteral("update KeyValue set F_Value = '3' where F_ID = 12"));
    dm().db().exec(QStringLiteral("update KeyValue set F_Value = '4' where F_ID = 14"));
    QVERIFY(
        orvtest::addOperator(QStringLiteral("王五"), QStringLiteral("1"), QStringLiteral("'B'")));
    RecordingView view;

    Session::StartSession(QStringLiteral("  王五 "), &view);

    QCOMPARE(Globals::CurrentOperator, QStringLiteral("王五"));
    QCOMPARE(IniFile(env.path("config.ini")).readString("Config", "CurOperName"),
             QStringLiteral("王五"));
    QCOMPARE(Globals::OperatorOffices, QStringLiteral("'B'"));
    QCOMPARE(Globals::CarOfficeFilter, QStringLiteral("and (F_GSoffice in (:office0)) "));
    QCOMPARE(Globals::OfficeParams.value("office0").toString(), QStringLiteral("B"));
    QCOMPARE(Globals::CompanyName, dm().QueryString(QStringLiteral("select F_Code from SysInfo")));
    QVERIFY(!Globals::CompanyName.isEmpty());
    QCOMPARE(Globals::KeyValues[1], QStringLiteral("字符项一"));
    QCOMPARE(Globals::QuantityFormat, QStringLiteral("0.###"));
    QCOMPARE(Globals::PriceFormat, QStringLiteral("￥,0.00"));
    QCOMPARE(Globals::AmountFormat, QStringLiteral("￥,0.00##"));
    QCOMPARE(orvtest::logEntries().constLast(),
             qMakePair(QStringLiteral("王五"), QStringLiteral("操作员登录成功！")));
    QCOMPARE(view.shownName, QStringLiteral("王五"));
    QCOMPARE(view.shownTime, env.platform().clock);
}

void SessionTest::unrestrictedOperatorAfterRestrictedSeesEverything()
{
    TestEnvironment env;
    env.connect();
    QVERIFY(orvtest::addOperator(QStringLiteral("restricted"), QString(), QStringLiteral("'A'")));
    Session::StartSession(QStringLiteral("restricted"), nullptr);
    QVERIFY(!Globals::PlateOfficeFilter.isEmpty());
    QVERIFY(!Globals::OfficeParams.isEmpty());

    Session::StartSession(QStringLiteral("admin"), nullptr);
    QCOMPARE(Globals::CarOfficeFilter, QString());
    QCOMPARE(Globals::JoinedCarOfficeFilter, QString());
    QCOMPARE(Globals::PlateOfficeFilter, QString());
    QVERIFY(Globals::OfficeParams.isEmpty());
}

void SessionTest::permissionsFollowTheTablesAndTheAdministratorRule()
{
    TestEnvironment env;
    env.connect();
    QVERIFY(orvtest::addOperator(QStringLiteral("li"), QString(), {},
                                 {QStringLiteral("车辆档案管理"), QStringLiteral("工作日志管理")}));
    // A permission no longer offered in the editor still counts.
    dm().db().exec(QStringLiteral("update Limits set F_flag = 0 where F_code = '104'"));
    RecordingView view;

    Session::StartSession(QStringLiteral("LI"), &view);
    QCOMPARE(view.granted, (QSet<QString>{"104", "202"}));

    for (const QString &admin : {QStringLiteral("admin"), QStringLiteral("ADMIN")}) {
        Session::StartSession(admin, &view);
        QCOMPARE(view.granted, QSet<QString>(view.codes.begin(), view.codes.end()));
    }
    QVERIFY(Session::isAdministrator(QStringLiteral(" Admin ")));
    QVERIFY(!Session::isAdministrator(QStringLiteral("administrator")));
}

ORV_TEST(SessionTest)
#include "SessionTest.moc"
