#pragma once
#include <QString>
#include <QStringList>

// Operators for tests, written straight into the connected database: the name, the password
// (stored as SavePass of it), the owning units as stored in F_carS, and the names of the
// permissions granted (Limits.F_name, for instance "车辆档案管理" for code 202).
namespace orvtest {
bool addOperator(const QString &name, const QString &password, const QString &offices = {},
                 const QStringList &permissions = {});
// The log entries (operator, action) in the order written.
QList<QPair<QString, QString>> logEntries();
} // namespace orvtest
