#include "support/program/GuiSession.h"

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/IniFile.h"
#include "mainwin/CommandWindows.h"
#include "mainwin/MainWindow.h"
#include "support/ModalHelper.h"
#include "support/OperatorFixture.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QDialog>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {

// A command window registered for one test only.
class TestWindows {
public:
    ~TestWindows()
    {
        for (int number : m_numbers)
            CommandWindows::unregister(number);
    }
    void child(int number, const QString &title)
    {
        m_numbers << number;
        registerCommandWindow(number, [title](QWidget *) {
            auto *w = new QWidget;
            w->setWindowTitle(title);
            return w;
        });
    }
    void dialog(int number)
    {
        m_numbers << number;
        registerCommandWindow(number, [](QWidget *parent) {
            auto *d = new QDialog(parent);
            d->setObjectName(QStringLiteral("testDialog"));
            return d;
        });
    }

private:
    QList<int> m_numbers;
};

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QList<QMdiSubWindow *> workingWindows(MainWindow &main)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *sub : main.mdiArea()->subWindowList()) {
        if (sub->widget() != main.desktopWindow())
            windows << sub;
    }
    return windows;
}

struct Session {
    TestEnvironment env;
    MainWindow *main = nullptr;
    std::unique_ptr<MainWindow> owned;

