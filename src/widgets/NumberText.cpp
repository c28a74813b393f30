#include "NumberText.h"

#include "app/NumberFormat.h"

namespace NumberText {

namespace {
constexpr int MostDecimals = 15;
}

QString plain(double value, int decimals)
{
    const int places = decimals < 0 ? MostDecimals : decimals;
    return formatNumber(value, QStringLiteral("0.") + QString(places, u'#'));
}

double round(double value, int decimals)
{
    return plain(value, decimals).toDouble();
}

double parse(QStringView text, bool *ok)
{
    QString digits;
    digits.reserve(text.size());
    for (const QChar c : text) {
        if (c.isSpace() || c == u',' || c == u'￥' || c == u'¥')
            continue;
        digits += c;
    }
    if (ok)
        *ok = true;
    if (digits.isEmpty() || digits == u"-" || digits == u"." || digits == u"-.")
        return 0;
    bool read = false;
    const double value = digits.toDouble(&read);
    if (ok)
        *ok = read;
    return read ? value : 0;
}

QString typingPattern(int decimals)
{
    const QString fraction =
        decimals < 0 ? QStringLiteral("[0-9]*") : QStringLiteral("[0-9]{0,%1}").arg(decimals);
    const QString point =
        decimals == 0 ? QString() : QStringLiteral("(\\.") + fraction + QStringLiteral(")?");
    return QStringLiteral("-?[0-9]*") + point;
}

} // namespace NumberText
