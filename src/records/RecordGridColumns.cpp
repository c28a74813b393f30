#include "RecordGridColumns.h"

#include "NumberFormats.h"

#include "grids/DataGrid.h"

std::vector<GridColumn> RecordGridColumns::design(const RecordKind &kind)
{
    return design(kind.columns);
}

std::vector<GridColumn> RecordGridColumns::design(const QList<RecordColumn> &rows)
{
    std::vector<GridColumn> columns;
    for (const RecordColumn &c : rows) {
        GridColumn column;
        column.fieldName = c.field;
        column.title = c.title;
        column.width = 80;
        columns.push_back(column);
    }
    return columns;
}

void RecordGridColumns::applyFormats(DataGrid *grid, const RecordKind &kind)
{
    for (const ColumnFormatRule &rule : kind.columnFormats)
        grid->setDisplayFormatWhere([&rule](const QString &lower) { return rule.matches(lower); },
                                    displayFormatOf(rule.format));
}
