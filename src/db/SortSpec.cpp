#include "SortSpec.h"

std::vector<SortKey> SortSpec::parse(const QString &text)
{
    std::vector<SortKey> keys;
    const QStringList parts = text.split(u',', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QStringList words = part.simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        SortKey key;
        key.field = words.first();
        key.descending =
            words.size() > 1 && words[1].compare(QLatin1String("desc"), Qt::CaseInsensitive) == 0;
        keys.push_back(key);
    }
    return keys;
}

QString SortSpec::toText(const std::vector<SortKey> &keys)
{
    QString text;
    for (const SortKey &key : keys)
        text += key.field + (key.descending ? QStringLiteral(" DESC,") : QStringLiteral(" ASC,"));
    return text;
}
