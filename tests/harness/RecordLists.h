#pragma once
// The record list statement as the record list windows build it, for the plan test and the
// benchmarks: the records of one kind whose vehicle is in service and belongs to one of the
// operator's owning units, within a period, in date order and then by plate (searches and groups
// aside). Header-only, shared with benchmarks/.
#include "app/UnitFilter.h"
#include "db/SqlStatement.h"

#include <QDate>
#include <array>

namespace harness {

// A record table and the date its list ranges over.
struct RecordKind {
    const char *table;
    const char *dateField;
};

inline const std::array<RecordKind, 11> &recordKinds()
{
    static const std::array<RecordKind, 11> kinds = {{{"T_WXrec", "F_WXdate"},
                                                      {"T_TBrec", "F_TBdate"},
                                                      {"T_JFrec", "F_JFdate"},
                                                      {"T_NSrec", "F_NSdate"},
                                                      {"T_SGrec", "F_SGdate"},
                                                      {"T_WZrec", "F_WZdate"},
                                                      {"T_TSrec", "F_TSdate"},
                                                      {"T_CCrec", "F_CCdate"},
                                                      {"T_ZCrec", "F_ZCdate"},
                                                      {"T_SRrec", "F_SRdate"},
                                                      {"T_YHrec", "F_JYdate"}}};
    return kinds;
}

inline const RecordKind &fuelKind()
{
    return recordKinds().back();
}

// The owning-unit filter is the one of the session globals (empty without units).
inline SqlStatement recordList(const RecordKind &kind, const QDate &from, const QDate &to)
{
    const QString table = QLatin1String(kind.table);
    const QString date = QLatin1String(kind.dateField);
    const QString iso = QStringLiteral("yyyy-MM-dd");
    SqlStatement s(QStringLiteral("select * from ") + table +
                   QStringLiteral(" where (F_CPcode in (select F_code from T_cars where "
                                  "F_useFlag = false "));
    s.append(unitFilter(UnitFilter::Car));
    s.append(QStringLiteral(")) and ") + date + QStringLiteral(" >= #") + from.toString(iso) +
             QStringLiteral("# and ") + date + QStringLiteral(" <= #") + to.toString(iso) +
             QStringLiteral("# order by ") + date + QStringLiteral(",F_CPcode"));
    return s;
}

} // namespace harness
