#include "NumberFormat.h"

#include "FormatText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {
constexpr int SignificantDigits = 15;
} // namespace

// |value| = 0.d1d2...dn × 10^exponent, d1 != '0' and dn != '0'; count 0 means zero.
struct NumberFormat::Digits {
    char sig[SignificantDigits + 1] = {};
    int count = 0;
    int exponent = 0;

    // The first 15 significant digits, rounded half away from zero to `decimals` places.
    Digits(double absValue, int decimals)
    {
        if (absValue == 0)
            return;
        char buf[40];
        const auto res = std::to_chars(buf, buf + sizeof buf, absValue,
                                       std::chars_format::scientific, SignificantDigits - 1);
        *res.ptr = '\0';
        // buf is "d.dddddddddddddde±x"
        sig[0] = buf[0];
        std::memcpy(sig + 1, buf + 2, SignificantDigits - 1);
        count = SignificantDigits;
        exponent = std::atoi(std::strchr(buf, 'e') + 1) + 1;

        const int keep = exponent + decimals;
        if (keep < 0) {
            count = 0;
            return;
        }
        if (keep < count) {
            const bool up = sig[keep] >= '5';
            count = keep;
            if (up) {
                int i = count - 1;
                while (i >= 0 && sig[i] == '9')
                    --i;
                if (i < 0) { // 9.99 -> 10.0: the carry adds a digit in front
                    sig[0] = '1';
                    count = 1;
                    ++exponent;
                } else {
                    ++sig[i];
                    count = i + 1;
                }
            }
        }
        while (count > 0 && sig[count - 1] == '0')
            --count;
    }

    bool isZero() const { return count == 0; }
    int intDigits() const { return count == 0 ? 0 : std::max(exponent, 0); }
    int fracDigits() const { return count == 0 ? 0 : std::max(count - exponent, 0); }
    // Digit i of the integer part, from the left.
    char intDigit(int i) const { return i < count ? sig[i] : '0'; }
    // Digit j after the point.
    char fracDigit(int j) const
    {
        const int p = exponent + j;
        return p >= 0 && p < count ? sig[p] : '0';
    }
};

NumberFormat::Section NumberFormat::parseSection(QStringView text)
{
    Section section;
    section.empty = text.isEmpty();
    bool afterPoint = false;
    int fracPlaces = 0;
    QString literal;
    auto flushLiteral = [&] {
        if (!literal.isEmpty()) {
            section.tokens.push_back({Token::Literal, false, literal});
            literal.clear();
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (FormatText::isQuote(c)) {
            const qsizetype end = text.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            literal += text.mid(i + 1, stop - i - 1);
            i = stop;
        } else if (c == u'0' || c == u'#') {
            flushLiteral();
            const bool zero = c == u'0';
            if (afterPoint) {
                section.tokens.push_back({Token::FracDigit, zero, {}});
                ++fracPlaces;
                if (zero)
                    section.minFrac = fracPlaces;
            } else {
                if (zero && section.firstZero < 0)
                    section.firstZero = section.intPlaces;
                section.tokens.push_back({Token::IntDigit, zero, {}});
                ++section.intPlaces;
            }
        } else if (c == u'.') {
            // Only the first point counts; later ones are ignored.
            if (!afterPoint) {
                flushLiteral();
                section.tokens.push_back({Token::Point, false, {}});
                afterPoint = true;
            }
        } else if (c == u',') {
            section.thousands = true;
        } else {
            literal += c;
        }
    }
    flushLiteral();
    section.maxFrac = fracPlaces;
    return section;
}

NumberFormat NumberFormat::parse(const QString &displayFormat)
{
    NumberFormat result;
    if (displayFormat.isEmpty())
        return result;
    for (QStringView part : FormatText::splitSections(displayFormat))
        result.m_sections.push_back(parseSection(part));
    return result;
}

void NumberFormat::render(const Section &section, const Digits &digits, bool minus, QString &out)
{
    if (minus)
        out += u'-';
    const int places = section.intPlaces;
    const int numberDigits = digits.intDigits();
    const int shownInt =
        std::max(numberDigits, section.firstZero >= 0 ? places - section.firstZero : 0);
    const int shownFrac = std::max(section.minFrac, digits.fracDigits());

    // Integer position q (0 = leftmost shown digit); padding zeros come first.
    auto putInt = [&](int q) {
        const int d = q - (shownInt - numberDigits);
        out += QLatin1Char(d < 0 ? '0' : digits.intDigit(d));
        const int right = shownInt - 1 - q;
        if (section.thousands && right > 0 && right % 3 == 0)
            out += u',';
    };
    // Digits beyond the places of the format go in front of the first place; with no places
    // at all, the integer part stands before the point.
    bool leadingDone = false;
    auto putLeading = [&] {
        if (leadingDone)
            return;
        leadingDone = true;
        for (int q = 0; q < shownInt - places; ++q)
            putInt(q);
    };

    int intIndex = 0;
    int fracIndex = 0;
    for (const Token &token : section.tokens) {
        switch (token.kind) {
        case Token::Literal:
            out += token.text;
            break;
        case Token::IntDigit: {
            putLeading();
            const int q = shownInt - places + intIndex++;
            if (q >= 0)
                putInt(q);
            break;
        }
        case Token::Point:
            putLeading();
            if (shownFrac > 0)
                out += u'.';
            break;
        case Token::FracDigit:
            if (fracIndex < shownFrac)
                out += QLatin1Char(digits.fracDigit(fracIndex));
            ++fracIndex;
            break;
        }
    }
}

QString NumberFormat::format(double value) const
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (m_sections.empty())
        return value == 0 ? QStringLiteral("0") : QString::number(value, 'g', SignificantDigits);

    const bool negative = value < 0;
    const bool ownNegative = negative && m_sections.size() >= 2 && !m_sections[1].empty;
    const Section *section = &m_sections[ownNegative ? 1 : 0];
    const Digits digits(std::fabs(value), section->maxFrac);

    QString out;
    out.reserve(24);
    if (digits.isZero()) {
        // A tiny negative number shows as zero, never as "-0.00".
        const bool ownZero = m_sections.size() >= 3 && !m_sections[2].empty;
        const Section &zeroSection = m_sections[ownZero ? 2 : 0];
        render(zeroSection, Digits(0, 0), false, out);
        return out;
    }
    render(*section, digits, negative && !ownNegative, out);
    return out;
}

QString formatNumber(double value, const QString &displayFormat)
{
    // A grid column repaints with one or two formats; four slots cover cells and footers.
    struct Slot {
        QString text;
        NumberFormat format;
        bool used = false;
    };
    thread_local std::array<Slot, 4> cache;
    thread_local unsigned next = 0;
    for (const Slot &slot : cache) {
        if (slot.used && slot.text == displayFormat)
            return slot.format.format(value);
    }
    Slot &slot = cache[next++ % cache.size()];
    slot.text = displayFormat;
    slot.format = NumberFormat::parse(displayFormat);
    slot.used = true;
    return slot.format.format(value);
}

QString MakeDisplayFormat(int decimals, int kind)
{
    QString result;
    if (kind == 1) {
        result = QStringLiteral("0.");
        for (int i = 1; i <= decimals; ++i)
            result += u'#';
    } else if (kind == 2 || kind == 3) {
        result = QStringLiteral("￥,0.");
        for (int i = 1; i <= decimals; ++i)
            result += i <= 2 ? u'0' : u'#';
    }
    return result;
}
