#pragma once
#include "ListSearch.h"
#include "RecordKinds.h"

#include <QList>
#include <QString>

// The employee archive's table as the list window, its layout and the statistics read it.
namespace EmployeeTable {
inline const QString Table = QStringLiteral("T_employee");
inline const QString LayoutKey = QStringLiteral("empman");
const QList<RecordColumn> &columns();
const QList<ListSearch> &searches();
} // namespace EmployeeTable
