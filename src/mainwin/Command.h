#pragma once
#include <QString>

// One command of the main window as the command table holds it.
struct Command {
    // How the command's window opens.
    enum class Opening {
        Child, // a child window in the main window, at most one per window class
        Modal, // a modal window made for the call, placed by DispFormPos and freed afterwards
        None,  // no window: the command acts by itself (compaction)
    };

    int number = 0;
    QString caption;
    QString windowClass; // the window's objectName, its identity among child windows
    QString windowCaption;
    Opening opening = Opening::Modal;
    int placeMode = 1;         // DispFormPos mode of a modal window
    bool centreOnMain = false; // after placing, centre the modal window on the main window
    QString logAfter;          // the work log entry written after the window closed
    QString menuCaption;       // the menu item's text when it differs from the caption
    QChar glyph;               // drawn on the command's icon

    // The permission code equals the number.
    QString permissionCode() const { return QString::number(number); }
    // 1 系统管理, 2 基本资料, 3 业务管理, 4 报表中心.
    int group() const { return number / 100; }
    QString menuText() const { return menuCaption.isEmpty() ? caption : menuCaption; }
};
