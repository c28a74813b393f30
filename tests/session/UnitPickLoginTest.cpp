#include "app/DataModule.h"
#include "app/Globals.h"
#include "codes/UnitPickDialog.h"
#include "session/Session.h"
#include "support/ModalHelper.h"
#include "support/OperatorFixture.h"
#include "support/TestData.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

// The owning units an administrator picks for an operator restrict that operator's next login
// to exactly those units, whatever their names hold.
class UnitPickLoginTest : public QObject {
    Q_OBJECT
private slots:
    void pickedUnitRestrictsTheLogin();
};

void UnitPickLoginTest::pickedUnitRestrictsTheLogin()
{
    TestEnvironment env;
    env.connect();
    const QStringList units{"李'记运输", "李记运输", "记运输", "总公司"};
    dm().db().exec(QStringLiteral("delete from t_code where F_type = 'gsoffice'"));
    for (int i = 0; i < units.size(); ++i) {
        dm().db().exec(QStringLiteral("insert into t_code(F_type,F_name) values('gsoffice',:n)"),
                       {{QStringLiteral("n"), units[i]}});
        orvtest::addVehicle(QStringLiteral("浙A000%1").arg(i), units[i]);
    }

    // Pick the unit with the quote, then open the dialog again with what it returned.
    QString stored;
    QStringList checkedAgain;
    {
        UnitPickDialog dialog;
        orvtest::whenModalNamed(QStringLiteral("TDlgXzCltStr"), [](QWidget *d) {
            auto *list = d->findChild<QListWidget *>(QStringLiteral("clbItemList"));
            list->item(0)->setCheckState(Qt::Checked);
            d->findChild<QPushButton *>(QStringLiteral("btnOK"))->click();
        });
        QVERIFY(dialog.PickUnits(QString(), stored));
    }
    {
        UnitPickDialog dialog;
        orvtest::whenModalNamed(QStringLiteral("TDlgXzCltStr"), [&](QWidget *d) {
            auto *list = d->findChild<QListWidget *>(QStringLiteral("clbItemList"));
            for (int i = 0; i < list->count(); ++i)
                if (list->item(i)->checkState() == Qt::Checked)
                    checkedAgain << list->item(i)->text();
            d->findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
        });
        QString unchanged;
        QVERIFY(!dialog.PickUnits(stored, unchanged));
        QCOMPARE(unchanged, stored);
    }
    QCOMPARE(stored, QStringLiteral("'李''记运输'"));
    QCOMPARE(checkedAgain, QStringList{"李'记运输"});

    QVERIFY(orvtest::addOperator(QStringLiteral("调度员"), QString(), stored));
    Session::StartSession(QStringLiteral("调度员"), nullptr);
    QCOMPARE(Globals::OperatorOffices, stored);
    const QueryResult cars = dm().db().query(
        QStringLiteral("select F_code from T_cars where (1=1) ") + Globals::CarOfficeFilter,
        Globals::OfficeParams);
    QVERIFY2(cars.ok, qPrintable(cars.error));
    QCOMPARE(cars.rows.rowCount(), 1);
    QCOMPARE(cars.rows.text(0, 0), QStringLiteral("浙A0000"));
}

ORV_TEST(UnitPickLoginTest)
#include "UnitPickLoginTest.moc"
