#include "CodesFixture.h"

#include "codes/CodePick.h"
#include "codes/CodePickButtons.h"
#include "codes/CodePickerDialog.h"
#include "codes/NameInputDialog.h"
#include "grids/DataGrid.h"
#include "grids/GridModel.h"
#include "support/ModalHelper.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

// An editor's drop-down filled from the dictionary, as every pick button's target is.
struct Editor {
    TestEnvironment env;
    QWidget window;
    QComboBox *box = new QComboBox(&window);

    explicit Editor(const QString &key, const QStringList &codes)
    {
        env.connect();
        codestest::replaceCodes(key, codes);
        FillCodePickList(box, key);
        window.show();
    }
    QStringList items() const
    {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }
};

QStringList listedNames(QWidget *picker)
{
    const DataSet &codes = static_cast<CodePickerDialog *>(picker)->codes();
    QStringList names;
    for (int row = 0; row < codes.rowCount(); ++row)
        names << codes.text(row, u"F_name");
    return names;
}

QString currentName(QWidget *picker)
{
    return static_cast<CodePickerDialog *>(picker)->codes().fieldText(u"F_name");
}

// A picker the test failed to close would block the test run.
void closeIfOpen(QWidget *dialog)
{
    if (dialog->isVisible()) {
        qWarning("the dialog was still open");
        static_cast<QDialog *>(dialog)->done(-1);
    }
}

void press(QWidget *dialog, const char *button)
{
    dialog->findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

// 新增 in the picker, answering the name input with `name`.
void addCode(QWidget *picker, const QString &name)
{
    orvtest::whenModalNamed(QStringLiteral("TDLGaddText"), [name](QWidget *input) {
        input->findChild<QLineEdit *>(QStringLiteral("edtName"))->setText(name);
        press(input, "btnOK");
        closeIfOpen(input);
    });
    press(picker, "btnNew");
}

} // namespace

class CodePickerDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheDropDownsCodeAndConfirms_data();
    void opensOnTheDropDownsCodeAndConfirms();
    void confirmingOnATypeWithoutCodesSelectsTheBlankItem();
    void closingChoosesNothing();
    void addedCodeRefillsTheDropDown_data();
    void addedCodeRefillsTheDropDown();
    void nameBoxRefiltersInTableOrder_data();
    void nameBoxRefiltersInTableOrder();
    void nameInputRefusesABlankName();
    void pickButtonRunsThePickerForItsType();
    void editorsPickButtonsAreWiredByName_data();
    void editorsPickButtonsAreWiredByName();
    void pickListSkipsBlanksAndRepeats();
};

void CodePickerDialogTest::opensOnTheDropDownsCodeAndConfirms_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("confirmBy");
    // The codes are listed by name: Audi, BMW, 丰田.
    QTest::newRow("stored code, Enter") << "丰田"
                                        << "丰田"
                                        << "enter";
    QTest::newRow("stored code, 确定") << "BMW"
                                       << "BMW"
                                       << "ok";
    QTest::newRow("stored code, double click") << "丰田"
                                               << "丰田"
                                               << "double click";
    QTest::newRow("blank item: the first code") << ""
                                                << "Audi"
                                                << "enter";
}

void CodePickerDialogTest::opensOnTheDropDownsCodeAndConfirms()
{
    QFETCH(QString, shown);
    QFETCH(QString, current);
    QFETCH(QString, confirmBy);
    Editor editor(QStringLiteral("pinpai"), {"丰田", "BMW", "Audi"});
    editor.box->setCurrentIndex(editor.box->findText(shown, Qt::MatchExactly));
    QCOMPARE(editor.box->currentText(), shown);

    QString atOpening;
    orvtest::whenModalNamed(QStringLiteral("TDLGcodeNewXZ"), [&](QWidget *picker) {
        atOpening = currentName(picker);
        QTableView *view = picker->findChild<DataGrid *>(QStringLiteral("DBGridEh1"))->view();
        if (confirmBy == "enter") {
            QTest::keyClick(view, Qt::Key_Return);
        } else if (confirmBy == "ok") {
            press(picker, "btnOK");
        } else {
            const QRect cell = view->visualRect(view->currentIndex());
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        }
        closeIfOpen(picker);
    });
    const QString picked = PickCodeFor(&editor.window, QStringLiteral("pinpai"),
                                       QStringLiteral("车辆品牌资料"), editor.box);
    QCOMPARE(atOpening, current);
    QCOMPARE(picked, current);
    QCOMPARE(editor.box->currentText(), current);
}

