// The entry: splash, data module, main window, first login, event loop.
// `orvcars --screenshots DIR` instead photographs the program's windows into DIR and ends.
#include "app/DataModule.h"
#include "app/Startup.h"
#include "mainwin/ApplicationLook.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Screenshots.h"
#include "session/OperatorLoginWindow.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyApplicationLook();
    DataModule dm;

    const QStringList args = QApplication::arguments();
    const qsizetype shots = args.indexOf(QStringLiteral("--screenshots"));
    if (shots > 0) {
        if (shots + 1 >= args.size()) {
            std::fputs("usage: orvcars --screenshots DIR\n", stderr);
            return 2;
        }
        return runScreenshots(dm, args.at(shots + 1));
    }

    StartupHooks hooks;
    hooks.createMainWindow = [] { return std::unique_ptr<QWidget>(new MainWindow); };
    hooks.firstLogin = [](QWidget *window) {
        return ShowLogin(LoginMode::FirstLogin, qobject_cast<MainWindow *>(window));
    };
    std::unique_ptr<QWidget> mainWindow = Startup::run(dm, hooks);
    if (!mainWindow)
        return 0;
    mainWindow->show();
    return app.exec();
}
