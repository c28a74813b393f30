#include "vehicles/VehicleQuery.h"
#include "app/DataModule.h"
#include "support/ModalHelper.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"
#include "vehicles/VehicleQueryDialog.h"
#include "widgets/CurrencyEdit.h"
#include "widgets/DatePicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using Status = VehicleCriteria::Status;

namespace {

struct Vehicle {
    QString code, pinPai, xingHao, type, fdj, zaiZhong, memo;
    double price;
    QString made, bought, driver;
    bool outOfService;
};

// The fleet the criteria are tried on; each row is there to be told apart from another.
const Vehicle Fleet[] = {
    {"京A1001", "丰田", "凯美瑞300", "轿车", "FD100", "1.5吨", "", 200000, "2020-03-01",
     "2020-06-01", "张三", false},
    {"京B2002", "丰田", "300X", "货车", "FD200", "10吨", "O'Neil", 150000, "2021-05-10",
     "2021-08-01", "李四", false},
    {"沪A京A3", "本田", "雅阁", "轿车", "XFD100", "2吨", "", 99999.5, "2019-01-01", "2019-02-01",
     "张三丰", false},
    {"50%车", "大众", "", "客车", "", "", "", 0, "2022-01-01", "2022-01-01", "", false},
    {"50A车", "大众", "", "客车", "", "", "", 0, "2022-01-01", "2022-01-01", "", false},
    {"A_1", "别克", "", "", "", "", "", 0, "2022-01-01", "2022-01-01", "", false},
    {"AB1", "别克", "", "", "", "", "", 0, "2022-01-01", "2022-01-01", "", false},
    {"京A9999", "丰田", "凯美瑞", "轿车", "FD900", "", "", 300000, "2018-01-01", "2018-01-01",
     "张三", true},
};

void insertFleet()
{
    dm().db().exec(QStringLiteral("delete from T_cars"));
    for (const Vehicle &v : Fleet) {
        const bool ok =
            dm().ExecSql(QStringLiteral("insert into T_cars(F_code,F_pinPai,F_xingHao,F_type,"
                                        "F_FDJcode,F_zaiZhong,F_memo1,F_buyPrice,F_SCdate,"
                                        "F_buyDate,F_JSempName,F_GSoffice,F_useFlag) values("
                                        ":code,:pinPai,:xingHao,:type,:fdj,:zaiZhong,:memo,:price,"
                                        ":made,:bought,:driver,'总公司',:flag)"),
                         {{"code", v.code},
                          {"pinPai", v.pinPai},
                          {"xingHao", v.xingHao},
                          {"type", v.type},
                          {"fdj", v.fdj},
                          {"zaiZhong", v.zaiZhong},
                          {"memo", v.memo},
                          {"price", v.price},
                          {"made", v.made},
                          {"bought", v.bought},
                          {"driver", v.driver},
                          {"flag", v.outOfService}});
        QVERIFY(ok);
    }
}

QStringList plates(const SqlStatement &query)
{
    const QueryResult result = dm().db().query(query.sql, query.params);
    if (!result.ok)
        qWarning() << "refused:" << query.sql;
    QStringList found;
    for (int row = 0; row < result.rows.rowCount(); ++row)
        found << result.rows.text(row, result.rows.columnIndex(u"F_code"));
    found.sort();
    return found;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

VehicleCriteria::DateRange range(const char *from, const char *to)
{
    auto date = [](const char *text) -> std::optional<QDate> {
        if (!text)
            return std::nullopt;
        return QDate::fromString(QString::fromLatin1(text), Qt::ISODate);
    };
    return {date(from), date(to)};
}

} // namespace

Q_DECLARE_METATYPE(VehicleCriteria)

class VehicleQueryTest : public QObject {
    Q_OBJECT
private slots:
    void nothingFilledGivesTheStatusOnly();
    void clausesFollowTheInputOrder();
    void criteriaFindTheirVehicles_data();
    void criteriaFindTheirVehicles();
    void dialogReturnsWhatWasFilledIn();
    void closedDialogReturnsNothing();
};

void VehicleQueryTest::nothingFilledGivesTheStatusOnly()
{
    VehicleCriteria blank;
    blank.texts.insert(QStringLiteral("edtCode"), QStringLiteral("   "));
    const SqlStatement query = VehicleQuery::build(blank);
    QCOMPARE(query.sql, QStringLiteral("select * from T_cars where (1=1) and F_useFlag = false "));
    QVERIFY(query.params.isEmpty());
}

void VehicleQueryTest::clausesFollowTheInputOrder()
{
    VehicleCriteria all;
    for (const VehicleQuery::TextCondition &c : VehicleQuery::textConditions())
        all.texts.insert(c.input, QStringLiteral("x"));
    all.minBuyPrice = 12.5;
    all.status = Status::OutOfService;
    all.made = range("2024-01-01", "2024-01-31");
    all.bought = range(nullptr, "2024-02-29");
    const SqlStatement query = VehicleQuery::build(all);
    const QString like = QStringLiteral(" like :%1 escape '\\' ");
    QCOMPARE(
        query.sql,
        QStringLiteral("select * from T_cars where (1=1) ") + QStringLiteral("and F_code") +
            like.arg("code") + QStringLiteral("and F_pinPai") + like.arg("pinPai") +
            QStringLiteral("and F_xingHao") + like.arg("xingHao") + QStringLiteral("and F_type") +
            like.arg("type") + QStringLiteral("and F_FDJcode") + like.arg("FDJcode") +
            QStringLiteral("and F_Dipan") + like.arg("dipan") + QStringLiteral("and F_YanSE") +
            like.arg("yanSE") + QStringLiteral("and F_ZaiZhong") + like.arg("zaiZhong") +
            QStringLiteral("and F_ZuoWei") + like.arg("zuoWei") +
            QStringLiteral("and F_buyPrice >= :buyPrice ") + QStringLiteral("and F_JSempname") +
            like.arg("JSempname") + QStringLiteral("and F_GSoffice") + like.arg("GSoffice") +
            QStringLiteral("and F_memo1") + like.arg("memo1") +
            QStringLiteral("and F_useFlag = true ") +
            QStringLiteral("and F_SCdate >= :SCdateFrom and F_SCdate <= :SCdateTo ") +
            QStringLiteral("and F_buyDate <= :buyDateTo "));
    QCOMPARE(query.params.value("code"), QVariant("x%"));
    QCOMPARE(query.params.value("xingHao"), QVariant("%x%"));
    QCOMPARE(query.params.value("buyPrice"), QVariant(12.5));
    QCOMPARE(query.params.value("SCdateFrom"), QVariant("2024-01-01"));
    QCOMPARE(query.params.value("buyDateTo"), QVariant("2024-02-29"));
}

void VehicleQueryTest::criteriaFindTheirVehicles_data()
{
    QTest::addColumn<VehicleCriteria>("criteria");
    QTest::addColumn<QStringList>("found");
    auto typed = [](const char *input, const QString &text, Status status = Status::All) {
        VehicleCriteria c;
        c.texts.insert(QString::fromLatin1(input), text);
        c.status = status;
        return c;
    };
    const QStringList inService{"京A1001", "京B2002", "沪A京A3", "50%车", "50A车", "A_1", "AB1"};

    QTest::newRow("plate begins with")
        << typed("edtCode", " 京A ") << QStringList{"京A1001", "京A9999"};
    QTest::newRow("model contains")
        << typed("edtXingHao", "300") << QStringList{"京A1001", "京B2002"};
    QTest::newRow("engine begins with") << typed("edtFDJcode", "FD1") << QStringList{"京A1001"};
    QTest::newRow("load contains") << typed("edtZaizhong", "0") << QStringList{"京B2002"};
    QTest::newRow("driver begins with")
        << typed("cbbJSempname", "张三", Status::InService) << QStringList{"京A1001", "沪A京A3"};
    QTest::newRow("% matches itself") << typed("edtCode", "50%") << QStringList{"50%车"};
    QTest::newRow("_ matches itself") << typed("edtCode", "A_") << QStringList{"A_1"};
    QTest::newRow("quote in a remark") << typed("edtMemo1", "O'Ne") << QStringList{"京B2002"};
    QTest::newRow("正常") << typed("edtCode", "", Status::InService) << inService;
    QTest::newRow("停用") << typed("edtCode", "", Status::OutOfService) << QStringList{"京A9999"};

    VehicleCriteria amount = typed("cbbPinPai", "丰田");
    amount.minBuyPrice = 200000;
    QTest::newRow("amount at least") << amount << QStringList{"京A1001", "京A9999"};
    amount.minBuyPrice = 0;
    QTest::newRow("amount 0 adds nothing")
        << amount << QStringList{"京A1001", "京B2002", "京A9999"};

    VehicleCriteria made = typed("edtCode", "", Status::InService);
    made.made = range(nullptr, "2020-03-01");
    QTest::newRow("made up to, inclusive") << made << QStringList{"京A1001", "沪A京A3"};
    VehicleCriteria bought = typed("edtCode", "");
    bought.bought = range("2020-06-01", "2021-12-31");
    QTest::newRow("bought between") << bought << QStringList{"京A1001", "京B2002"};
}

void VehicleQueryTest::criteriaFindTheirVehicles()
{
    QFETCH(VehicleCriteria, criteria);
    QFETCH(QStringList, found);
    TestEnvironment env;
    env.connect();
    insertFleet();
    QCOMPARE(plates(VehicleQuery::build(criteria)), sorted(found));
}

void VehicleQueryTest::dialogReturnsWhatWasFilledIn()
{
    TestEnvironment env;
    env.connect();
    insertFleet();
    env.platform().clock = QDateTime(QDate(2022, 5, 20), QTime(9, 0));
    dm().ExecSql(QStringLiteral("insert into T_employee(F_name,F_useFlag) values('王五',0),"
                                "('赵六',1)"));

    VehicleQueryDialog dialog;
    bool acted = false;
    QStringList drivers;
    bool disabledAtFirst = false, enabledWhenChecked = false, movedOn = false;
    QDate madeFrom, madeTo;
    orvtest::whenModalNamed(QStringLiteral("TDlgCarinfoCX"), [&](QWidget *d) {
        auto *drivers_ = d->findChild<QComboBox *>(QStringLiteral("cbbJSempname"));
        for (int i = 0; i < drivers_->count(); ++i)
            drivers << drivers_->itemText(i);
        auto *from = d->findChild<DatePicker *>(QStringLiteral("dtpBuyDate1"));
        auto *to = d->findChild<DatePicker *>(QStringLiteral("dtpBuyDate2"));
        disabledAtFirst = !from->isEnabled() && !to->isEnabled();
        madeFrom = d->findChild<DatePicker *>(QStringLiteral("dtpSCdate1"))->date();
        madeTo = d->findChild<DatePicker *>(QStringLiteral("dtpSCdate2"))->date();

        auto *code = d->findChild<QLineEdit *>(QStringLiteral("edtCode"));
        code->setFocus();
        QTest::keyClicks(code, QStringLiteral("50%"));
        auto *brand = d->findChild<QComboBox *>(QStringLiteral("cbbPinPai"));
        brand->setCurrentIndex(brand->findText(QStringLiteral("大众")));
        d->findChild<QRadioButton *>(QStringLiteral("rbAll"))->click();
        d->findChild<QCheckBox *>(QStringLiteral("cbBuyDate"))->click();
        enabledWhenChecked = from->isEnabled() && to->isEnabled();
        from->setChecked(false);
        // Enter moves on and presses nothing; Ctrl+S presses 查询.
        QTest::keyClick(code, Qt::Key_Return);
        movedOn = d->focusWidget() == brand;
        QTest::keyClick(d->focusWidget(), Qt::Key_S, Qt::ControlModifier);
        acted = true;
    });
    const SqlStatement query = dialog.QueryText();
    QVERIFY(acted);
    QVERIFY(movedOn);
    QCOMPARE(drivers, (QStringList{"", "王五"}));
    QVERIFY(disabledAtFirst);
    QVERIFY(enabledWhenChecked);
    QCOMPARE(madeFrom, QDate(2022, 5, 1));
    QCOMPARE(madeTo, QDate(2022, 5, 20));

    VehicleCriteria expected;
    expected.texts.insert(QStringLiteral("edtCode"), QStringLiteral("50%"));
    expected.texts.insert(QStringLiteral("cbbPinPai"), QStringLiteral("大众"));
    expected.status = Status::All;
    expected.bought = range(nullptr, "2022-05-20");
    QCOMPARE(query, VehicleQuery::build(expected));
    QCOMPARE(plates(query), QStringList{"50%车"});
}

void VehicleQueryTest::closedDialogReturnsNothing()
{
    TestEnvironment env;
    env.connect();
    VehicleQueryDialog dialog;
    bool acted = false;
    orvtest::whenModalNamed(QStringLiteral("TDlgCarinfoCX"), [&](QWidget *d) {
        auto *code = d->findChild<QLineEdit *>(QStringLiteral("edtCode"));
        QTest::keyClicks(code, QStringLiteral("A1"));
        QTest::keyClick(code, Qt::Key_Escape);
        acted = true;
    });
    const SqlStatement query = dialog.QueryText();
    QVERIFY(acted);
    QVERIFY(query.sql.isEmpty());
    QVERIFY(query.params.isEmpty());
}

ORV_TEST(VehicleQueryTest)
#include "VehicleQueryTest.moc"
