#pragma once
#include "db/SqlParams.h"

#include <QString>

// The owning-unit restriction of an operator as the list and statistics windows append it to
// their statements. The unit names never enter the statement text: each filter names the
// parameters :office0, :office1 ... and `params` holds their values, so a name holding a quote
// or a comma matches as it is and cannot change the statement.
struct OfficeFilters {
    QString car;    // CarOfficeFilter
    QString joined; // JoinedCarOfficeFilter
    QString plate;  // PlateOfficeFilter
    SqlParams params;

    // From OperList.F_carS. A blank list gives no restriction (every filter empty). A list that
    // is not blank but names no unit restricts to no unit at all, rather than to every unit.
    static OfficeFilters fromStoredList(const QString &stored);
};
