#pragma once
#include <QStringView>
#include <vector>

// The text of a display format: '...' or "..." quote text, and a quote left open runs to the end.
// Semicolons, digit places and format letters count only outside quotes.
namespace FormatText {

inline bool isQuote(QChar c)
{
    return c == u'\'' || c == u'"';
}

// Calls visit(index, character) for each character outside quotes (the quotes themselves are
// skipped) until it returns false. Returns false when visit stopped the walk.
template <typename Visit> bool forEachUnquoted(QStringView text, Visit &&visit)
{
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (isQuote(c)) {
            quote = c;
            continue;
        }
        if (!visit(i, c))
            return false;
    }
    return true;
}

// The sections between semicolons outside quotes, at most `max` of them: what follows the
// semicolon that ends the last one is dropped. An empty text is one empty section.
std::vector<QStringView> splitSections(QStringView text, std::size_t max = 3);

} // namespace FormatText
