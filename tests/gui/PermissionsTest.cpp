#include "support/program/GuiSession.h"

#include "app/Globals.h"
#include "mainwin/CommandTable.h"
#include "mainwin/MainWindow.h"
#include "mainwin/NavigationBar.h"
#include "session/OperatorLoginWindow.h"
#include "support/ModalHelper.h"
#include "support/OperatorFixture.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

// What the operator sees of the commands.
struct View {
    QStringList menus;                // visible command menus
    QMap<QString, QStringList> items; // visible items per visible command menu
    QStringList groups;               // visible navigation groups
    QMap<QString, QStringList> navItems;
    QStringList toolButtons; // visible command tool buttons
};

QStringList visibleItems(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        if (action->menu())
            texts << visibleItems(action->menu());
        else
            texts << action->text();
    }
    return texts;
}

View viewOf(MainWindow &main)
{
    View v;
    for (int group = 1; group <= 4; ++group) {
        QMenu *menu = main.commandMenu(group);
        if (menu->menuAction()->isVisible()) {
            v.menus << menu->title();
            v.items[menu->title()] = visibleItems(menu);
        }
    }
    NavigationBar *bar = main.navigationBar();
    for (int group = 0; group < bar->groupCount(); ++group) {
        if (!bar->isGroupVisible(group))
            continue;
        v.groups << bar->groupTitle(group);
        for (QToolButton *item : bar->items(group)) {
            if (!item->isHidden())
                v.navItems[bar->groupTitle(group)] << item->text();
        }
    }
    for (const char *name : {"tbAction201", "tbAction202"}) {
        auto *place = main.findChild<QAction *>(QString::fromLatin1(name));
        if (place && place->isVisible())
            v.toolButtons << QString::fromLatin1(name);
    }
    return v;
}

void verifyEverythingVisible(MainWindow &main)
{
    for (const Command &command : CommandTable::all())
        QVERIFY2(main.commandAction(command.number)->isVisible(), qPrintable(command.caption));
    const View v = viewOf(main);
    QCOMPARE(v.menus, (QStringList{"系统管理", "基本资料", "业务管理", "报表中心"}));
    QCOMPARE(v.groups, (QStringList{"运营管理", "报表中心", "基本资料", "系统管理"}));
    QCOMPARE(v.toolButtons, (QStringList{"tbAction201", "tbAction202"}));
    QCOMPARE(v.items.value("系统管理").size(), 10 + 3); // with 退出系统 and the two row cleaners
}

// The operator "zhang" (password "1") holding `permissions`, logged in through the login window of
// a shown main window over a fresh database.
struct ZhangLoggedIn {
    TestEnvironment env;
    std::unique_ptr<MainWindow> main;
    bool loggedIn = false;

    explicit ZhangLoggedIn(const QStringList &permissions = {})
    {
        env.connect();
        if (!orvtest::addOperator(QStringLiteral("zhang"), QStringLiteral("1"), {}, permissions))
            return;
        main = std::make_unique<MainWindow>();
        main->show();
        loggedIn = loginThroughWindow(*main, QStringLiteral("zhang"), QStringLiteral("1"));
    }
};

} // namespace

class PermissionsTest : public QObject {
    Q_OBJECT
private slots:
    void operatorWithoutPermissionsSeesNoCommand();
    void operatorHoldingOnlyTheVehicleArchive();
    void administratorInAnyCaseSeesEverything_data();
    void administratorInAnyCaseSeesEverything();
    void changeOfOperatorReplacesTheView();
};

void PermissionsTest::operatorWithoutPermissionsSeesNoCommand()
{
    ZhangLoggedIn session;
    QVERIFY(session.loggedIn);
    MainWindow &main = *session.main;

    const View v = viewOf(main);
    QCOMPARE(v.menus, QStringList());
    QCOMPARE(v.groups, QStringList());
    QCOMPARE(v.toolButtons, QStringList());
    QVERIFY(main.windowMenu()->menuAction()->isVisible());
    QVERIFY(main.toolsMenu()->menuAction()->isVisible());
    for (const char *name : {"actNavigate", "actRelogin", "actHelp", "actClose"})
        QVERIFY2(main.findChild<QAction *>(QString::fromLatin1(name))->isVisible(), name);
}

void PermissionsTest::operatorHoldingOnlyTheVehicleArchive()
{
    ZhangLoggedIn session({QStringLiteral("车辆档案管理")});
    QVERIFY(session.loggedIn);
    MainWindow &main = *session.main;

    const View v = viewOf(main);
    QCOMPARE(v.menus, QStringList{"基本资料"});
    QCOMPARE(v.items.value("基本资料"), QStringList{"车辆档案管理"});
    QCOMPARE(v.groups, QStringList{"基本资料"});
    QCOMPARE(v.navItems.value("基本资料"), QStringList{"车辆档案管理"});
    QCOMPARE(v.toolButtons, QStringList{"tbAction202"});
    QCOMPARE(main.navigationBar()->groupTitle(main.navigationBar()->openGroupIndex()),
             QStringLiteral("基本资料"));
}

void PermissionsTest::administratorInAnyCaseSeesEverything_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("admin") << "admin";
    QTest::newRow("Admin") << "Admin";
    QTest::newRow("ADMIN") << "ADMIN";
}

void PermissionsTest::administratorInAnyCaseSeesEverything()
{
    QFETCH(QString, name);
    TestEnvironment env;
    env.connect();
    MainWindow main;
    main.show();
    QVERIFY(loginThroughWindow(main, name, QString()));
    verifyEverythingVisible(main);
    QCOMPARE(main.navigationBar()->groupTitle(main.navigationBar()->openGroupIndex()),
             QStringLiteral("运营管理"));
}

void PermissionsTest::changeOfOperatorReplacesTheView()
{
    ZhangLoggedIn session({QStringLiteral("车辆档案管理")});
    QVERIFY(session.loggedIn);
    MainWindow &main = *session.main;

    // Through the tool button, with the real modal login.
    bool done = false;
    orvtest::whenModalNamed(QStringLiteral("TfrmOperLogin"), [&](QWidget *login) {
        login->findChild<QComboBox *>("cbbOperName")->setCurrentText(QStringLiteral("admin"));
        login->findChild<QLineEdit *>("edtPassWord")->clear();
        login->findChild<QPushButton *>("btnOk")->click();
        done = true;
    });
    main.findChild<QAction *>("actRelogin")->trigger();
    QVERIFY(done);
    verifyEverythingVisible(main);
    QCOMPARE(main.statusText(1), QStringLiteral(" admin"));

    QVERIFY(loginThroughWindow(main, QStringLiteral("zhang"), QStringLiteral("1"), true));
    QCOMPARE(viewOf(main).menus, QStringList{"基本资料"});
    QCOMPARE(main.statusText(1), QStringLiteral(" zhang"));

    // A cancelled change leaves the view and the session alone.
    orvtest::whenModalNamed(QStringLiteral("TfrmOperLogin"), [&](QWidget *login) {
        login->findChild<QPushButton *>("btnCancel")->click();
    });
    main.changeOperator();
    QCOMPARE(Globals::CurrentOperator, QStringLiteral("zhang"));
    QCOMPARE(viewOf(main).menus, QStringList{"基本资料"});
}

ORV_TEST(PermissionsTest)
#include "PermissionsTest.moc"