void CodePickerDialogTest::confirmingOnATypeWithoutCodesSelectsTheBlankItem()
{
    Editor editor(QStringLiteral("tstype"), {});
    editor.box->addItem(QStringLiteral("旧值")); // a list filled before the codes went away
    editor.box->setCurrentIndex(1);
    orvtest::whenModalNamed(QStringLiteral("TDLGcodeNewXZ"), [](QWidget *picker) {
        press(picker, "btnOK");
        closeIfOpen(picker);
    });
    const QString picked = PickCodeFor(&editor.window, QStringLiteral("tstype"),
                                       QStringLiteral("投诉类型资料"), editor.box);
    QCOMPARE(picked, QString());
    QCOMPARE(editor.box->currentIndex(), 0);
    QCOMPARE(editor.box->currentText(), QString());
}

void CodePickerDialogTest::closingChoosesNothing()
{
    Editor editor(QStringLiteral("cctype"), {"市内公务", "长途出差"});
    editor.box->setCurrentIndex(2);
    orvtest::whenModalNamed(QStringLiteral("TDLGcodeNewXZ"), [](QWidget *picker) {
        static_cast<CodePickerDialog *>(picker)->findChild<DataGrid *>()->setCurrentRow(0);
        QTest::keyClick(picker, Qt::Key_Escape);
        closeIfOpen(picker);
    });
    const QString picked = PickCodeFor(&editor.window, QStringLiteral("cctype"),
                                       QStringLiteral("出车类型资料"), editor.box);
    QCOMPARE(picked, QString());
    QCOMPARE(editor.box->currentText(), QStringLiteral("长途出差"));
}

void CodePickerDialogTest::addedCodeRefillsTheDropDown_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("then 关闭") << false;
    QTest::newRow("then 确定") << true;
}

void CodePickerDialogTest::addedCodeRefillsTheDropDown()
{
    QFETCH(bool, confirm);
    Editor editor(QStringLiteral("wxtype"), {"小修", "大修"});
    editor.box->setCurrentIndex(editor.box->findText(QStringLiteral("大修")));

    bool addedWhileOpen = false;
    orvtest::whenModalNamed(QStringLiteral("TDLGcodeNewXZ"), [&](QWidget *picker) {
        addCode(picker, QStringLiteral(" 四轮定位"));
        // Written at once, and the current row of the picker.
        addedWhileOpen = codestest::names(QStringLiteral("wxtype")).contains(" 四轮定位") &&
                         currentName(picker) == QStringLiteral(" 四轮定位");
        press(picker, confirm ? "btnOK" : "btnClose");
        closeIfOpen(picker);
    });
    const QString picked = PickCodeFor(&editor.window, QStringLiteral("wxtype"),
                                       QStringLiteral("维修类型资料"), editor.box);
    QVERIFY(addedWhileOpen);
    QCOMPARE(codestest::names(QStringLiteral("wxtype")),
             (QStringList{"小修", "大修", " 四轮定位"}));
    QVERIFY(editor.items().contains(QStringLiteral(" 四轮定位")));
    QCOMPARE(picked, confirm ? QStringLiteral(" 四轮定位") : QString());
    QCOMPARE(editor.box->currentText(), confirm ? QStringLiteral(" 四轮定位") : "大修");
}

void CodePickerDialogTest::nameBoxRefiltersInTableOrder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("listed");
    const QStringList all{"轿车", "", "货车", "皮卡", "100%新车", "商务车"};
    QTest::newRow("车") << "车" << QStringList{"轿车", "货车", "100%新车", "商务车"};
    QTest::newRow("blanks around") << "  货 " << QStringList{"货车"};
    QTest::newRow("percent as typed") << "%" << QStringList{"100%新车"};
    QTest::newRow("underscore as typed") << "_" << QStringList{};
    QTest::newRow("cleared again") << "" << all;
    QTest::newRow("only blanks") << "   " << all;
}

void CodePickerDialogTest::nameBoxRefiltersInTableOrder()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, listed);
    Editor editor(QStringLiteral("cltype"), {"轿车", "", "货车", "皮卡", "100%新车", "商务车"});

    QStringList atOpening, afterTyping, afterQuery;
    orvtest::whenModalNamed(QStringLiteral("TDLGcodeNewXZ"), [&](QWidget *picker) {
        atOpening = listedNames(picker);
        auto *name = picker->findChild<QLineEdit *>(QStringLiteral("edtname"));
        codestest::typeText(name, QStringLiteral("皮"));
        name->clear();
        codestest::typeText(name, typed);
        afterTyping = listedNames(picker);
        press(picker, "btnQuery");
        afterQuery = listedNames(picker);
        press(picker, "btnClose");
        closeIfOpen(picker);
    });
    PickCodeFor(&editor.window, QStringLiteral("cltype"), QStringLiteral("车辆类型资料"),
                editor.box);
    // On opening the blank name is left out and the names are in order.
    QCOMPARE(atOpening.size(), 5);
    QVERIFY(!atOpening.contains(QString()));
    QCOMPARE(afterTyping, listed);
    QCOMPARE(afterQuery, listed);
}

