// The start-up spine: which file it connects to, when it asks for one, what it writes, and how
// it ends when the operator cancels.
#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/IniFile.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"
#include "db/Database.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QFile>
#include <QMainWindow>
#include <QStringEncoder>
#include <QTest>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}
} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    QString configText() const
    {
        QFile f(AppPaths::configFile());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    bool connect(DataModule &dm)
    {
        std::unique_ptr<SplashWindow> splash = std::make_unique<SplashWindow>();
        return Startup::connect(dm, splash);
    }

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void blankConfigUsesTheDefaultDatabase_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("no ds") << QByteArray("[config]\nibak=1\n");
        QTest::newRow("blank ds") << QByteArray("[CONFIG]\nDS=   \n");
    }
    void blankConfigUsesTheDefaultDatabase()
    {
        QFETCH(QByteArray, config);
        if (!config.isNull())
            writeFile(AppPaths::configFile(), config);
        QVERIFY(env->createDatabase());
        DataModule dm;
        QVERIFY(connect(dm));
        QVERIFY(dm.IsConnected);
        QCOMPARE(dm.databasePath(), QFileInfo(AppPaths::defaultDatabase()).absoluteFilePath());
        QVERIFY(env->platform().dialogs.isEmpty());
    }

    void unusableDatabaseLeadsToTheFileDialogUntilOneOpens_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("empty") << "empty";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("random bytes") << "random";
        QTest::newRow("other key") << "key";
        QTest::newRow("right key, not ours") << "foreign";
    }
    void unusableDatabaseLeadsToTheFileDialogUntilOneOpens()
    {
        QFETCH(QString, kind);
        const QString bad = env->path(QStringLiteral("bad.mdb"));
        if (kind == QLatin1String("empty"))
            writeFile(bad, QByteArray());
        else if (kind == QLatin1String("truncated") || kind == QLatin1String("random")) {
            QVERIFY(env->createDatabase());
            QFile f(env->databasePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QByteArray bytes = f.read(kind == QLatin1String("truncated") ? 1500 : 8192);
            if (kind == QLatin1String("random"))
                std::reverse(bytes.begin(), bytes.end());
            writeFile(bad, bytes);
        } else if (kind == QLatin1String("key") || kind == QLatin1String("foreign")) {
            Db other;
            QVERIFY(other.create(bad, kind == QLatin1String("key") ? QStringLiteral("other")
                                                                   : QString::fromLatin1(Db::DefaultKey)));
            QVERIFY(other.execScript(QStringLiteral("create table T_x(F_ID integer);")));
        }
        Globals::ConfigFile->writeString(QStringLiteral("config"), QStringLiteral("ds"), bad);
        QVERIFY(env->createDatabase());
        // First a wrong choice again, then the right file.
        env->platform().files.enqueue(bad);
        env->platform().files.enqueue(env->databasePath());
        DataModule dm;
        QVERIFY(connect(dm));
        QCOMPARE(env->platform().dialogs.size(), 2);
        QCOMPARE(env->platform().dialogs.first().what, QStringLiteral("open"));
        QCOMPARE(env->platform().dialogs.first().folder, AppPaths::programFolder());
        QVERIFY(env->platform().shown.isEmpty()); // the dialog is the only signal
        QCOMPARE(IniFile(AppPaths::configFile()).readString(QStringLiteral("Config"), QStringLiteral("DS")),
                 env->databasePath());

        // The next start connects to the chosen file without asking.
        env->platform().clearRecord();
        DataModule next;
        QVERIFY(connect(next));
        QVERIFY(env->platform().dialogs.isEmpty());
    }

    void configInLegacyEncodingIsRead()
    {
        const QString folder = env->path(QStringLiteral("车辆数据"));
        const QString db = folder + QStringLiteral("/车队.mdb");
        QVERIFY(env->createDatabase());
        QDir().mkpath(folder);
        QVERIFY(QFile::copy(env->databasePath(), db));
        QStringEncoder gb("GB18030");
        if (!gb.isValid())
            QSKIP("no GB18030 encoder in this Qt build");
        writeFile(AppPaths::configFile(), gb.encode(QStringLiteral("[config]\r\nds=") + db + QStringLiteral("\r\n")));
        DataModule dm;
        QVERIFY(connect(dm));
        QCOMPARE(dm.databasePath(), QFileInfo(db).absoluteFilePath());
    }

    void cancellingEndsWithoutAMainWindow()
    {
        Globals::ConfigFile->writeString(QStringLiteral("config"), QStringLiteral("ds"),
                                         env->path(QStringLiteral("none.mdb")));
        bool created = false;
        bool loggedIn = false;
        StartupHooks hooks;
        hooks.createMainWindow = [&] {
            created = true;
            return std::unique_ptr<QWidget>(new QMainWindow);
        };
        hooks.firstLogin = [&](QWidget *) { return loggedIn = true; };
        DataModule dm;
        QVERIFY(Startup::run(dm, hooks) == nullptr);
        QVERIFY(!created);
        QVERIFY(!loggedIn);
        QVERIFY(!dm.IsConnected);
        QCOMPARE(env->platform().dialogs.size(), 1);
    }

    void fullSequenceShowsTheSplashTextsInOrder()
    {
        QVERIFY(env->createDatabase());
        SplashWindow::history().clear();
        QStringList events;
        StartupHooks hooks;
        hooks.createMainWindow = [&] {
            events << QStringLiteral("main window");
            return std::unique_ptr<QWidget>(new QMainWindow);
        };
        hooks.firstLogin = [&](QWidget *main) {
            events << QStringLiteral("login");
            // The splash is gone before the login shows, and the main window is not yet visible.
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("TfrmSplash") && w->isVisible())
                    return false;
            return !main->isVisible();
        };
        DataModule dm;
        std::unique_ptr<QWidget> main = Startup::run(dm, hooks);
        QVERIFY(main);
        QCOMPARE(events, QStringList({"main window", "login"}));
        QCOMPARE(SplashWindow::history(),
                 QStringList({SplashWindow::Starting, SplashWindow::Connecting, SplashWindow::LoggingIn3,
                              SplashWindow::LoggingIn5, SplashWindow::LoggingIn3, SplashWindow::LoggingIn5}));

        // A failed first login ends the program as well.
        hooks.firstLogin = [](QWidget *) { return false; };
        DataModule again;
        QVERIFY(Startup::run(again, hooks) == nullptr);
    }
};

ORV_TEST(StartupTest)
#include "StartupTest.moc"
