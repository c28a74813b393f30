#pragma once
#include <QString>
#include <vector>

// Renders numbers with the display formats stored in grid layouts and built from the custom
// settings: "0.##", "￥,0.00##", "#,##0.00", "￥,0.00##;-￥,0.00##" and the like.
//
// Syntax of a section: '0' a digit that is always shown, '#' a digit shown when significant,
// '.' the decimal point (shown only when a decimal digit follows, so "0." shows none), ',' anywhere
// outside quotes switches on thousands separators, text in '...' or "..." and every other character
// is copied where it stands. Up to three sections "positive;negative;zero": a negative number uses
// the second section as written (without an added minus), and with one section it gets a leading
// '-'; a number that rounds to zero uses the third section if there is one and never shows a minus.
// Rounding is half away from zero on the number's 15 significant decimal digits, so 2.675 with
// "0.00" shows 2.68 although its binary value lies just below.
//
// A grid paints many cells with few formats: parse once with parse() and call format(), or use
// formatNumber(), which keeps the last few parsed formats.
class NumberFormat {
public:
    NumberFormat() = default;
    static NumberFormat parse(const QString &displayFormat);

    // The empty format shows the plain shortest text (up to 15 significant digits).
    bool isEmpty() const { return m_sections.empty(); }
    QString format(double value) const;

private:
    struct Token {
        enum Kind : unsigned char { Literal, IntDigit, Point, FracDigit } kind;
        bool zero = false; // '0' rather than '#'
        QString text;      // for literals
    };
    struct Section {
        std::vector<Token> tokens;
        int intPlaces = 0;  // digit places before the point
        int firstZero = -1; // index of the first '0' among them; -1 when there is none
        int minFrac = 0;    // decimals always shown
        int maxFrac = 0;    // decimals shown at most
        bool thousands = false;
        bool empty = true; // nothing between the semicolons
    };
    struct Digits; // a rounded number as decimal digit strings

    static Section parseSection(QStringView text);
    static void render(const Section &section, const Digits &digits, bool minus, QString &out);

    std::vector<Section> m_sections;
};

// formatNumber(value, displayFormat) = NumberFormat::parse(displayFormat).format(value), with the
// last few formats kept parsed.
QString formatNumber(double value, const QString &displayFormat);

// The display format for quantities (kind 1), unit prices (kind 2) and amounts (kind 3) with the
// given number of decimals: kind 1 "0." + n × '#', kinds 2 and 3 "￥,0." + "00" + '#' beyond two
// decimals (n = 2 "￥,0.00", n = 4 "￥,0.00##"); other kinds give the empty text.
QString MakeDisplayFormat(int decimals, int kind);
