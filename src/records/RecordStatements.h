#pragma once
#include "db/RecordKinds.h"
#include "db/SqlStatement.h"
#include "forms/GroupPanel.h"

#include <QDate>
#include <optional>

// The statements of a record list, built from the kind's row without a window.
namespace RecordStatements {

struct Filter {
    std::optional<QDate> from; // unset: no lower bound
    std::optional<QDate> to;   // unset: no upper bound
    int searchType = -1;       // index into the kind's searches; -1: none chosen
    QString searchText;        // matched anywhere in the field, as typed (trimmed)
};

// RefreshRecords: the kind's records of vehicles in service within the operator's units, in the
// period, with the search and the group value (GroupPanel::filter()), by date and plate. With a
// search type chosen and no text, rows whose field is empty (null) are left out.
SqlStatement records(const RecordKind &kind, const Filter &filter, const SqlStatement &group);

// The group types of the kind's list: 车    牌 first, then the kind's groups. Each lists the
// distinct values of records whose vehicle is in service, without the unit restriction.
QList<GroupType> groupTypes(const RecordKind &kind);

} // namespace RecordStatements
