#include "UnitList.h"

QStringList parseUnitList(const QString &stored)
{
    QStringList names;
    const QChar quote = QLatin1Char('\'');
    const QChar comma = QLatin1Char(',');
    const qsizetype n = stored.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && stored.at(i).isSpace())
            ++i;
        if (i >= n)
            break;
        if (stored.at(i) == quote) {
            QString name;
            ++i;
            while (i < n) {
                if (stored.at(i) == quote) {
                    if (i + 1 < n && stored.at(i + 1) == quote) {
                        name += quote;
                        i += 2;
                        continue;
                    }
                    ++i; // the closing quote
                    break;
                }
                name += stored.at(i++);
            }
            names << name;
            // Anything between the closing quote and the next comma is not part of a name.
            while (i < n && stored.at(i) != comma)
                ++i;
        } else {
            const qsizetype end = stored.indexOf(comma, i);
            const QString name = stored.mid(i, end < 0 ? -1 : end - i).trimmed();
            if (!name.isEmpty())
                names << name;
            i = end < 0 ? n : end;
        }
        if (i < n && stored.at(i) == comma)
            ++i;
    }
    return names;
}

QString formatUnitList(const QStringList &names)
{
    QStringList quoted;
    quoted.reserve(names.size());
    for (const QString &name : names) {
        QString text = name;
        text.replace(QLatin1Char('\''), QStringLiteral("''"));
        quoted << QLatin1Char('\'') + text + QLatin1Char('\'');
    }
    return quoted.join(QLatin1Char(','));
}
