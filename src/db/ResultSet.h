#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>
#include <cstdint>
#include <vector>

// A materialized query result: column names and declared kinds, then rows of cells.
//
// Cells are stored column by column as a kind byte and an 8-byte payload; texts live in one
// UTF-16 pool and blobs in a side list, so a million-row result costs no heap object per cell.
// Rows may be appended and cells overwritten (editable grids), which appends to the pool.
class ResultSet {
public:
    enum class Kind : std::uint8_t { Null, Integer, Real, Text, Blob };

    ResultSet() = default;
    ResultSet(const QStringList &names, const QStringList &declaredTypes = {});

    int columnCount() const { return int(m_names.size()); }
    int rowCount() const { return m_rows; }
    bool isEmpty() const { return m_rows == 0; }
    const QStringList &columnNames() const { return m_names; }
    QString columnName(int column) const { return m_names.value(column); }
    QString declaredType(int column) const { return m_types.value(column); }
    // Case-insensitive; -1 when there is no such column.
    int columnIndex(QStringView name) const;

    Kind kind(int row, int column) const { return Kind(m_columns[column].kinds[row]); }
    bool isNull(int row, int column) const { return kind(row, column) == Kind::Null; }
    QVariant value(int row, int column) const;
    QVariant value(int row, QStringView name) const;
    // Display text: integers in decimal, reals in the shortest exact form, null as empty.
    QString text(int row, int column) const;
    QString text(int row, QStringView name) const;
    // A view into the text pool; valid until the next write. Empty for non-text cells.
    QStringView textView(int row, int column) const;
    // Numeric value; texts that hold a number convert, anything else is 0.
    double number(int row, int column) const;
    qint64 integer(int row, int column) const;
    QByteArray blob(int row, int column) const;

    void addColumn(const QString &name, const QString &declaredType = {});
    int appendRow(); // all cells null; returns the new row's index
    void reserveRows(int rows);
    void removeRow(int row);
    void setNull(int row, int column);
    void setInteger(int row, int column, qint64 value);
    void setReal(int row, int column, double value);
    void setText(int row, int column, QStringView value);
    // A text as the engine hands it over (UTF-8), decoded straight into the pool: no temporary
    // string per cell. Malformed bytes read as U+FFFD.
    void setTextUtf8(int row, int column, const char *utf8, int bytes);
    void setBlob(int row, int column, const QByteArray &value);
    void setValue(int row, int column, const QVariant &value);

    // The stored form of a value, shared by binding and by edits: booleans and whole numbers as
    // integers, dates as "yyyy-MM-dd", times as "hh:mm:ss", byte arrays as blobs, the rest as text.
    struct Stored {
        Kind kind = Kind::Null;
        qint64 integer = 0;
        double real = 0.0;
        QString text;
        QByteArray blob;
    };
    static Stored storedForm(const QVariant &value);

    // Bytes held by the cells, the text pool and the blobs.
    std::size_t memoryBytes() const;

private:
    struct Column {
        std::vector<std::uint8_t> kinds;
        std::vector<std::uint64_t> payload; // integer, double bits, text offset|length, blob index
    };
    static std::uint64_t packText(std::uint32_t offset, std::uint32_t length)
    {
        return (std::uint64_t(offset) << 32) | length;
    }

    QStringList m_names;
    QStringList m_types;
    std::vector<Column> m_columns;
    std::vector<char16_t> m_textPool;
    std::vector<QByteArray> m_blobs;
    int m_rows = 0;
};
