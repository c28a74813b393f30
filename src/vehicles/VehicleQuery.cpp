#include "VehicleQuery.h"

#include <array>

namespace {

using Like = SqlStatement::Like;

// The purchase amount's condition stands between these two text conditions.
const QString AmountFollows = QStringLiteral("edtZuoWei");

const std::array<VehicleQuery::TextCondition, 12> TextConditions{{
    {QStringLiteral("edtCode"), QStringLiteral("and F_code"), QStringLiteral("code"),
     Like::BeginsWith},
    {QStringLiteral("cbbPinPai"), QStringLiteral("and F_pinPai"), QStringLiteral("pinPai"),
     Like::BeginsWith},
    {QStringLiteral("edtXingHao"), QStringLiteral("and F_xingHao"), QStringLiteral("xingHao"),
     Like::Contains},
    {QStringLiteral("cbbType"), QStringLiteral("and F_type"), QStringLiteral("type"),
     Like::BeginsWith},
    {QStringLiteral("edtFDJcode"), QStringLiteral("and F_FDJcode"), QStringLiteral("FDJcode"),
     Like::BeginsWith},
    {QStringLiteral("edtDipan"), QStringLiteral("and F_Dipan"), QStringLiteral("dipan"),
     Like::Contains},
    {QStringLiteral("cbbYanSE"), QStringLiteral("and F_YanSE"), QStringLiteral("yanSE"),
     Like::BeginsWith},
    {QStringLiteral("edtZaizhong"), QStringLiteral("and F_ZaiZhong"), QStringLiteral("zaiZhong"),
     Like::Contains},
    {QStringLiteral("edtZuoWei"), QStringLiteral("and F_ZuoWei"), QStringLiteral("zuoWei"),
     Like::Contains},
    {QStringLiteral("cbbJSempname"), QStringLiteral("and F_JSempname"), QStringLiteral("JSempname"),
     Like::BeginsWith},
    {QStringLiteral("cbbGSoffice"), QStringLiteral("and F_GSoffice"), QStringLiteral("GSoffice"),
     Like::BeginsWith},
    {QStringLiteral("edtMemo1"), QStringLiteral("and F_memo1"), QStringLiteral("memo1"),
     Like::Contains},
}};

void appendRange(SqlStatement &s, const VehicleCriteria::DateRange &range, const QString &column,
                 const QString &param)
{
    const QString format = QStringLiteral("yyyy-MM-dd");
    if (range.from)
        s.append(QStringLiteral("and %1 >= :%2From ").arg(column, param),
                 {{param + QStringLiteral("From"), range.from->toString(format)}});
    if (range.to)
        s.append(QStringLiteral("and %1 <= :%2To ").arg(column, param),
                 {{param + QStringLiteral("To"), range.to->toString(format)}});
}

} // namespace

namespace VehicleQuery {

std::span<const TextCondition> textConditions()
{
    return TextConditions;
}

SqlStatement build(const VehicleCriteria &criteria)
{
    SqlStatement s(StartText);
    for (const TextCondition &c : TextConditions) {
        const QString text = criteria.texts.value(c.input).trimmed();
        if (!text.isEmpty())
            s.appendLike(c.column, c.param, text, c.match);
        if (c.input == AmountFollows && criteria.minBuyPrice != 0)
            s.append(QStringLiteral("and F_buyPrice >= :buyPrice "),
                     {{QStringLiteral("buyPrice"), criteria.minBuyPrice}});
    }
    switch (criteria.status) {
    case VehicleCriteria::Status::InService:
        s.append(QStringLiteral("and F_useFlag = false "));
        break;
    case VehicleCriteria::Status::OutOfService:
        s.append(QStringLiteral("and F_useFlag = true "));
        break;
    case VehicleCriteria::Status::All:
        break;
    }
    appendRange(s, criteria.made, QStringLiteral("F_SCdate"), QStringLiteral("SCdate"));
    appendRange(s, criteria.bought, QStringLiteral("F_buyDate"), QStringLiteral("buyDate"));
    return s;
}

} // namespace VehicleQuery
