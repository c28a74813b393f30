#include "VehicleGroups.h"

namespace {

GroupType group(const QString &item, const QString &field)
{
    return GroupType{item, item,
                     SqlStatement(QStringLiteral("select distinct ") + field +
                                  QStringLiteral(" as F_name from T_cars where (F_useFlag = "
                                                 "false)and(") +
                                  field + QStringLiteral(" <> '') group by ") + field),
                     field};
}

} // namespace

const QList<GroupType> &VehicleGroups::all()
{
    static const QList<GroupType> groups{
        group(QStringLiteral("车辆品牌"), QStringLiteral("F_pinPai")),
        group(QStringLiteral("车辆类型"), QStringLiteral("F_type")),
        group(QStringLiteral("颜    色"), QStringLiteral("F_yanSE")),
        group(QStringLiteral("驾 驶 员"), QStringLiteral("F_JSempname")),
        group(QStringLiteral("归属单位"), QStringLiteral("F_GSoffice")),
    };
    return groups;
}
