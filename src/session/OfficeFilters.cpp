#include "OfficeFilters.h"

#include "app/UnitList.h"

OfficeFilters OfficeFilters::fromStoredList(const QString &stored)
{
    OfficeFilters filters;
    if (stored.trimmed().isEmpty())
        return filters;
    const QStringList names = parseUnitList(stored);
    QStringList placeholders;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString name = QStringLiteral("office%1").arg(i);
        placeholders << QLatin1Char(':') + name;
        filters.params.insert(name, names.at(i));
    }
    if (names.isEmpty()) {
        // "in (null)" matches no row.
        placeholders << QStringLiteral(":office0");
        filters.params.insert(QStringLiteral("office0"), QVariant());
    }
    const QString list = placeholders.join(QLatin1Char(','));
    filters.car = QStringLiteral("and (F_GSoffice in (") + list + QStringLiteral(")) ");
    filters.joined = QStringLiteral("and (c.F_GSoffice in (") + list + QStringLiteral(")) ");
    filters.plate =
        QStringLiteral("and (F_CPcode in (select F_code from T_cars where F_useFlag = 0 "
                       "and (F_GSoffice in (") +
        list + QStringLiteral("))))");
    return filters;
}
