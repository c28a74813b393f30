#pragma once
#include <QSet>
#include <QString>
#include <QStringList>

// The choice of owning units in the unit multi-pick, apart from its window.
namespace UnitChoice {
// The units to check when the dialog shows: the names of the caller's current value (a stored
// unit list, or empty), each as a whole, so a unit "A" is not checked by a list that holds 'AB'.
// A list typed by hand with full-width commas "，" between the names counts as well.
QSet<QString> chosenUnits(const QString &current);
// The stored list of the checked units in their order: 'A','B'; empty when none is checked.
QString result(const QStringList &checkedUnits);
} // namespace UnitChoice
