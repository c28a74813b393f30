#include "CellFormatter.h"

#include "app/FormatText.h"
#include "db/NoDate.h"

#include <QDateTime>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool looksLikeTime(QStringView t)
{
    return t.size() >= 8 && isDigit(t[0]) && isDigit(t[1]) && t[2] == u':' && isDigit(t[3]) &&
           isDigit(t[4]) && t[5] == u':' && isDigit(t[6]) && isDigit(t[7]);
}

} // namespace

CellFormatter::CellFormatter(const QString &displayFormat)
{
    if (displayFormat.trimmed().isEmpty())
        return;
    if (isDateTimeFormat(displayFormat)) {
        m_mode = Mode::DateTime;
        m_dateTimeFormat = toQtDateTimeFormat(displayFormat);
    } else {
        m_mode = Mode::Number;
        m_number = NumberFormat::parse(displayFormat);
    }
}

QString CellFormatter::text(const ResultSet &rows, int row, int column) const
{
    if (column < 0 || row < 0)
        return {};
    switch (rows.kind(row, column)) {
    case ResultSet::Kind::Null:
    case ResultSet::Kind::Blob:
        return {};
    case ResultSet::Kind::Integer:
    case ResultSet::Kind::Real:
        if (m_mode == Mode::Number)
            return m_number.format(rows.number(row, column));
        return rows.text(row, column);
    case ResultSet::Kind::Text:
        break;
    }
    const QStringView view = rows.textView(row, column);
    if (looksLikeDate(view) && isNoDate(view))
        return {};
    if (m_mode == Mode::DateTime)
        return dateTimeText(view);
    return view.toString();
}

QString CellFormatter::dateTimeText(QStringView text) const
{
    if (looksLikeDate(text)) {
        if (text.size() >= 19 && (text[10] == u' ' || text[10] == u'T') &&
            looksLikeTime(text.mid(11))) {
            const QDateTime dt = QDateTime::fromString(text.left(19).toString().replace(u'T', u' '),
                                                       QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            if (dt.isValid())
                return dt.toString(m_dateTimeFormat);
        }
        const QDate d = QDate::fromString(text.left(10).toString(), QStringLiteral("yyyy-MM-dd"));
        if (d.isValid())
            return d.toString(m_dateTimeFormat);
    } else if (looksLikeTime(text)) {
        const QTime t = QTime::fromString(text.left(8).toString(), QStringLiteral("hh:mm:ss"));
        if (t.isValid())
            return t.toString(m_dateTimeFormat);
    }
    return text.toString();
}

bool CellFormatter::isNoDate(QStringView text)
{
    return NoDate::isNoDate(text);
}

bool CellFormatter::looksLikeDate(QStringView t)
{
    return t.size() >= 10 && isDigit(t[0]) && isDigit(t[1]) && isDigit(t[2]) && isDigit(t[3]) &&
           t[4] == u'-' && isDigit(t[5]) && isDigit(t[6]) && t[7] == u'-' && isDigit(t[8]) &&
           isDigit(t[9]) && (t.size() == 10 || !isDigit(t[10]));
}

bool CellFormatter::isDateTimeFormat(QStringView format)
{
    bool letters = false;
    const bool noDigits = FormatText::forEachUnquoted(format, [&](qsizetype, QChar c) {
        if (c == u'0' || c == u'#')
            return false;
        if (QStringLiteral("ymdhnsYMDHNS").contains(c))
            letters = true;
        return true;
    });
    return noDigits && letters;
}

QString CellFormatter::toQtDateTimeFormat(QStringView format)
{
    QString out;
    out.reserve(format.size());
    QChar quote;
    bool afterHour = false;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote) {
                quote = QChar();
                out += u'\'';
            } else {
                out += c;
            }
            continue;
        }
        if (FormatText::isQuote(c)) {
            quote = c;
            out += u'\'';
            continue;
        }
        const QChar lower = c.toLower();
        if (lower == u'h') {
            afterHour = true;
            out += u'h';
        } else if (lower == u'n') {
            out += u'm';
        } else if (lower == u'm') {
            out += afterHour ? u'm' : u'M';
        } else if (lower == u'y' || lower == u'd' || lower == u's' || lower == u'z') {
            if (lower != u's')
                afterHour = false;
            out += lower;
        } else {
            out += c;
        }
    }
    return out;
}
