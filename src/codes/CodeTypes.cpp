#include "CodeTypes.h"

const std::vector<CodeType> &CodeTypes::all()
{
    static const std::vector<CodeType> types = {
        {QStringLiteral("dept"), QStringLiteral(" 部    门 ")},
        {QStringLiteral("xueli"), QStringLiteral(" 学    历 ")},
        {QStringLiteral("zjcltype"), QStringLiteral(" 准驾车型 ")},
        {QStringLiteral("jsnl"), QStringLiteral(" 驾驶年龄 ")},
        {QStringLiteral("pinpai"), QStringLiteral(" 车辆品牌 ")},
        {QStringLiteral("cltype"), QStringLiteral(" 车辆类型 ")},
        {QStringLiteral("yanse"), QStringLiteral(" 车辆颜色 ")},
        {QStringLiteral("gsoffice"), QStringLiteral(" 归属单位 ")},
        {QStringLiteral("zwname"), QStringLiteral(" 职    务 ")},
        {QStringLiteral("wxtype"), QStringLiteral(" 维修类型 ")},
        {QStringLiteral("bxtype"), QStringLiteral(" 保险类型 ")},
        {QStringLiteral("jftype"), QStringLiteral(" 缴费类型 ")},
        {QStringLiteral("nstype"), QStringLiteral(" 年审等级 ")},
        {QStringLiteral("sgtype"), QStringLiteral(" 事故类型 ")},
        {QStringLiteral("wzitem"), QStringLiteral(" 违章项目 ")},
        {QStringLiteral("tstype"), QStringLiteral(" 投诉类型 ")},
        {QStringLiteral("cctype"), QStringLiteral(" 出车类型 ")},
        {QStringLiteral("zctype"), QStringLiteral(" 支出类型 ")},
        {QStringLiteral("srtype"), QStringLiteral(" 收入类型 ")},
        {QStringLiteral("yhtype"), QStringLiteral(" 油料类型 ")},
        {QStringLiteral("jyoffice"), QStringLiteral(" 加 油 站 ")},
    };
    return types;
}

const CodeType *CodeTypes::find(const QString &key)
{
    for (const CodeType &type : all())
        if (type.key == key)
            return &type;
    return nullptr;
}

QString CodeTypes::keyFromTabName(const QString &tabName)
{
    return tabName.mid(1);
}
