#include "CodesFixture.h"

#include "app/UnitList.h"
#include "codes/UnitPickDialog.h"
#include "codes/ValueInputDialog.h"
#include "support/ModalHelper.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList Units{"A", "B", "AB", "李'记运输", "甲,乙公司"};

QStringList checkedItems(QListWidget *list)
{
    QStringList checked;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            checked << list->item(i)->text();
    return checked;
}

void press(QWidget *dialog, const char *button)
{
    dialog->findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

void closeIfOpen(QWidget *dialog)
{
    if (dialog->isVisible()) {
        qWarning("the dialog was still open");
        static_cast<QDialog *>(dialog)->done(-1);
    }
}

} // namespace

class SmallDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void unitsCheckedOnShowing_data();
    void unitsCheckedOnShowing();
    void confirmedUnitsGiveTheQuotedList_data();
    void confirmedUnitsGiveTheQuotedList();
    void noUnitsToChooseKeepsTheValue();
    void valueInput_data();
    void valueInput();
};

void SmallDialogsTest::unitsCheckedOnShowing_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("two units") << "'A','B'" << QStringList{"A", "B"};
    // Whole names only: 'AB' names neither A nor B.
    QTest::newRow("a name holding others") << "'AB'" << QStringList{"AB"};
    QTest::newRow("quote inside a name") << "'李''记运输'" << QStringList{"李'记运输"};
    QTest::newRow("comma inside a name") << "'甲,乙公司','A'" << QStringList{"A", "甲,乙公司"};
    QTest::newRow("typed with full-width commas") << "A，B" << QStringList{"A", "B"};
    QTest::newRow("unknown unit") << "'C'" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
}

void SmallDialogsTest::unitsCheckedOnShowing()
{
    QFETCH(QString, current);
    QFETCH(QStringList, checked);
    TestEnvironment env;
    env.connect();
    codestest::replaceCodes(QStringLiteral("gsoffice"), Units);
    UnitPickDialog dialog;
    dialog.setWindowTitle(QStringLiteral("管理单位选择 "));
    QStringList shown, offered;
    QString caption;
    orvtest::whenModalNamed(QStringLiteral("TDlgXzCltStr"), [&](QWidget *d) {
        caption = d->windowTitle();
        auto *list = d->findChild<QListWidget *>(QStringLiteral("clbItemList"));
        for (int i = 0; i < list->count(); ++i)
            offered << list->item(i)->text();
        shown = checkedItems(list);
        press(d, "btnCancel");
        closeIfOpen(d);
    });
    QString result = QStringLiteral("unset");
    QVERIFY(!dialog.PickUnits(current, result));
    QCOMPARE(caption, QStringLiteral("管理单位选择 "));
    QCOMPARE(offered, Units);
    QCOMPARE(shown, checked);
    QCOMPARE(result, current); // 取消 keeps the caller's value
}

void SmallDialogsTest::confirmedUnitsGiveTheQuotedList_data()
{
    QTest::addColumn<QStringList>("check");
    QTest::addColumn<QString>("result");
    QTest::newRow("two, in list order") << QStringList{"B", "A"} << "'A','B'";
    QTest::newRow("quote doubled") << QStringList{"李'记运输"} << "'李''记运输'";
    QTest::newRow("comma kept") << QStringList{"甲,乙公司", "AB"} << "'AB','甲,乙公司'";
    QTest::newRow("nothing checked") << QStringList{} << "";
}

void SmallDialogsTest::confirmedUnitsGiveTheQuotedList()
{
    QFETCH(QStringList, check);
    QFETCH(QString, result);
    TestEnvironment env;
    env.connect();
    codestest::replaceCodes(QStringLiteral("gsoffice"), Units);
    UnitPickDialog dialog;
    orvtest::whenModalNamed(QStringLiteral("TDlgXzCltStr"), [&](QWidget *d) {
        auto *list = d->findChild<QListWidget *>(QStringLiteral("clbItemList"));
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(check.contains(list->item(i)->text()) ? Qt::Checked
                                                                               : Qt::Unchecked);
        press(d, "btnOK");
        closeIfOpen(d);
    });
    QString picked;
    QVERIFY(dialog.PickUnits(QStringLiteral("'A'"), picked));
    QCOMPARE(picked, result);
    // What the dialog returns, it checks again when it is given back.
    QCOMPARE(parseUnitList(picked), [&] {
        QStringList inListOrder;
        for (const QString &unit : Units)
            if (check.contains(unit))
                inListOrder << unit;
        return inListOrder;
    }());
}

void SmallDialogsTest::noUnitsToChooseKeepsTheValue()
{
    TestEnvironment env;
    env.connect();
    codestest::replaceCodes(QStringLiteral("gsoffice"), {"", ""});
    UnitPickDialog dialog;
    QString result;
    QVERIFY(!dialog.PickUnits(QStringLiteral("'A'"), result));
    QCOMPARE(env.platform().texts(), QStringList{"没有公司选择！"});
    QCOMPARE(result, QStringLiteral("'A'"));
}

void SmallDialogsTest::valueInput_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("value");
    QTest::newRow("typed, 确定") << " 一车队 " << true << " 一车队 ";
    QTest::newRow("empty, 确定") << "" << true << "";
    QTest::newRow("typed, 取消") << "一车队" << false << "";
}

void SmallDialogsTest::valueInput()
{
    QFETCH(QString, typed);
    QFETCH(bool, confirm);
    QFETCH(QString, value);
    ValueInputDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("批量修改当前列"));
    orvtest::whenModalNamed(QStringLiteral("TDLGeditCurList"), [&](QWidget *d) {
        d->findChild<QLineEdit *>(QStringLiteral("edtCurValue"))->setText(typed);
        press(d, confirm ? "btnOK" : "btnCancel");
        closeIfOpen(d);
    });
    QString result = QStringLiteral("unset");
    QCOMPARE(dialog.InputValue(QStringLiteral("F_dept"), result), confirm);
    QCOMPARE(result, value);
    QCOMPARE(dialog.fieldName(), QStringLiteral("F_dept"));
}

ORV_TEST(SmallDialogsTest)
#include "SmallDialogsTest.moc"