    explicit Session(int autoBackup = -1)
    {
        env.connect();
        if (autoBackup >= 0)
            IniFile(env.path("config.ini")).writeInteger("config", "ibak", autoBackup);
        owned = std::make_unique<MainWindow>();
        main = owned.get();
        main->show();
        loginThroughWindow(*main, QStringLiteral("admin"), QString());
        env.platform().clearRecord();
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void menusHoldTheCommandsInOrder();
    void commandWithoutWindowSaysSo();
    void childCommandOpensOneWindow();
    void modalCommandLogsAfterClosing();
    void closingAllOnlyMinimisesTheDesktop();
    void windowMenuListsTheChildWindows();
    void decliningExitKeepsEverything();
    void backupOfferFollowsTheSetting_data();
    void backupOfferFollowsTheSetting();
    void acceptedBackupCopiesTheDatabase();
    void compactionClosesWindowsAndReconnects();
    void statusClockTicks();
    void toolsStartDesktopPrograms();
    void upgradeToolEndsTheProgram();
};

void MainWindowTest::menusHoldTheCommandsInOrder()
{
    Session s;
    MainWindow &main = *s.main;
    QCOMPARE(main.windowTitle(), QStringLiteral("澄舟车辆信息管理软件 v1.90(企业版) "));
    QCOMPARE(menuTexts(main.commandMenu(1)),
             (QStringList{"公司信息资料", "更改用户密码", "用户权限管理", "工作日志管理", "-",
                          "自定义设置", "Excel导数据", "-", "数据备份恢复", "系统数据清理",
                          "压缩修复数据", "-", "退出系统"}));
    QCOMPARE(menuTexts(main.findChild<QMenu *>("mnuExcel")),
             (QStringList{"导入员工资料", "清除员工空行", "导入车辆信息", "清除车辆空行"}));
    QCOMPARE(menuTexts(main.commandMenu(2)),
             (QStringList{"员工档案管理", "车辆档案管理", "修理工厂管理", "保险公司管理",
                          "收费单位管理", "-", "选项..."}));
    QCOMPARE(menuTexts(main.commandMenu(3)),
             (QStringList{"车辆维修管理", "车辆投保管理", "车辆缴费管理", "车辆年审管理",
                          "车辆事故管理", "车辆违章记录", "车辆投诉记录", "车辆出车记录管理",
                          "车辆费用支出管理", "车辆其他收入管理", "车辆油耗记录管理"}));
    QCOMPARE(
        menuTexts(main.commandMenu(4)),
        (QStringList{"车辆信息提醒列表", "车辆信息图表统计", "车辆信息汇总统计", "车辆信息明细统计",
                     "-", "车辆维修查询统计", "车辆事故查询统计", "车辆违章查询统计",
                     "出车记录查询统计", "车辆费用支出查询", "车辆油耗查询统计"}));
    QCOMPARE(menuTexts(main.windowMenu()).mid(0, 7),
             (QStringList{"重叠", "横向重排", "纵向重排", "-", "切换", "关闭", "全部关闭"}));
    QCOMPARE(menuTexts(main.toolsMenu()),
             (QStringList{"升级工具", "计算器", "记事本", "-", "软件帮助", "关于我们", "-",
                          "访问我们的网站"}));
    // The menu item and the navigation item are one command.
    QCOMPARE(main.findChild<QToolButton *>("navAction308")->text(), QStringLiteral("车辆出车管理"));
}

void MainWindowTest::commandWithoutWindowSaysSo()
{
    Session s;
    CommandWindows::unregister(301);
    s.main->commandAction(301)->trigger();
    QCOMPARE(s.env.platform().texts(), QStringList{MainWindow::NotBuiltMessage});
    QCOMPARE(s.env.platform().shown.constLast().kind, Platform::MessageKind::Information);
    QVERIFY(workingWindows(*s.main).isEmpty());
    QVERIFY(orvtest::logEntries().constLast().second != QStringLiteral("公司信息管理！"));
}

void MainWindowTest::childCommandOpensOneWindow()
{
    Session s;
    TestWindows windows;
    windows.child(301, QStringLiteral("车辆维修记录管理"));
    windows.child(302, QStringLiteral("车辆投保记录管理"));
    MainWindow &main = *s.main;

    main.commandAction(301)->trigger();
    main.commandAction(302)->trigger();
    main.commandAction(301)->trigger();
    QCOMPARE(workingWindows(main).size(), 2);
    QMdiSubWindow *repairs = workingWindows(main).first();
    QCOMPARE(repairs->widget()->objectName(), QStringLiteral("TfrmCLwxInfoMan"));
    QCOMPARE(main.mdiArea()->activeSubWindow(), repairs);

    repairs->showMinimized();
    main.commandAction(302)->trigger();
    main.findChild<QToolButton *>("navAction301")->click();
    QCOMPARE(workingWindows(main).size(), 2);
    QVERIFY(!repairs->isMinimized());
    QCOMPARE(main.mdiArea()->activeSubWindow(), repairs);

    // Closed working windows are freed; the next command makes a new one.
    QPointer<QWidget> closed = repairs->widget();
    repairs->close();
    QTRY_VERIFY(!closed);
    main.commandAction(301)->trigger();
    QCOMPARE(workingWindows(main).size(), 2);
}

void MainWindowTest::modalCommandLogsAfterClosing()
{
    Session s;
    TestWindows windows;
    windows.dialog(101);
    QPointer<QWidget> seen;
    bool loggedWhileOpen = true;
    orvtest::whenModalNamed(QStringLiteral("testDialog"), [&](QWidget *dialog) {
        seen = dialog;
        loggedWhileOpen = orvtest::logEntries().constLast().second == "公司信息管理！";
        static_cast<QDialog *>(dialog)->reject();
    });
    s.main->commandAction(101)->trigger();
    QVERIFY(seen.isNull()); // freed
    QVERIFY(!loggedWhileOpen);
    QCOMPARE(orvtest::logEntries().constLast(),
             qMakePair(QStringLiteral("admin"), QStringLiteral("公司信息管理！")));
}

void MainWindowTest::closingAllOnlyMinimisesTheDesktop()
{
    Session s;
    TestWindows windows;
    windows.child(301, QStringLiteral("维修"));
    MainWindow &main = *s.main;
    QPointer<QWidget> desktop = main.desktopWindow();
    QVERIFY(desktop);
    QCOMPARE(desktop->objectName(), QStringLiteral("TFrmBtnImage"));
    QCOMPARE(desktop->windowTitle(), QStringLiteral("桌面"));
    main.commandAction(301)->trigger();
    QPointer<QWidget> repairs = workingWindows(main).first()->widget();

    main.closeAllWindows();
    QTRY_VERIFY(!repairs);
    QVERIFY(desktop);
    QVERIFY(desktop->parentWidget()->isMinimized());
}

void MainWindowTest::windowMenuListsTheChildWindows()
{
    Session s;
    TestWindows windows;
    windows.child(301, QStringLiteral("维修窗口"));
    windows.child(401, QStringLiteral("提醒窗口"));
    MainWindow &main = *s.main;
    main.commandAction(301)->trigger();
    main.commandAction(401)->trigger();
    emit main.windowMenu()->aboutToShow();
    QCOMPARE(menuTexts(main.windowMenu()).mid(7),
             (QStringList{"-", "&1 桌面", "&2 维修窗口", "&3 提醒窗口"}));
    emit main.windowMenu()->aboutToShow(); // rebuilt, not added twice
    QCOMPARE(menuTexts(main.windowMenu()).size(), 11);
    QVERIFY(main.windowMenu()->actions().constLast()->isChecked());

    main.tileVertically();
    const QList<QMdiSubWindow *> tiled = workingWindows(main);
    QCOMPARE(tiled.at(0)->geometry().top(), 0);
    QCOMPARE(tiled.at(1)->geometry().top(), 0);
    QVERIFY(tiled.at(0)->geometry().right() < tiled.at(1)->geometry().left());
    main.tileHorizontally();
    QCOMPARE(tiled.at(0)->geometry().left(), 0);
    QVERIFY(tiled.at(0)->geometry().bottom() < tiled.at(1)->geometry().top());
}

void MainWindowTest::decliningExitKeepsEverything()
{
    Session s(1);
    TestWindows windows;
    windows.child(301, QStringLiteral("维修"));
    s.main->commandAction(301)->trigger();
    s.env.platform().answers.enqueue(Platform::Answer::No);

    QVERIFY(!s.main->close());
    QVERIFY(s.main->isVisible());
    QCOMPARE(workingWindows(*s.main).size(), 1);
    QCOMPARE(s.env.platform().texts(), QStringList{"真的要退出“澄舟车辆信息管理软件 ”软件吗？"});
}

void MainWindowTest::backupOfferFollowsTheSetting_data()
{
    QTest::addColumn<int>("ibak"); // -1: no key
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("offered");
    const QDate mondayFirst(2024, 1, 1), monday(2024, 1, 8), tuesday(2024, 1, 9),
        thursdayFirst(2024, 2, 1);
    QTest::newRow("missing") << -1 << mondayFirst << false;
    QTest::newRow("0 never") << 0 << mondayFirst << false;
    QTest::newRow("1 always") << 1 << tuesday << true;
    QTest::newRow("2 on a Monday") << 2 << monday << true;
    QTest::newRow("2 not on a Tuesday") << 2 << tuesday << false;
    QTest::newRow("3 on the first") << 3 << thursdayFirst << true;
    QTest::newRow("3 not on another Monday") << 3 << monday << false;
    QTest::newRow("other value") << 4 << mondayFirst << false;
}

void MainWindowTest::backupOfferFollowsTheSetting()
{
    QFETCH(int, ibak);
    QFETCH(QDate, today);
    QFETCH(bool, offered);
    Session s(ibak);
    s.env.platform().clock = QDateTime(today, QTime(17, 30));
    s.env.platform().answers << Platform::Answer::Yes << Platform::Answer::No;

    QVERIFY(s.main->close());
    QVERIFY(!s.main->isVisible());
    QCOMPARE(s.env.platform().texts().contains(MainWindow::BackupQuestion), offered);
}

void MainWindowTest::acceptedBackupCopiesTheDatabase()
{
    Session s(1);
    QDir().mkpath(s.env.path("bak"));
    dm().db().exec(QStringLiteral("update SysInfo set F_BakPath = :p"), {{"p", s.env.path("bak")}});
    s.env.platform().clock = QDateTime(QDate(2024, 5, 6), QTime(9, 0));
    s.env.platform().answers << Platform::Answer::Yes << Platform::Answer::Yes;
    QVERIFY(s.main->close());
    QVERIFY(QFile::exists(s.env.path("bak/dp20240506.back")));
}

void MainWindowTest::compactionClosesWindowsAndReconnects()
{
    Session s;
    TestWindows windows;
    windows.child(301, QStringLiteral("维修"));
    s.main->commandAction(301)->trigger();
    QPointer<QWidget> repairs = workingWindows(*s.main).first()->widget();

    s.main->commandAction(110)->trigger();
    QCOMPARE(s.env.platform().texts(), QStringList{MainWindow::CompactSucceeded});
    QTRY_VERIFY(!repairs);
    QVERIFY(dm().IsConnected);
    QCOMPARE(orvtest::logEntries().constLast(),
             qMakePair(QStringLiteral("admin"), QStringLiteral("压缩数据库！")));
}

void MainWindowTest::statusClockTicks()
{
    Session s;
    s.env.platform().clock = QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58));
    QTRY_COMPARE_WITH_TIMEOUT(s.main->statusText(3), QStringLiteral(" 2024-02-29 23:59:58"), 3000);
    QCOMPARE(s.main->statusText(0), QStringLiteral(" 当前用户"));
    QCOMPARE(s.main->statusText(1), QStringLiteral(" admin"));
    QCOMPARE(s.main->statusText(2), QStringLiteral(" 当前日期时间"));
    QCOMPARE(s.main->statusText(4), MainWindow::productLine());
}

