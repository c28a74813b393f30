#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/IniFile.h"
#include "app/Startup.h"
#include "mainwin/MainWindow.h"
#include "session/OperatorLoginWindow.h"
#include "support/ModalHelper.h"
#include "support/OperatorFixture.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Ending = OperatorLoginWindow::Ending;

struct LoginControls {
    QComboBox *name;
    QLineEdit *password;
    QPushButton *ok;
    QPushButton *cancel;
};

LoginControls controls(QWidget *window)
{
    return {window->findChild<QComboBox *>("cbbOperName"),
            window->findChild<QLineEdit *>("edtPassWord"),
            window->findChild<QPushButton *>("btnOk"),
            window->findChild<QPushButton *>("btnCancel")};
}

void type(QWidget *window, const QString &name, const QString &password)
{
    LoginControls c = controls(window);
    c.name->setCurrentText(name);
    c.password->setText(password);
    c.ok->click();
}

int countOf(const QStringList &texts, const QString &text)
{
    return int(texts.count(text));
}

} // namespace

class LoginWindowTest : public QObject {
    Q_OBJECT
private slots:
    void administratorWithEmptyPassword_data();
    void administratorWithEmptyPassword();
    void fourthWrongPasswordEndsTheAttempt_data();
    void fourthWrongPasswordEndsTheAttempt();
    void unknownOrMissingNameDoesNotCount();
    void damagedStoredPasswordLetsNobodyIn();
    void nameBoxOffersOperatorsAndTheLastOne();
    void onlyTheButtonsLeave();
    void enterMovesThroughTheControls();
    void cancelledFirstLoginEndsBeforeTheMainWindowShows();
};

void LoginWindowTest::administratorWithEmptyPassword_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("as stored") << "admin";
    QTest::newRow("other case, blanks around") << "  ADMIN ";
}

void LoginWindowTest::administratorWithEmptyPassword()
{
    QFETCH(QString, typed);
    TestEnvironment env;
    env.connect();
    MainWindow main;
    OperatorLoginWindow login(LoginMode::FirstLogin, &main);
    login.show();

    type(&login, typed, QString());

    QCOMPARE(login.ending(), Ending::LoggedIn);
    QVERIFY(!login.isVisible());
    QCOMPARE(Globals::CurrentOperator, typed.trimmed());
    QCOMPARE(main.statusText(1), QStringLiteral(" ") + typed.trimmed());
    QVERIFY(env.platform().shown.isEmpty());
    for (int number : {101, 206, 311, 410})
        QVERIFY(main.commandAction(number)->isVisible());
}

void LoginWindowTest::fourthWrongPasswordEndsTheAttempt_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("finalMessage");
    QTest::addColumn<QString>("logAction");
    QTest::addColumn<QString>("logOperator");
    QTest::newRow("first login") << int(LoginMode::FirstLogin) << "非法操作员!"
                                 << "登录失败！"
                                 << "";
    QTest::newRow("change of operator") << int(LoginMode::ChangeOperator) << "更换操作员失败!"
                                        << "更换操作员失败！"
                                        << "admin";
}

void LoginWindowTest::fourthWrongPasswordEndsTheAttempt()
{
    QFETCH(int, mode);
    QFETCH(QString, finalMessage);
    QFETCH(QString, logAction);
    QFETCH(QString, logOperator);
    TestEnvironment env;
    env.connect();
    QVERIFY(orvtest::addOperator(QStringLiteral("zhang"), QStringLiteral("Secret")));
    MainWindow main;
    if (LoginMode(mode) == LoginMode::ChangeOperator) {
        OperatorLoginWindow first(LoginMode::FirstLogin, &main);
        type(&first, QStringLiteral("admin"), QString());
        QCOMPARE(first.ending(), Ending::LoggedIn);
    }
    const auto logBefore = orvtest::logEntries();
    OperatorLoginWindow login(LoginMode(mode), &main);
    login.show();

    // Exact comparison: other case and a trailing blank are wrong too.
    const QStringList wrong{"secret", "Secret ", "x", "SECRET"};
    for (int i = 0; i < 3; ++i) {
        type(&login, QStringLiteral("zhang"), wrong.at(i));
        QCOMPARE(login.ending(), Ending::Open);
        QVERIFY(login.isVisible());
        QCOMPARE(env.platform().lastText(), OperatorLoginWindow::WrongPasswordMessage);
    }
    QCOMPARE(orvtest::logEntries(), logBefore);
    type(&login, QStringLiteral("zhang"), wrong.at(3));

    QCOMPARE(login.ending(), Ending::Refused);
    QVERIFY(!login.isVisible());
    const QStringList texts = env.platform().texts();
    QCOMPARE(countOf(texts, OperatorLoginWindow::WrongPasswordMessage), 3);
    QCOMPARE(texts.constLast(), finalMessage);
    QCOMPARE(env.platform().shown.constLast().kind, Platform::MessageKind::Error);
    QCOMPARE(orvtest::logEntries().constLast(), qMakePair(logOperator, logAction));
    // A refused change keeps the session as it was.
    QCOMPARE(Globals::CurrentOperator, logOperator);
}