void CodePickerDialogTest::nameInputRefusesABlankName()
{
    TestEnvironment env;
    env.connect();
    NameInputDialog input;
    bool stayedOpen = false;
    orvtest::whenModalNamed(QStringLiteral("TDLGaddText"), [&](QWidget *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("edtName"))->setText(QStringLiteral("  "));
        press(dialog, "btnOK");
        stayedOpen = dialog->isVisible();
        press(dialog, "btnClose");
        closeIfOpen(dialog);
    });
    QString name = QStringLiteral("unchanged");
    QVERIFY(!input.InputName(name));
    QVERIFY(stayedOpen);
    QCOMPARE(env.platform().texts(), QStringList{"名称不能为空！"});
    QCOMPARE(name, QStringLiteral("unchanged"));
}

void CodePickerDialogTest::pickButtonRunsThePickerForItsType()
{
    Editor editor(QStringLiteral("yanse"), {"白色", "黑色"});
    auto *button = new QToolButton(&editor.window);
    connectCodePickButton(button, QStringLiteral("yanse"), QStringLiteral("颜色资料"), editor.box);
    QCOMPARE(button->toolTip(), QStringLiteral("增加颜色资料"));

    QString caption;
    QStringList listed;
    orvtest::whenModalNamed(QStringLiteral("TDLGcodeNewXZ"), [&](QWidget *picker) {
        caption = picker->windowTitle();
        listed = listedNames(picker);
        static_cast<CodePickerDialog *>(picker)->findChild<DataGrid *>()->setCurrentRow(1);
        press(picker, "btnOK");
    });
    button->click();
    QCOMPARE(caption, QStringLiteral("颜色资料"));
    QCOMPARE(listed, (QStringList{"白色", "黑色"}));
    QCOMPARE(editor.box->currentText(), QStringLiteral("黑色"));
}

void CodePickerDialogTest::editorsPickButtonsAreWiredByName_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");
    // The same button name picks for another drop-down with another caption in another editor.
    QTest::newRow("employee department") << "TfrmEmpEdit"
                                         << "sbDept"
                                         << "cbbDept"
                                         << "dept"
                                         << "部门资料";
    QTest::newRow("trip department") << "TfrmCLccInfoEdit"
                                     << "sbDept"
                                     << "cbbCCdept"
                                     << "dept"
                                     << "用车部门资料";
    QTest::newRow("accident other party") << "TfrmCLsgInfoEdit"
                                          << "sbCLtype"
                                          << "cbbDFCLtype"
                                          << "cltype"
                                          << "车辆类型资料";
    QTest::newRow("fuel type") << "TfrmCLyhInfoEdit"
                               << "sbYHtype"
                               << "cbbYHtype"
                               << "yhtype"
                               << "油耗类型资料";
}

void CodePickerDialogTest::editorsPickButtonsAreWiredByName()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, target);
    QFETCH(QString, key);
    QFETCH(QString, caption);
    Editor editor(key, {"黑色", "白色"});
    editor.window.setObjectName(window);
    editor.box->setObjectName(target);
    auto *pick = new QToolButton(&editor.window);
    pick->setObjectName(button);

    QCOMPARE(CodePickButtons::connectAll(&editor.window), 1);
    QCOMPARE(pick->toolTip(), QStringLiteral("增加") + caption);

    QString shownCaption;
    QStringList listed;
    orvtest::whenModalNamed(QStringLiteral("TDLGcodeNewXZ"), [&](QWidget *picker) {
        shownCaption = picker->windowTitle();
        listed = listedNames(picker);
        static_cast<CodePickerDialog *>(picker)->findChild<DataGrid *>()->setCurrentRow(1);
        press(picker, "btnOK");
    });
    pick->click();
    QCOMPARE(shownCaption, caption);
    QCOMPARE(listed, (QStringList{"白色", "黑色"}));
    QCOMPARE(editor.box->currentText(), QStringLiteral("黑色"));
}

void CodePickerDialogTest::pickListSkipsBlanksAndRepeats()
{
    Editor editor(QStringLiteral("jftype"), {"路桥费", "", "停车费", "  ", "路桥费", "车船税"});
    QCOMPARE(editor.items().first(), QString());
    QStringList names = editor.items().mid(1);
    names.sort();
    QCOMPARE(names, (QStringList{"停车费", "路桥费", "车船税"}));
}

ORV_TEST(CodePickerDialogTest)
#include "CodePickerDialogTest.moc"
