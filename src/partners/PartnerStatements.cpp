#include "PartnerStatements.h"

SqlStatement PartnerStatements::rows(const QString &table, const QList<ListSearch> &searches,
                                     const Filter &filter)
{
    SqlStatement s(QStringLiteral("select * from ") + table + QStringLiteral(" where (1=1) "));
    if (filter.searchType >= 0 && filter.searchType < searches.size()) {
        const ListSearch &search = searches.at(filter.searchType);
        s.appendLike(QStringLiteral("and ") + search.field, QStringLiteral("searchText"),
                     filter.searchText.trimmed(), search.match);
    }
    if (!filter.includeOutOfUse)
        s.append(QStringLiteral("and F_Useflag = false "));
    s.append(QStringLiteral("order by f_code"));
    return s;
}
