#pragma once
// The record list statement exactly as the record list windows build it (RecordStatements), for
// the plan test and the benchmarks: the records of one kind whose vehicle is in service and
// belongs to one of the operator's owning units, within a period, in date order and then by
// plate (no search, no group). Header-only, shared with benchmarks/.
#include "db/RecordKinds.h"
#include "records/RecordStatements.h"

#include <QDate>

namespace harness {

inline const RecordKind &fuelKind()
{
    return *RecordKinds::byWord(QStringLiteral("yh"));
}

// The owning-unit filter is the one of the session globals (empty without units).
inline SqlStatement recordList(const RecordKind &kind, const QDate &from, const QDate &to)
{
    RecordStatements::Filter filter;
    filter.from = from;
    filter.to = to;
    return RecordStatements::records(kind, filter, {});
}

} // namespace harness
