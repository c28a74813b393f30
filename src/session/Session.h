#pragma once
#include <QSet>
#include <QString>

class SessionView;

// Starting a session after a correct password, and the command permissions of the operator.
namespace Session {

// Sets every operator-dependent session global for `typedName` (trimmed, as typed), remembers
// the name in config.ini, writes the log entry of the login, loads the company name and the
// settings of KeyValue with the number formats, and applies the permissions to `view` (which may
// be null when no window holds commands).
void StartSession(const QString &typedName, SessionView *view);

// The built-in administrator holds every permission: the name, trimmed and lower-cased, is
// "admin".
bool isAdministrator(const QString &operatorName);

// The codes among `codes` the current operator holds: all of them for the administrator,
// otherwise one HasPermission query per code.
QSet<QString> grantedCodes(const QStringList &codes);

// Applies the current operator's permissions to the view.
void SetLimits(SessionView &view);

} // namespace Session
