#include "CodesFixture.h"

#include "codes/CodeDictionaryWindow.h"
#include "codes/CodeTypeTabs.h"
#include "codes/CodeTypes.h"
#include "grids/DataGrid.h"
#include "grids/GridModel.h"
#include "output/PrintPages.h"
#include "output/PrintPreviewDialog.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

using Answer = Platform::Answer;

// The window shown over a fresh database, with its controls.
struct Window {
    TestEnvironment env;
    std::unique_ptr<CodeDictionaryWindow> window;

    Window()
    {
        env.connect();
        window = std::make_unique<CodeDictionaryWindow>();
    }
    bool show()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    QToolButton *button(const char *name) const
    {
        return window->findChild<QToolButton *>(QString::fromLatin1(name));
    }
    DataGrid *grid() const { return window->findChild<DataGrid *>(QStringLiteral("DBGridEh1")); }
    CodeTypeTabs *tabs() const
    {
        return window->findChild<CodeTypeTabs *>(QStringLiteral("PageControl1"));
    }
    void chooseType(const QString &key)
    {
        window->findChild<QAbstractButton *>(QLatin1Char('t') + key)->click();
    }
    // The editor of the current cell, opened when none is.
    QLineEdit *cellEditor() const
    {
        QTableView *view = grid()->view();
        if (!view->indexWidget(view->currentIndex()))
            view->edit(view->currentIndex());
        return qobject_cast<QLineEdit *>(view->indexWidget(view->currentIndex()));
    }
    void typeInCell(const QString &text) const
    {
        QLineEdit *editor = cellEditor();
        QVERIFY(editor);
        editor->selectAll();
        codestest::typeText(editor, text);
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), Qt::Key(key), modifiers);
    }
    QStringList gridNames() const
    {
        QStringList names;
        const DataSet &codes = window->codes();
        for (int row = 0; row < codes.rowCount(); ++row)
            names << codes.text(row, u"F_name");
        return names;
    }
    // Enabled state of 新增 修改 删除 保存 取消 打印 刷新 退出 and the tabs, as 0/1 digits.
    QString states() const
    {
        QString s;
        for (const char *name :
             {"tbNew", "tbEdit", "tbDel", "tbSave", "tbCancel", "tbPrint", "tbRefresh", "tbExit"})
            s += button(name)->isEnabled() ? u'1' : u'0';
        return s + (tabs()->isEnabled() ? u'1' : u'0');
    }
};

const QString Browsing = QStringLiteral("111001111");
const QString Editing = QStringLiteral("000110000");

} // namespace

class CodeDictionaryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheTypesAndStartsOnDepartments();
    void changingTheTabLoadsThatTypeInTableOrder();
    void emptyTypeRefusesEditAndDelete_data();
    void emptyTypeRefusesEditAndDelete();
    void newOnEmptyTypeSavesTheFirstCode();
    void appendedAndChangedRowsReachTheTableInOneBatch();
    void failedSaveKeepsEverythingTyped();
    void cancelAndEscapeDropTheChanges_data();
    void cancelAndEscapeDropTheChanges();
    void escapeClosesInBrowseState();
    void deleteAsksAndWritesAtOnce_data();
    void deleteAsksAndWritesAtOnce();
    void failedDeleteKeepsTheRow();
    void printsTheGridWithItsTitle();
};

void CodeDictionaryWindowTest::showsTheTypesAndStartsOnDepartments()
{
    Window w;
    QVERIFY(w.show());
    QCOMPARE(w.window->windowTitle(), QStringLiteral("选项设置"));
    QCOMPARE(w.tabs()->count(), 21);
    const std::vector<CodeType> &types = CodeTypes::all();
    QCOMPARE(types.front().key, QStringLiteral("dept"));
    QCOMPARE(types.back().key, QStringLiteral("jyoffice"));
    for (int i = 0; i < w.tabs()->count(); ++i) {
        QCOMPARE(w.tabs()->tab(i)->objectName(), QLatin1Char('t') + types[std::size_t(i)].key);
        QCOMPARE(w.tabs()->tab(i)->text(), types[std::size_t(i)].caption);
    }
    QCOMPARE(w.tabs()->currentIndex(), 0);
    QCOMPARE(w.window->CurCodeType(), QStringLiteral("dept"));
    QCOMPARE(w.grid()->columnAt(0).title, QStringLiteral("部    门"));
    QCOMPARE(w.grid()->columnAt(0).width, 269);
    QCOMPARE(w.gridNames(), codestest::names(QStringLiteral("dept")));
    QCOMPARE(w.states(), Browsing);
    QVERIFY(!w.grid()->isEditable());
    QCOMPARE(w.window->findChild<QLabel *>(QStringLiteral("StatusPanel4"))->text(),
             QStringLiteral("澄舟软件工作室  "));
}

