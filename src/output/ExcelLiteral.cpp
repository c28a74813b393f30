#include "ExcelLiteral.h"

void ExcelLiteral::append(QString &out, QStringView text, bool (*isPlain)(QChar))
{
    QString quoted;
    auto flush = [&] {
        if (!quoted.isEmpty())
            out += u'"' + quoted + u'"';
        quoted.clear();
    };
    for (const QChar c : text) {
        if (isPlain(c)) {
            flush();
            out += c;
        } else if (c == u'"') {
            flush();
            out += QStringLiteral("\\\"");
        } else {
            quoted += c;
        }
    }
    flush();
}
