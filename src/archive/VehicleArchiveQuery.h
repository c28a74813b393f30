#pragma once
#include "db/SqlStatement.h"

#include <QList>

// The vehicle archive's list statement, built without a window.
namespace VehicleArchiveQuery {

// An item of the search type box and the field its text is looked for in.
struct Search {
    QString caption;
    QString field;
};
const QList<Search> &searches();

struct Filter {
    int searchType = -1;       // index into searches(); -1: none chosen
    QString searchText;        // matched anywhere in the field (trimmed)
    bool outOfService = false; // 包含已停用
};

// RefreshVehicles: the vehicles of the operator's units, the search (with a type chosen and no
// text, vehicles whose field is empty (null) are left out), in service unless asked otherwise,
// the group value (GroupPanel::filter()), in plate order.
SqlStatement vehicles(const Filter &filter, const SqlStatement &group);

} // namespace VehicleArchiveQuery
