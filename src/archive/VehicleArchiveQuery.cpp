#include "VehicleArchiveQuery.h"

#include "app/UnitFilter.h"

const QList<VehicleArchiveQuery::Search> &VehicleArchiveQuery::searches()
{
    static const QList<Search> list{
        {QStringLiteral("车牌"), QStringLiteral("f_code")},
        {QStringLiteral("型号"), QStringLiteral("f_xingHao")},
        {QStringLiteral("发动机"), QStringLiteral("f_FDJcode")},
        {QStringLiteral("底盘"), QStringLiteral("f_dipan")},
        {QStringLiteral("载重"), QStringLiteral("f_zaiZhong")},
        {QStringLiteral("座位"), QStringLiteral("f_zuoWei")},
        {QStringLiteral("备注"), QStringLiteral("f_Memo1")},
    };
    return list;
}

SqlStatement VehicleArchiveQuery::vehicles(const Filter &filter, const SqlStatement &group)
{
    SqlStatement s(QStringLiteral("select * from T_cars where (1=1) "));
    s.append(unitFilter(UnitFilter::Car));
    if (filter.searchType >= 0 && filter.searchType < searches().size())
        s.appendLike(QStringLiteral("and ") + searches().at(filter.searchType).field,
                     QStringLiteral("searchText"), filter.searchText.trimmed(),
                     SqlStatement::Like::Contains);
    if (!filter.outOfService)
        s.append(QStringLiteral("and F_Useflag = false "));
    s.append(group);
    s.append(QStringLiteral("order by f_code"));
    return s;
}
