#pragma once
#include <QString>
#include <QStringView>

// The plain number texts of the number inputs, kept apart from the widgets.
namespace NumberText {

// The text shown while a number is edited: no grouping, no exponent, at most `decimals` decimals
// (-1: as many as the number's 15 significant digits have), trailing zeros dropped.
QString plain(double value, int decimals);
// Rounds half away from zero on the number's 15 significant digits, as the display formats do,
// so 1.00005 rounds to 1.0001 at four places although its binary value lies just below.
double round(double value, int decimals);
// Reads a number as typed or pasted; blanks, thousands separators and the yuan sign are skipped.
// An empty text, "-" and "." read as 0. Anything else that is not a number gives 0 and ok false.
double parse(QStringView text, bool *ok = nullptr);
// The pattern of what may be typed: an optional minus, digits, one point and at most `decimals`
// decimals (-1: any number of them).
QString typingPattern(int decimals);

} // namespace NumberText