void CodeDictionaryWindowTest::changingTheTabLoadsThatTypeInTableOrder()
{
    Window w;
    // Table order, not name order, and blank names are listed here.
    codestest::replaceCodes(QStringLiteral("yanse"), {"黑色", "", "白色", "黑色"});
    QVERIFY(w.show());
    w.chooseType(QStringLiteral("yanse"));
    QCOMPARE(w.window->CurCodeType(), QStringLiteral("yanse"));
    QCOMPARE(w.grid()->columnAt(0).title, QStringLiteral(" 车辆颜色 "));
    QCOMPARE(w.gridNames(), (QStringList{"黑色", "", "白色", "黑色"}));
}

void CodeDictionaryWindowTest::emptyTypeRefusesEditAndDelete_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("kind");
    QTest::newRow("修改") << "tbEdit"
                          << "此表为空，没有记录需要修改！" << 3;
    QTest::newRow("删除") << "tbDel"
                          << "此表是空表，不需要删除！" << 0;
}

void CodeDictionaryWindowTest::emptyTypeRefusesEditAndDelete()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    QFETCH(int, kind);
    Window w;
    codestest::replaceCodes(QStringLiteral("nstype"), {});
    QVERIFY(w.show());
    w.chooseType(QStringLiteral("nstype"));
    w.env.platform().clearRecord();
    w.button(button.toLatin1().constData())->click();
    QCOMPARE(w.env.platform().texts(), QStringList{message});
    QCOMPARE(int(w.env.platform().shown.first().kind), kind);
    QCOMPARE(w.states(), Browsing);
    QVERIFY(!w.window->isEditing());
}

void CodeDictionaryWindowTest::newOnEmptyTypeSavesTheFirstCode()
{
    Window w;
    codestest::replaceCodes(QStringLiteral("jyoffice"), {});
    QVERIFY(w.show());
    w.chooseType(QStringLiteral("jyoffice"));
    w.button("tbNew")->click();
    QCOMPARE(w.states(), Editing);
    w.typeInCell(QStringLiteral("中石化西湖加油站"));
    w.button("tbSave")->click();
    QCOMPARE(w.states(), Browsing);
    QCOMPARE(codestest::names(QStringLiteral("jyoffice")), QStringList{"中石化西湖加油站"});
    QCOMPARE(w.gridNames(), QStringList{"中石化西湖加油站"});
}

void CodeDictionaryWindowTest::appendedAndChangedRowsReachTheTableInOneBatch()
{
    Window w;
    codestest::replaceCodes(QStringLiteral("tstype"), {"服务态度", "车辆卫生"});
    QVERIFY(w.show());
    w.chooseType(QStringLiteral("tstype"));
    const QStringList before = codestest::allRows();

    // Change the second name, then append two rows: 新增 and Down at the end of the grid.
    w.button("tbEdit")->click();
    w.grid()->setCurrentRow(1);
    w.typeInCell(QStringLiteral("车内卫生"));
    w.key(Qt::Key_Down);
    QCOMPARE(w.window->codes().rowCount(), 3);
    w.typeInCell(QStringLiteral("乱收费"));
    w.key(Qt::Key_Down);
    w.typeInCell(QStringLiteral("绕路"));
    // Until 保存 nothing reaches the table.
    QCOMPARE(codestest::allRows(), before);

    w.key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(w.states(), Browsing);
    QCOMPARE(codestest::names(QStringLiteral("tstype")),
             (QStringList{"服务态度", "车内卫生", "乱收费", "绕路"}));
    QCOMPARE(w.gridNames(), (QStringList{"服务态度", "车内卫生", "乱收费", "绕路"}));
    // The rows of the other types are untouched.
    QCOMPARE(dm().QueryInt("select count(*) from t_code where F_type <> 'tstype'"),
             int(before.size()) - 2);
}

void CodeDictionaryWindowTest::failedSaveKeepsEverythingTyped()
{
    Window w;
    codestest::replaceCodes(QStringLiteral("srtype"), {"租车收入"});
    QVERIFY(w.show());
    w.chooseType(QStringLiteral("srtype"));
    QVERIFY(codestest::refuseName(QStringLiteral("拒收")));
    const QStringList before = codestest::allRows();

    w.button("tbEdit")->click();
    w.typeInCell(QStringLiteral("出租收入"));
    w.key(Qt::Key_Down);
    w.typeInCell(QStringLiteral("废品收入"));
    w.key(Qt::Key_Down);
    w.typeInCell(QStringLiteral("拒收"));
    w.env.platform().clearRecord();
    w.button("tbSave")->click();

    // The engine's text is shown, nothing of the batch is written, and the window still holds
    // every change in the edit state.
    QCOMPARE(w.env.platform().shown.size(), 1);
    QCOMPARE(w.env.platform().shown.first().kind, Platform::MessageKind::Error);
    QVERIFY(w.env.platform().lastText().startsWith(QStringLiteral("保存失败，请检测数据库连接！")));
    QVERIFY(w.env.platform().lastText().contains(QStringLiteral("code refused by trigger")));
    QCOMPARE(codestest::allRows(), before);
    QCOMPARE(w.states(), Editing);
    QCOMPARE(w.gridNames(), (QStringList{"出租收入", "废品收入", "拒收"}));

    // Once the cause is gone, the same changes are saved.
    codestest::dropTriggers();
    w.button("tbSave")->click();
    QCOMPARE(w.states(), Browsing);
    QCOMPARE(codestest::names(QStringLiteral("srtype")),
             (QStringList{"出租收入", "废品收入", "拒收"}));
}

