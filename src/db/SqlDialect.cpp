#include "SqlDialect.h"

#include <QRegularExpression>

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Copies a quoted run starting at i (the opening quote) up to and including its closing quote.
// A doubled closing quote inside the run is part of it.
qsizetype copyQuoted(const QString &sql, qsizetype i, QChar close, QString &out)
{
    const qsizetype n = sql.size();
    out += sql[i++];
    while (i < n) {
        const QChar c = sql[i++];
        out += c;
        if (c == close) {
            if (i < n && sql[i] == close && close != u']') {
                out += sql[i++];
                continue;
            }
            break;
        }
    }
    return i;
}

// "#2009-3-1#" (also with '/' or '.' separators and an optional time) -> "'2009-03-01'".
bool dateLiteral(QStringView body, QString &out)
{
    static const QRegularExpression re(QStringLiteral(
        R"(^\s*(\d{4})[-/.](\d{1,2})[-/.](\d{1,2})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const auto m = re.match(body.toString());
    if (!m.hasMatch())
        return false;
    auto two = [](QStringView s) {
        return s.size() == 1 ? QStringLiteral("0") + s.toString() : s.toString();
    };
    QString text = m.captured(1) + u'-' + two(m.capturedView(2)) + u'-' + two(m.capturedView(3));
    if (m.capturedLength(4) > 0)
        text += u' ' + two(m.capturedView(4)) + u':' + m.captured(5) + u':' +
                (m.capturedLength(6) > 0 ? m.captured(6) : QStringLiteral("00"));
    out += u'\'' + text + u'\'';
    return true;
}

// "in (select F_code from T_cars" right after a column: the column is tested against the
// vehicles' sub-select.
bool vehicleSubselectFollows(const QString &sql, qsizetype at)
{
    static const QRegularExpression re(
        QStringLiteral(R"(\s*in\s*\(\s*select\s+F_code\s+from\s+T_cars\b)"),
        QRegularExpression::CaseInsensitiveOption);
    return re
        .match(sql, at, QRegularExpression::NormalMatch,
               QRegularExpression::AnchorAtOffsetMatchOption)
        .hasMatch();
}

} // namespace

QString SqlDialect::normalize(const QString &sql)
{
    QString out;
    out.reserve(sql.size() + 8);
    const qsizetype n = sql.size();
    qsizetype i = 0;
    // The name being written (wx.F_CPcode): where its output began, -1 where a plus before it
    // could change the statement; the end of the last word written; the last word.
    qsizetype nameStart = -1;
    qsizetype wordEnd = -1;
    QStringView lastWord;
    while (i < n) {
        const QChar c = sql[i];
        if (!c.isSpace() && !isWordChar(c) && !(c == u'-' && i + 1 < n && sql[i + 1] == u'-') &&
            !(c == u'/' && i + 1 < n && sql[i + 1] == u'*'))
            lastWord = {};
        if (c == u'\'' || c == u'"' || c == u'`') {
            i = copyQuoted(sql, i, c, out);
        } else if (c == u'[') {
            i = copyQuoted(sql, i, u']', out);
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? n : end;
            out += QStringView(sql).mid(i, stop - i);
            i = stop;
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            out += QStringView(sql).mid(i, stop - i);
            i = stop;
        } else if (c == u'#') {
            const qsizetype close = sql.indexOf(u'#', i + 1);
            if (close > i && dateLiteral(QStringView(sql).mid(i + 1, close - i - 1), out)) {
                i = close + 1;
            } else {
                out += c;
                ++i;
            }
        } else if (isWordChar(c)) {
            qsizetype j = i;
            while (j < n && isWordChar(sql[j]))
                ++j;
            const QStringView word = QStringView(sql).mid(i, j - i);
            const QChar before = i > 0 ? sql[i - 1] : QChar(u' ');
            const bool parameter = before == u':' || before == u'@' || before == u'$' ||
                                   before == u'?' || before == u'#';
            const bool bare = !parameter && before != u'.';
            if (before == u'.') {
                if (out.size() != wordEnd + 1) // after a quoted name or a blank
                    nameStart = -1;
            } else if (parameter || lastWord.compare(u"collate", Qt::CaseInsensitive) == 0 ||
                       word.compare(u"not", Qt::CaseInsensitive) == 0 ||
                       QStringView(out).trimmed().endsWith(u'.')) {
                nameStart = -1;
            } else {
                nameStart = out.size();
            }
            if (bare && word.compare(u"true", Qt::CaseInsensitive) == 0)
                out += u'1';
            else if (bare && word.compare(u"false", Qt::CaseInsensitive) == 0)
                out += u'0';
            else
                out += word;
            wordEnd = out.size();
            lastWord = word;
            if (nameStart >= 0 && vehicleSubselectFollows(sql, j))
                out.insert(nameStart, u'+');
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

QString SqlDialect::quoted(const QString &value)
{
    QString v = value;
    v.replace(u'\'', QStringLiteral("''"));
    return u'\'' + v + u'\'';
}