void MainWindowTest::toolsStartDesktopPrograms()
{
    Session s;
    ScriptedPlatform &p = s.env.platform();
    MainWindow &main = *s.main;
    auto trigger = [&](const char *name) { main.findChild<QAction *>(name)->trigger(); };

    p.installedPrograms = {"xcalc", "kcalc", "xdg-open"};
    trigger("actCalculator");
    QCOMPARE(p.startedPrograms.constLast(), QStringList{"kcalc"});
    trigger("actNotepad");
    QCOMPARE(p.startedPrograms.constLast().value(0), QStringLiteral("xdg-open"));
    const QString file = p.startedPrograms.constLast().value(1);
    QVERIFY(file.endsWith(QStringLiteral(".txt")));
    QVERIFY(QFile::exists(file));
    QFile::remove(file);
    QVERIFY(p.shown.isEmpty());

    p.installedPrograms.clear();
    trigger("actCalculator");
    trigger("actNotepad");
    QCOMPARE(p.texts(),
             (QStringList{MainWindow::NoCalculatorMessage, MainWindow::NoEditorMessage}));

    trigger("actHelp");
    trigger("actHelpMenu");
    trigger("actWebSite");
    const QUrl help = QUrl::fromLocalFile(AppPaths::helpIndex());
    QCOMPARE(p.openedUrls, (QList<QUrl>{help, help, QUrl(MainWindow::WebSite)}));

    bool about = false;
    orvtest::whenModalNamed(QStringLiteral("TfrmAboutInfo"), [&](QWidget *box) {
        about = box->windowTitle() == QStringLiteral("关于我们");
        static_cast<QDialog *>(box)->accept();
    });
    trigger("actAbout");
    QVERIFY(about);
}

void MainWindowTest::upgradeToolEndsTheProgram()
{
    Session s;
    QSignalSpy ending(s.main, &MainWindow::terminating);
    s.main->findChild<QAction *>("actUpgrade")->trigger();
    QCOMPARE(s.env.platform().texts(), QStringList{MainWindow::NoUpgradeMessage});
    QCOMPARE(ending.count(), 0);

    QFile program(s.env.path("UpGrade"));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\n");
    program.close();
    program.setPermissions(program.permissions() | QFile::ExeOwner);
    s.main->findChild<QAction *>("actUpgrade")->trigger();
    QCOMPARE(s.env.platform().startedPrograms.constLast(), QStringList{program.fileName()});
    QCOMPARE(ending.count(), 1);
    // No exit question: the program just ends.
    QCOMPARE(s.env.platform().texts().size(), 1);
}

ORV_TEST(MainWindowTest)
#include "MainWindowTest.moc"