void CodeDictionaryWindowTest::cancelAndEscapeDropTheChanges_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::addColumn<bool>("editFirst");
    QTest::newRow("新增 then 取消") << false << false;
    QTest::newRow("新增 then Esc") << true << false;
    QTest::newRow("修改 then Esc") << true << true;
}

void CodeDictionaryWindowTest::cancelAndEscapeDropTheChanges()
{
    QFETCH(bool, byEscape);
    QFETCH(bool, editFirst);
    Window w;
    QVERIFY(w.show());
    const QStringList before = codestest::allRows();
    const QStringList shown = w.gridNames();

    w.button(editFirst ? "tbEdit" : "tbNew")->click();
    QCOMPARE(w.states(), Editing);
    w.typeInCell(QStringLiteral("临时部门"));
    if (byEscape)
        w.key(Qt::Key_Escape);
    else
        w.button("tbCancel")->click();

    QVERIFY(w.window->isVisible());
    QCOMPARE(w.states(), Browsing);
    QVERIFY(!w.grid()->isEditable());
    QCOMPARE(w.gridNames(), shown);
    QCOMPARE(codestest::allRows(), before);
}

void CodeDictionaryWindowTest::escapeClosesInBrowseState()
{
    Window w;
    QVERIFY(w.show());
    w.key(Qt::Key_Escape);
    QTRY_VERIFY(!w.window->isVisible());
}

void CodeDictionaryWindowTest::deleteAsksAndWritesAtOnce_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("declined") << false;
    QTest::newRow("accepted") << true;
}

void CodeDictionaryWindowTest::deleteAsksAndWritesAtOnce()
{
    QFETCH(bool, accept);
    Window w;
    codestest::replaceCodes(QStringLiteral("zwname"), {"经理", "会计", "出纳"});
    QVERIFY(w.show());
    w.chooseType(QStringLiteral("zwname"));
    w.grid()->setCurrentRow(1);
    w.env.platform().answers.enqueue(accept ? Answer::Yes : Answer::No);
    w.key(Qt::Key_Delete);

    QCOMPARE(w.env.platform().lastText(), QStringLiteral("真的要删除 \" 职    务 \"会计吗？"));
    QCOMPARE(w.env.platform().shown.last().kind, Platform::MessageKind::Question);
    const QStringList expected =
        accept ? QStringList{"经理", "出纳"} : QStringList{"经理", "会计", "出纳"};
    QCOMPARE(codestest::names(QStringLiteral("zwname")), expected);
    QCOMPARE(w.gridNames(), expected);
    QCOMPARE(w.states(), Browsing);
}

void CodeDictionaryWindowTest::failedDeleteKeepsTheRow()
{
    Window w;
    QVERIFY(w.show());
    QVERIFY(codestest::refuseDeletes());
    const QStringList shown = w.gridNames();
    w.env.platform().answers.enqueue(Answer::Yes);
    w.button("tbDel")->click();
    QCOMPARE(w.env.platform().shown.size(), 2);
    QVERIFY(w.env.platform().lastText().startsWith(DataModule::DeleteFailed));
    QVERIFY(w.env.platform().lastText().contains(QStringLiteral("delete refused by trigger")));
    QCOMPARE(w.gridNames(), shown);
    QCOMPARE(codestest::names(QStringLiteral("dept")), shown);
}

void CodeDictionaryWindowTest::printsTheGridWithItsTitle()
{
    Window w;
    QVERIFY(w.show());
    w.chooseType(QStringLiteral("pinpai"));
    QString printed;
    const auto previous = PrintPreviewDialog::setInterceptor(
        [&](PrintPages &, const QString &documentName) { printed = documentName; });
    w.button("tbPrint")->click();
    PrintPreviewDialog::setInterceptor(previous);
    QCOMPARE(printed, QStringLiteral(" 车辆品牌 设置"));
}

ORV_TEST(CodeDictionaryWindowTest)
#include "CodeDictionaryWindowTest.moc"
