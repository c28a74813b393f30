#pragma once
#include <QString>
#include <vector>

// The rows of the sort dialog without the dialog: each row keeps its column's field name, so
// two columns with the same title still sort by their own fields.
namespace SortDialogRows {

inline const QString Ascending = QStringLiteral("升序");
inline const QString Descending = QStringLiteral("降序");

struct Row {
    QString field; // lower-cased
    QString title;
    QString direction; // empty, Ascending or Descending
};

// Double-click cycle: empty → 升序 → 降序 → empty (anything else → empty).
QString nextDirection(const QString &direction);
// "field ASC," / "field DESC," for each row with a direction, top to bottom; rows without one
// are skipped; empty when no row has a direction.
QString sortText(const std::vector<Row> &rows);

} // namespace SortDialogRows
