#include "UnitChoice.h"

#include "app/UnitList.h"

QSet<QString> UnitChoice::chosenUnits(const QString &current)
{
    QSet<QString> chosen;
    for (const QString &name : parseUnitList(current))
        chosen.insert(name);
    const QString fullWidthComma = QStringLiteral("，");
    if (current.contains(fullWidthComma)) {
        QString typed = current;
        typed.replace(fullWidthComma, QStringLiteral(","));
        for (const QString &name : parseUnitList(typed))
            chosen.insert(name);
    }
    return chosen;
}

QString UnitChoice::result(const QStringList &checkedUnits)
{
    return formatUnitList(checkedUnits);
}
