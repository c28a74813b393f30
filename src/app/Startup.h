#pragma once
#include <QWidget>
#include <functional>
#include <memory>

class DataModule;
class SplashWindow;

// The start-up spine: splash, configuration, connection (asking for the file while it cannot be
// opened), the main window, the first login. The upper layers plug in the main window and the
// login; this layer knows neither.
struct StartupHooks {
    // Makes the main window, not yet visible.
    std::function<std::unique_ptr<QWidget>()> createMainWindow;
    // The first login; false when the program is to end.
    std::function<bool(QWidget *mainWindow)> firstLogin;
};

namespace Startup {
// The connection procedure: reads [config] "ds" (the default database when blank), opens it, and
// while that fails asks for a file (writing the choice to "ds") until one opens or the operator
// cancels. The splash is destroyed before each dialog and made anew after a choice.
bool connect(DataModule &dm, std::unique_ptr<SplashWindow> &splash);

// The whole sequence; the main window on success, nullptr when the program is to end.
std::unique_ptr<QWidget> run(DataModule &dm, const StartupHooks &hooks);
} // namespace Startup
