#pragma once
#include "support/TestEnvironment.h"

#include <QString>
#include <memory>

class MainWindow;
class QWidget;

namespace orvtest {

// Who a program fixture logs in.
enum class Operator {
    Admin,      // the built-in administrator: every command, no unit restriction
    Restricted, // "受限" with every permission but only the units PlainUnit and QuotedUnit
};
inline const QString RestrictedName = QStringLiteral("受限");

// A shown main window over a fresh database (seeded, or a small demo fleet), logged in through
// the real login window.
//
//   orvtest::LoggedInProgram program(orvtest::Operator::Restricted);
//   QWidget *list = program.openChild(301);
class LoggedInProgram {
public:
    explicit LoggedInProgram(Operator who = Operator::Admin, bool demoFleet = false);
    ~LoggedInProgram();

    bool loggedIn() const { return m_loggedIn; }
    TestEnvironment &env() { return m_env; }
    MainWindow &main() { return *m_main; }

    // Runs the command of that number. A child-window command returns the child window it opened
    // (the window itself, not its frame); a modal command returns once its window closed
    // (orvtest::whenModal acts on it), with nullptr.
    QWidget *openCommand(int number);

private:
    TestEnvironment m_env;
    std::unique_ptr<MainWindow> m_main;
    bool m_loggedIn = false;
};

} // namespace orvtest
