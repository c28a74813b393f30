// The number formatter and the display-format parser of the grids: any format over any number,
// and a cell's text under that format for numbers, dates and other texts.
//   input: 8 bytes of a double, then the display format
#include "FuzzInput.h"
#include "app/NumberFormat.h"
#include "grids/CellFormatter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const double value = fuzz::take<double>(data, size);
    const int decimals = fuzz::take<int8_t>(data, size);
    const QString format = QString::fromUtf8(fuzz::bytes(data, size));

    NumberFormat::parse(format).format(value);
    formatNumber(value, format);
    MakeDisplayFormat(decimals, decimals & 3);

    static const ResultSet cells = [] {
        ResultSet rows({QStringLiteral("n"), QStringLiteral("d"), QStringLiteral("t")},
                       {QStringLiteral("REAL"), QStringLiteral("TEXT"), QStringLiteral("TEXT")});
        const int r = rows.appendRow();
        rows.setReal(r, 0, -1234.5678);
        rows.setText(r, 1, QStringLiteral("2009-03-01 08:05:09"));
        rows.setText(r, 2, QStringLiteral("1900-08-14"));
        return rows;
    }();
    const CellFormatter formatter(format);
    for (int column = 0; column < cells.columnCount(); ++column)
        formatter.text(cells, 0, column);
    formatter.numberText(value);
    CellFormatter::isDateTimeFormat(format);
    CellFormatter::toQtDateTimeFormat(format);
    CellFormatter::isNoDate(format);
    return 0;
}
