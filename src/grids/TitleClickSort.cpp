#include "TitleClickSort.h"

GridColumn::SortMarker TitleClickSort::nextMarker(GridColumn::SortMarker marker)
{
    return marker == GridColumn::SortMarker::Ascending ? GridColumn::SortMarker::Descending
                                                       : GridColumn::SortMarker::Ascending;
}

bool TitleClickSort::sortsRows(const QString &fieldName)
{
    return !fieldName.toLower().contains(u"mem");
}

QString TitleClickSort::sortText(const QString &fieldName, GridColumn::SortMarker marker)
{
    switch (marker) {
    case GridColumn::SortMarker::Ascending:
        return fieldName + QStringLiteral(" ASC");
    case GridColumn::SortMarker::Descending:
        return fieldName + QStringLiteral(" DESC");
    case GridColumn::SortMarker::None:
        break;
    }
    return {};
}
