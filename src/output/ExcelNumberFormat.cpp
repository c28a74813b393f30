#include "ExcelNumberFormat.h"

#include "DateTimeFormat.h"
#include "ExcelLiteral.h"
#include "app/FormatText.h"
#include "grids/CellFormatter.h"

#include <vector>

namespace {

struct Token {
    enum Kind : unsigned char { Literal, IntDigit, Point, FracDigit } kind;
    QChar digit;  // '0' or '#'
    QString text; // literals
};

struct Section {
    std::vector<Token> tokens;
    bool thousands = false;
    bool empty = true;
};

Section parseSection(QStringView text)
{
    Section section;
    section.empty = text.isEmpty();
    bool afterPoint = false;
    auto literal = [&](QStringView part) {
        if (!section.tokens.empty() && section.tokens.back().kind == Token::Literal)
            section.tokens.back().text += part;
        else
            section.tokens.push_back({Token::Literal, {}, part.toString()});
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (FormatText::isQuote(c)) {
            const qsizetype end = text.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            literal(text.mid(i + 1, stop - i - 1));
            i = stop;
        } else if (c == u'0' || c == u'#') {
            section.tokens.push_back({afterPoint ? Token::FracDigit : Token::IntDigit, c, {}});
        } else if (c == u'.') {
            if (!afterPoint) {
                section.tokens.push_back({Token::Point, {}, {}});
                afterPoint = true;
            }
        } else if (c == u',') {
            section.thousands = true;
        } else {
            literal(text.mid(i, 1));
        }
    }
    return section;
}

bool isPlainLiteral(QChar c)
{
    return c == u'-' || c == u'+' || c == u'(' || c == u')' || c == u' ';
}

QString renderSection(const Section &section)
{
    std::vector<Token> tokens = section.tokens;
    int intDigits = 0;
    bool fracDigits = false;
    for (const Token &token : tokens) {
        intDigits += token.kind == Token::IntDigit;
        fracDigits |= token.kind == Token::FracDigit;
    }
    // Grouping needs a comma between integer places: "0" with grouping is "#,##0".
    int groupBefore = -1; // the comma goes before the integer place with this index
    if (section.thousands && intDigits > 0) {
        const auto first = std::find_if(tokens.begin(), tokens.end(), [](const Token &token) {
            return token.kind == Token::IntDigit;
        });
        const int missing = std::max(0, 4 - intDigits);
        tokens.insert(first, std::size_t(missing), Token{Token::IntDigit, u'#', {}});
        intDigits += missing;
        groupBefore = intDigits - 3;
    }

    QString out;
    int intIndex = 0;
    for (const Token &token : tokens) {
        switch (token.kind) {
        case Token::Literal:
            ExcelLiteral::append(out, token.text, isPlainLiteral);
            break;
        case Token::IntDigit:
            if (intIndex++ == groupBefore)
                out += u',';
            out += token.digit;
            break;
        case Token::Point:
            if (fracDigits)
                out += u'.';
            break;
        case Token::FracDigit:
            out += token.digit;
            break;
        }
    }
    return out;
}

} // namespace

QString ExcelNumberFormat::fromDisplayFormat(const QString &displayFormat)
{
    const QString trimmed = displayFormat.trimmed();
    if (trimmed.isEmpty())
        return {};
    if (CellFormatter::isDateTimeFormat(trimmed))
        return DateTimeFormat::toExcel(trimmed);

    const std::vector<QStringView> parts = FormatText::splitSections(trimmed);
    std::vector<Section> sections;
    for (QStringView part : parts)
        sections.push_back(parseSection(part));

    const QString first = renderSection(sections[0]);
    QString out = first;
    if (sections.size() >= 2) {
        // The grid shows a negative number with an empty negative section in the first one
        // with a minus; the spreadsheet would show nothing.
        out += u';';
        out += sections[1].empty ? u'-' + first : renderSection(sections[1]);
    }
    if (sections.size() >= 3) {
        out += u';';
        out += sections[2].empty ? first : renderSection(sections[2]);
    }
    return out;
}
