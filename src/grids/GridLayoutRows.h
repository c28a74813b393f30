#pragma once
#include "GridColumn.h"
#include "db/ResultSet.h"
#include "db/SqlParams.h"
#include "db/SqlStatement.h"

#include <QString>
#include <vector>

// The cfg_grid side of grid layouts, without a grid: the statements with their bound values and
// the conversion between layout rows and columns.
namespace GridLayoutRows {

// The rows of a key that name a field, in their order.
QString loadStatement();
SqlParams loadParams(const QString &key);
// One column per row, in row order. Alignment 0 left, 1 centre, 2 right, any other value keeps
// the new column's default; footer type 1 static text, 2 sum, anything else none.
std::vector<GridColumn> columnsFromRows(const ResultSet &rows);

// One update per column, in column order (F_order = position), of the lower-cased key's row.
std::vector<SqlStatement> saveStatements(const std::vector<GridColumn> &columns,
                                         const QString &key);

// The stored alignment: 0 left, 1 centre, 2 anything else.
int alignmentCode(Qt::Alignment alignment);
int footerCode(GridColumn::Footer footer);

} // namespace GridLayoutRows
