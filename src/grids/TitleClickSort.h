#pragma once
#include "GridColumn.h"

#include <QString>

// The title-click rule of every sorting grid: the clicked column's marker goes from none or
// descending to ascending and from ascending to descending; the loaded rows are then sorted by
// the column's field alone ("F_x ASC" / "F_x DESC"), except for memo fields (a lower-cased name
// containing "mem"), whose click only turns the marker. Other columns keep their markers.
namespace TitleClickSort {

GridColumn::SortMarker nextMarker(GridColumn::SortMarker marker);
bool sortsRows(const QString &fieldName);
// The sort text for a marker; empty for SortMarker::None.
QString sortText(const QString &fieldName, GridColumn::SortMarker marker);

} // namespace TitleClickSort
