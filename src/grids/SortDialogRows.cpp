#include "SortDialogRows.h"

QString SortDialogRows::nextDirection(const QString &direction)
{
    if (direction.isEmpty())
        return Ascending;
    if (direction == Ascending)
        return Descending;
    return {};
}

QString SortDialogRows::sortText(const std::vector<Row> &rows)
{
    QString text;
    for (const Row &row : rows) {
        if (row.direction == Ascending)
            text += row.field + QStringLiteral(" ASC,");
        else if (row.direction == Descending)
            text += row.field + QStringLiteral(" DESC,");
    }
    return text;
}
