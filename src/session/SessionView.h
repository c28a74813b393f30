#pragma once
#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>

// What a login reports to the window that holds the commands (the main window). The session
// layer decides who may do what; the window only applies it.
class SessionView {
public:
    virtual ~SessionView() = default;

    // The permission codes of the guarded commands, in the order of the command table.
    virtual QStringList permissionCodes() const = 0;
    // Shows exactly the commands whose codes are granted and hides every other one.
    virtual void applyPermissions(const QSet<QString> &granted) = 0;
    // The logged-in operator and the time of the login, for the status bar.
    virtual void showSession(const QString &operatorName, const QDateTime &loginTime) = 0;
};
