#include "RecordStatements.h"

#include "app/UnitFilter.h"

namespace {

const QString PlateField = QStringLiteral("F_CPcode");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

SqlStatement groupQuery(const RecordKind &kind, const QString &field)
{
    return SqlStatement(QStringLiteral("select distinct ") + field +
                        QStringLiteral(" as F_name from ") + kind.table +
                        QStringLiteral(" where F_CPcode in (select F_code from T_cars where "
                                       "F_useFlag = false)and(") +
                        field + QStringLiteral(" <> '') group by ") + field);
}

} // namespace

SqlStatement RecordStatements::records(const RecordKind &kind, const Filter &filter,
                                       const SqlStatement &group)
{
    SqlStatement s(QStringLiteral("select * from ") + kind.table +
                   QStringLiteral(" where (F_CPcode in (select F_code from T_cars where "
                                  "F_useFlag = false "));
    s.append(unitFilter(UnitFilter::Car));
    s.append(QStringLiteral(")) "));
    if (filter.from)
        s.append(QStringLiteral("and ") + kind.dateField + QStringLiteral(" >= :fromDate "),
                 {{QStringLiteral("fromDate"), filter.from->toString(DateFormat)}});
    if (filter.to)
        s.append(QStringLiteral("and ") + kind.dateField + QStringLiteral(" <= :toDate "),
                 {{QStringLiteral("toDate"), filter.to->toString(DateFormat)}});
    if (filter.searchType >= 0 && filter.searchType < kind.searches.size())
        s.appendLike(QStringLiteral("and ") + kind.searches.at(filter.searchType).field,
                     QStringLiteral("searchText"), filter.searchText.trimmed(),
                     SqlStatement::Like::Contains);
    s.append(group);
    s.append(QStringLiteral("order by ") + kind.dateField + QStringLiteral(",f_CPcode"));
    return s;
}

QList<GroupType> RecordStatements::groupTypes(const RecordKind &kind)
{
    QList<GroupType> types{{QStringLiteral("车    牌"), QStringLiteral("车    牌"),
                            groupQuery(kind, PlateField), PlateField}};
    for (const RecordGroup &g : kind.groups)
        types.append({g.item, g.caption, groupQuery(kind, g.field), g.field});
    return types;
}