void LoginWindowTest::unknownOrMissingNameDoesNotCount()
{
    TestEnvironment env;
    env.connect();
    OperatorLoginWindow login(LoginMode::FirstLogin, nullptr);
    login.show();
    QApplication::setActiveWindow(&login);
    QVERIFY(QTest::qWaitForWindowActive(&login));
    controls(&login).password->setFocus();
    for (int i = 0; i < 5; ++i)
        type(&login, QStringLiteral("nobody"), QStringLiteral("x"));
    type(&login, QStringLiteral("   "), QStringLiteral("x"));

    QCOMPARE(login.attempts(), 0);
    QCOMPARE(login.ending(), Ending::Open);
    const QStringList texts = env.platform().texts();
    QCOMPARE(countOf(texts, OperatorLoginWindow::UnknownMessage), 5);
    QCOMPARE(texts.constLast(), OperatorLoginWindow::NoNameMessage);
    QTRY_VERIFY(controls(&login).name->hasFocus());

    // The counter still allows three wrong passwords of an existing operator.
    for (int i = 0; i < 3; ++i)
        type(&login, QStringLiteral("admin"), QStringLiteral("wrong"));
    QCOMPARE(login.ending(), Ending::Open);
    type(&login, QStringLiteral("admin"), QString());
    QCOMPARE(login.ending(), Ending::LoggedIn);
}

void LoginWindowTest::damagedStoredPasswordLetsNobodyIn()
{
    TestEnvironment env;
    env.connect();
    QVERIFY(orvtest::addOperator(QStringLiteral("zhao"), QString()));
    dm().db().exec(QStringLiteral("update OperList set F_PassWord = 'p1:damaged' where "
                                  "F_Name = 'zhao'"));
    OperatorLoginWindow login(LoginMode::FirstLogin, nullptr);
    type(&login, QStringLiteral("zhao"), QString());
    QCOMPARE(login.ending(), Ending::Open);
    QCOMPARE(env.platform().lastText(), OperatorLoginWindow::WrongPasswordMessage);

    // An empty stored text is the empty password.
    dm().db().exec(QStringLiteral("update OperList set F_PassWord = '' where F_Name = 'zhao'"));
    type(&login, QStringLiteral("zhao"), QString());
    QCOMPARE(login.ending(), Ending::LoggedIn);
}

void LoginWindowTest::nameBoxOffersOperatorsAndTheLastOne()
{
    TestEnvironment env;
    env.connect();
    QVERIFY(orvtest::addOperator(QStringLiteral("李四"), QStringLiteral("4")));
    {
        OperatorLoginWindow login(LoginMode::FirstLogin, nullptr);
        QComboBox *names = controls(&login).name;
        QCOMPARE(names->count(), 3);
        QCOMPARE(names->itemText(0), QString());
        QCOMPARE(names->currentText(), QString()); // no config.ini yet
        type(&login, QStringLiteral("李四"), QStringLiteral("4"));
        QCOMPARE(login.ending(), Ending::LoggedIn);
    }
    {
        // A failed attempt afterwards does not replace the remembered name.
        OperatorLoginWindow login(LoginMode::FirstLogin, nullptr);
        QCOMPARE(controls(&login).name->currentText(), QStringLiteral("李四"));
        type(&login, QStringLiteral("admin"), QStringLiteral("wrong"));
    }
    OperatorLoginWindow next(LoginMode::FirstLogin, nullptr);
    QCOMPARE(controls(&next).name->currentText(), QStringLiteral("李四"));
    QCOMPARE(IniFile(env.path("config.ini")).readString("Config", "CurOperName"),
             QStringLiteral("李四"));
}

void LoginWindowTest::onlyTheButtonsLeave()
{
    TestEnvironment env;
    env.connect();
    OperatorLoginWindow login(LoginMode::ChangeOperator, nullptr);
    login.show();
    QVERIFY(QTest::qWaitForWindowExposed(&login));
    login.close(); // what Alt+F4 asks for
    QTest::keyClick(&login, Qt::Key_Escape);
    QVERIFY(login.isVisible());
    QCOMPARE(login.ending(), Ending::Open);

    controls(&login).cancel->click();
    QCOMPARE(login.ending(), Ending::Cancelled);
    QVERIFY(!login.isVisible());
}

void LoginWindowTest::enterMovesThroughTheControls()
{
    TestEnvironment env;
    env.connect();
    OperatorLoginWindow login(LoginMode::FirstLogin, nullptr);
    login.show();
    QVERIFY(QTest::qWaitForWindowExposed(&login));
    QApplication::setActiveWindow(&login);
    LoginControls c = controls(&login);
    c.password->setFocus();
    QTRY_VERIFY(c.password->hasFocus());

    // Tab order: 确定, 取消, the password, the name. Enter in a box moves on...
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(c.name->hasFocus());
    c.name->setCurrentText(QStringLiteral("admin"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(c.ok->hasFocus());
    QCOMPARE(login.ending(), Ending::Open);
    // ...and on a focused button presses it: "admin", Enter, Enter logs in.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(login.ending(), Ending::LoggedIn);
}

void LoginWindowTest::cancelledFirstLoginEndsBeforeTheMainWindowShows()
{
    TestEnvironment env;
    env.connect();
    DataModule &module = *env.dataModule();
    bool shown = false;
    QPointer<QWidget> created;
    StartupHooks hooks;
    hooks.createMainWindow = [&] {
        auto window = std::make_unique<MainWindow>();
        created = window.get();
        return std::unique_ptr<QWidget>(std::move(window));
    };
    hooks.firstLogin = [&](QWidget *window) {
        shown = window->isVisible();
        return ShowLogin(LoginMode::FirstLogin, qobject_cast<MainWindow *>(window));
    };
    bool cancelled = false;
    orvtest::whenModalNamed(QStringLiteral("TfrmOperLogin"), [&](QWidget *login) {
        controls(login).cancel->click();
        cancelled = true;
    });

    std::unique_ptr<QWidget> result = Startup::run(module, hooks);

    QVERIFY(cancelled);
    QVERIFY(!result);
    QVERIFY(!shown);
    QVERIFY(!created); // the main window was freed without being shown
    QCOMPARE(Globals::CurrentOperator, QString());
}

ORV_TEST(LoginWindowTest)
#include "LoginWindowTest.moc"
