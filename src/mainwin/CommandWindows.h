#pragma once
#include <QWidget>
#include <functional>

// What each command of the command table opens. The windows of the program are listed in
// CommandWindows.cpp (the one place that knows them all); tests may register their own.
//
// A command with nothing registered is one whose window is not built yet: the main window then
// only says so.
struct CommandWindow {
    // Makes the window with the main window as parent. The main window puts a child window into
    // its child area, or places a modal one with the command's DispFormPos mode, shows it
    // modally (exec() for a QDialog) and deletes it afterwards.
    std::function<QWidget *(QWidget *mainWindow)> create;
    // Instead of create: a window with a run operation of its own, which makes, shows and frees
    // the window itself.
    std::function<void(QWidget *mainWindow)> run;
};

namespace CommandWindows {
// Replaces what the command opens.
void registerWindow(int number, std::function<QWidget *(QWidget *mainWindow)> create);
void registerRunner(int number, std::function<void(QWidget *mainWindow)> run);
void unregister(int number);
// nullptr when nothing is registered for the command.
const CommandWindow *find(int number);
} // namespace CommandWindows

// The short form for registering a window factory.
inline void registerCommandWindow(int number, std::function<QWidget *(QWidget *mainWindow)> create)
{
    CommandWindows::registerWindow(number, std::move(create));
}
