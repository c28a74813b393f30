#include "NoDate.h"

namespace NoDate {

bool isNoDate(QStringView text)
{
    return QStringView(text).compare(limit) < 0;
}

bool isStored(QStringView text)
{
    return text.trimmed() == stored;
}

QString displayText(const QString &text)
{
    return isNoDate(text) ? QString() : text;
}

} // namespace NoDate
