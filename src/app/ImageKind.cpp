#include "ImageKind.h"

#include <algorithm>

int ImageKindOfFile(const QString &fileName)
{
    const qsizetype slash = std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot <= slash)
        return 0;
    const QStringView extension = QStringView(fileName).mid(dot + 1);
    auto is = [&](QLatin1String name) { return extension.compare(name, Qt::CaseInsensitive) == 0; };
    if (is(QLatin1String("bmp")))
        return 1;
    if (is(QLatin1String("jpg")) || is(QLatin1String("jpeg")))
        return 2;
    if (is(QLatin1String("gif")))
        return 3;
    return 0;
}
