#include "Startup.h"

#include "AppPaths.h"
#include "DataModule.h"
#include "Globals.h"
#include "IniFile.h"
#include "Platform.h"
#include "SplashWindow.h"

#include <QApplication>
#include <QThread>

namespace {

std::unique_ptr<SplashWindow> showSplash()
{
    auto splash = std::make_unique<SplashWindow>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    return splash;
}

} // namespace

bool Startup::connect(DataModule &dm, std::unique_ptr<SplashWindow> &splash)
{
    for (;;) {
        Globals::ConfigFile = std::make_shared<IniFile>(AppPaths::configFile());
        QString path =
            Globals::ConfigFile->readString(QStringLiteral("config"), QStringLiteral("ds"))
                .trimmed();
        if (path.isEmpty())
            path = AppPaths::defaultDatabase();
        if (splash)
            splash->setText(SplashWindow::Connecting);
        if (dm.connectTo(path)) {
            if (splash)
                splash->setText(SplashWindow::LoggingIn3);
            return true;
        }
        splash.reset();
        const QString chosen =
            platform().openFileName(nullptr, QString(), AppPaths::programFolder(), QString());
        if (chosen.isEmpty())
            return false;
        Globals::ConfigFile->writeString(QStringLiteral("config"), QStringLiteral("ds"), chosen);
        splash = showSplash();
    }
}

std::unique_ptr<QWidget> Startup::run(DataModule &dm, const StartupHooks &hooks)
{
    QApplication::setApplicationName(ApplicationTitle);
    std::unique_ptr<SplashWindow> splash = showSplash();
    if (!connect(dm, splash))
        return nullptr;
    if (splash)
        splash->setText(SplashWindow::LoggingIn5);
    std::unique_ptr<QWidget> mainWindow = hooks.createMainWindow();
    if (splash) {
        splash->setText(SplashWindow::LoggingIn3);
        QThread::msleep(20);
        splash->setText(SplashWindow::LoggingIn5);
    }
    splash.reset();
    if (hooks.firstLogin && !hooks.firstLogin(mainWindow.get()))
        return nullptr;
    return mainWindow;
}
