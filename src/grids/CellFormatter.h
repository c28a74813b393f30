#pragma once
#include "app/NumberFormat.h"
#include "db/ResultSet.h"

#include <QString>
#include <QStringView>

// The text a grid shows for a cell under a column's display format. Kept apart from widgets so
// that the grid, exports and tests share one rule set:
// - numbers: a number format ("0.##", "￥,0.00##") through NumberFormat, else their plain text;
// - dates are stored as "yyyy-MM-dd" and shown so; a date whose text sorts before "1901-08-14"
//   shows empty (1900-08-14 is what editors store for "no date");
// - a date/time format ("yyyy-mm-dd", "hh:nn:ss"; nn is minutes) re-renders date and time texts;
// - nulls and pictures show empty.
class CellFormatter {
public:
    CellFormatter() = default;
    explicit CellFormatter(const QString &displayFormat);

    QString text(const ResultSet &rows, int row, int column) const;
    // A number (a footer sum) under the format; plain text when the format is not a number one.
    QString numberText(double value) const { return m_number.format(value); }

    // "yyyy-MM-dd..." text that sorts before "1901-08-14".
    static bool isNoDate(QStringView text);
    static bool looksLikeDate(QStringView text);
    // True for formats made of date and time letters (y m d h n s), not of digit places.
    static bool isDateTimeFormat(QStringView displayFormat);
    // "yyyy-mm-dd hh:nn:ss" → "yyyy-MM-dd hh:mm:ss" ('m' after 'h' and 'n' are minutes).
    static QString toQtDateTimeFormat(QStringView displayFormat);

private:
    enum class Mode { Plain, Number, DateTime };
    QString dateTimeText(QStringView text) const;

    Mode m_mode = Mode::Plain;
    NumberFormat m_number;
    QString m_dateTimeFormat;
};
