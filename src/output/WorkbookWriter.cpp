#include "WorkbookWriter.h"

#include "ExcelNumberFormat.h"
#include "db/DataSet.h"
#include "db/NoDate.h"
#include "grids/CellFormatter.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <cmath>
#include <xlsxwriter.h>

namespace {

constexpr int MaxSheetRows = 1048576;
constexpr int MaxCellText = 32767;

struct CellStyle {
    lxw_format *format = nullptr;
    enum class Kind { Text, Number, Date } kind = Kind::Text;
};

int digits(QStringView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// "hh:mm:ss" at `from`.
bool storedTime(QStringView text, qsizetype from, lxw_datetime *out)
{
    if (text.size() - from != 8 || text[from + 2] != u':' || text[from + 5] != u':')
        return false;
    const int hour = digits(text, from, 2);
    const int minute = digits(text, from + 3, 2);
    const int second = digits(text, from + 6, 2);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    out->hour = hour;
    out->min = minute;
    out->sec = second;
    return true;
}

// The stored forms "yyyy-MM-dd", "yyyy-MM-dd hh:mm:ss" and "hh:mm:ss", read by hand: going
// through QDateTime would look the time zone up for every cell of a big export.
bool storedDateTime(QStringView text, lxw_datetime *out)
{
    *out = lxw_datetime{};
    if (storedTime(text, 0, out))
        return true; // a time alone: the library takes year, month and day 0 for a day fraction
    if (text.size() < 10 || text[4] != u'-' || text[7] != u'-')
        return false;
    const int year = digits(text, 0, 4);
    const int month = digits(text, 5, 2);
    const int day = digits(text, 8, 2);
    if (!QDate::isValid(year, month, day) || year < 1900)
        return false;
    out->year = year;
    out->month = month;
    out->day = day;
    if (text.size() == 10)
        return true;
    return (text[10] == u' ' || text[10] == u'T') && storedTime(text, 11, out);
}

class Workbook {
public:
    Workbook(const QString &path)
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.use_zip64 = LXW_TRUE;
        const QByteArray file = path.toUtf8();
        m_book = workbook_new_opt(file.constData(), &options);
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book); // only on early returns; close() normally clears it
    }
    lxw_workbook *get() const { return m_book; }
    lxw_error close()
    {
        const lxw_error result = workbook_close(m_book);
        m_book = nullptr;
        return result;
    }

    lxw_format *numberFormat(const QString &excelFormat)
    {
        auto found = m_formats.constFind(excelFormat);
        if (found != m_formats.constEnd())
            return found.value();
        lxw_format *format = workbook_add_format(m_book);
        format_set_num_format(format, excelFormat.toUtf8().constData());
        m_formats.insert(excelFormat, format);
        return format;
    }

private:
    lxw_workbook *m_book = nullptr;
    QHash<QString, lxw_format *> m_formats;
};

CellStyle styleFor(Workbook &book, const GridColumn &column)
{
    const QString display = column.displayFormat.trimmed();
    if (display.isEmpty())
        return {book.numberFormat(QStringLiteral("@")), CellStyle::Kind::Text};
    const QString excel = ExcelNumberFormat::fromDisplayFormat(display);
    const bool date = CellFormatter::isDateTimeFormat(display);
    return {book.numberFormat(excel), date ? CellStyle::Kind::Date : CellStyle::Kind::Number};
}

lxw_error writeText(lxw_worksheet *sheet, int row, int col, const QString &text, lxw_format *format)
{
    const QByteArray utf8 = text.left(MaxCellText).toUtf8();
    return worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(col), utf8.constData(), format);
}

