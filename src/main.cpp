// The entry: splash, data module, main window, first login, event loop.
#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/Startup.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    DataModule dm;
    StartupHooks hooks;
    hooks.createMainWindow = [] {
        auto window = std::make_unique<QMainWindow>();
        window->setWindowTitle(ApplicationTitle);
        return std::unique_ptr<QWidget>(std::move(window));
    };
    std::unique_ptr<QWidget> mainWindow = Startup::run(dm, hooks);
    if (!mainWindow)
        return 0;
    mainWindow->show();
    return app.exec();
}
