#include "DateTimeFormat.h"

#include "ExcelLiteral.h"
#include "grids/CellFormatter.h"

namespace {

// Characters a spreadsheet format shows as they are without quotes.
bool isPlainLiteral(QChar c)
{
    return c == u'-' || c == u'/' || c == u':' || c == u' ' || c == u'.' || c == u'(' || c == u')';
}

} // namespace

QString DateTimeFormat::toExcel(const QString &displayFormat)
{
    const QString qt = CellFormatter::toQtDateTimeFormat(displayFormat);
    QString out;
    QString literal;
    auto flush = [&] {
        ExcelLiteral::append(out, literal, isPlainLiteral);
        literal.clear();
    };
    for (qsizetype i = 0; i < qt.size(); ++i) {
        const QChar c = qt[i];
        if (c == u'\'') {
            // Qt quotes text in '...' and writes a quote as ''.
            qsizetype end = i + 1;
            while (end < qt.size()) {
                if (qt[end] == u'\'') {
                    if (end + 1 < qt.size() && qt[end + 1] == u'\'') {
                        literal += u'\'';
                        end += 2;
                        continue;
                    }
                    break;
                }
                literal += qt[end++];
            }
            i = end;
            continue;
        }
        switch (c.unicode()) {
        case 'y':
        case 'd':
        case 's':
        case 'm': // minutes
        case 'M': // month
            flush();
            out += c.toLower();
            break;
        case 'h':
        case 'H':
            flush();
            out += u'h';
            break;
        case 'z':
            flush();
            out += u'0';
            break;
        case 'A':
        case 'a':
            if (i + 1 < qt.size() && qt[i + 1].toLower() == u'p') {
                flush();
                out += QStringLiteral("AM/PM");
                ++i;
                break;
            }
            literal += c;
            break;
        default:
            literal += c;
            break;
        }
    }
    flush();
    return out;
}
