#pragma once
#include <QDate>
#include <QString>
#include <QStringView>

// An optional date that the operator left unset is stored as 1900-08-14; a stored date whose
// "yyyy-MM-dd" text sorts before 1901-08-14 (an empty one included) counts as no date. Editors
// read and write it through DatePicker; grids, exports, reports and the demo data use these
// helpers, the one place that knows the rule.
namespace NoDate {
inline const QString stored = QStringLiteral("1900-08-14");
inline const QString limit = QStringLiteral("1901-08-14");
inline const QDate storedDate{1900, 8, 14};

// True for an empty text and for every text that sorts before the limit (compared as text, so
// "1900-08-14 00:00:00" counts too).
bool isNoDate(QStringView text);
// True when the trimmed text is exactly the stored value (the workbook export's rule).
bool isStored(QStringView text);
// The text a grid cell shows: empty for no date, otherwise the text itself.
QString displayText(const QString &text);
} // namespace NoDate
