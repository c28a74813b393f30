#pragma once
#include "db/RecordKinds.h"
#include "grids/GridColumn.h"

#include <vector>

class DataGrid;

// How a record kind's grid looks, for its list window and the vehicle archive's page alike: the
// design-time columns (a stored layout replaces them) and the display formats of the session.
namespace RecordGridColumns {
std::vector<GridColumn> design(const RecordKind &kind);
// The same columns from any list's rows of field and title (partners, employees).
std::vector<GridColumn> design(const QList<RecordColumn> &rows);
// Applies the kind's format rules in order, so that a later rule wins (the fuel total amount).
void applyFormats(DataGrid *grid, const RecordKind &kind);
} // namespace RecordGridColumns