lxw_error writeCell(lxw_worksheet *sheet, int row, int col, const DataSet &data, int dataRow,
                    int dataColumn, const CellStyle &style)
{
    const ResultSet::Kind kind = data.rows().kind(data.sourceRow(dataRow), dataColumn);
    if (kind == ResultSet::Kind::Null || kind == ResultSet::Kind::Blob)
        return LXW_NO_ERROR;
    const bool numeric = kind == ResultSet::Kind::Integer || kind == ResultSet::Kind::Real;
    if (numeric && style.kind == CellStyle::Kind::Number) {
        const double value = data.number(dataRow, dataColumn);
        if (std::isfinite(value))
            return worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(col), value,
                                          style.format);
    }
    const QString text = data.text(dataRow, dataColumn);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || NoDate::isStored(trimmed.left(10)))
        return LXW_NO_ERROR;
    if (style.kind == CellStyle::Kind::Number && !numeric) {
        bool ok = false;
        const double value = trimmed.toDouble(&ok);
        if (ok && std::isfinite(value))
            return worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(col), value,
                                          style.format);
    }
    if (style.kind == CellStyle::Kind::Date) {
        lxw_datetime when;
        if (storedDateTime(trimmed, &when))
            return worksheet_write_datetime(sheet, lxw_row_t(row), lxw_col_t(col), &when,
                                            style.format);
    }
    return writeText(sheet, row, col, text, style.format);
}

} // namespace

QString WorkbookWriter::sheetName(const QString &requested)
{
    QString name;
    for (const QChar c : requested) {
        if (QStringLiteral("[]:*?/\\").contains(c) || c.category() == QChar::Other_Control)
            name += u'_';
        else
            name += c;
    }
    name = name.trimmed();
    while (name.startsWith(u'\''))
        name.remove(0, 1);
    name = name.left(31);
    while (name.endsWith(u'\''))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("Sheet1") : name;
}

namespace {

bool writeWorkbook(const QString &path, const QString &sheetName,
                   const std::vector<GridColumn> &columns, const DataSet &data, QString *error,
                   const WorkbookWriter::Progress &progress)
{
    auto fail = [&](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    Workbook book(path);
    if (!book.get())
        return fail(QStringLiteral("cannot create %1").arg(path));
    const QByteArray name = WorkbookWriter::sheetName(sheetName).toUtf8();
    lxw_worksheet *sheet = workbook_add_worksheet(book.get(), name.constData());
    if (!sheet)
        return fail(QStringLiteral("cannot add the sheet"));

    struct Column {
        int sheetColumn;
        int dataColumn;
        CellStyle style;
    };
    std::vector<Column> visible;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const GridColumn &column = columns[i];
        if (!column.visible)
            continue;
        const int col = int(i);
        // Grid widths are pixels; a sheet column is about seven pixels per character.
        worksheet_set_column(sheet, lxw_col_t(col), lxw_col_t(col), std::max(column.width, 8) / 7.0,
                             nullptr);
        visible.push_back({col, data.fieldIndex(column.fieldName), styleFor(book, column)});
    }
    for (const Column &column : visible) {
        const lxw_error result = writeText(sheet, 0, column.sheetColumn,
                                           columns[std::size_t(column.sheetColumn)].title, nullptr);
        if (result != LXW_NO_ERROR)
            return fail(QString::fromUtf8(lxw_strerror(result)));
    }
    // Rows past the sheet's last row cannot be held by any workbook and are left out.
    const int rows = std::min(data.rowCount(), MaxSheetRows - 1);
    for (int row = 0; row < rows; ++row) {
        if (progress && row % 1000 == 0 && !progress(row))
            return fail(QStringLiteral("stopped"));
        for (const Column &column : visible) {
            if (column.dataColumn < 0)
                continue;
            const lxw_error result = writeCell(sheet, row + 1, column.sheetColumn, data, row,
                                               column.dataColumn, column.style);
            if (result != LXW_NO_ERROR)
                return fail(QString::fromUtf8(lxw_strerror(result)));
        }
    }
    if (progress && !progress(rows))
        return fail(QStringLiteral("stopped"));
    const lxw_error closed = book.close();
    if (closed != LXW_NO_ERROR)
        return fail(QString::fromUtf8(lxw_strerror(closed)));
    return true;
}

} // namespace

bool WorkbookWriter::write(const QString &path, const QString &sheetName,
                           const std::vector<GridColumn> &columns, const DataSet &data,
                           QString *error, const Progress &progress)
{
    if (writeWorkbook(path, sheetName, columns, data, error, progress))
        return true;
    QFile::remove(path); // a half-written workbook must not be opened
    return false;
}
