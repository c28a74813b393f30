#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// Reads back the first sheet of an .xlsx file written by the export: cell values, their kinds
// and their number formats, straight from the package's XML.
class XlsxReader {
public:
    explicit XlsxReader(const QString &path);

    bool isValid() const { return m_valid; }
    QString sheetName() const { return m_sheetName; }

    // Cells by reference ("A1"); a cell that was not written is absent.
    bool has(const QString &ref) const { return m_cells.contains(ref); }
    QString text(const QString &ref) const { return m_cells.value(ref).value; }
    // "s" shared string, "inlineStr", "str", "n" number (also for dates)
    QString kind(const QString &ref) const { return m_cells.value(ref).kind; }
    QString numberFormat(const QString &ref) const;
    double number(const QString &ref) const { return text(ref).toDouble(); }
    int rowCount() const { return m_rows; }

private:
    struct Cell {
        QString value;
        QString kind;
        int style = 0;
    };
    QByteArray entry(const QString &name) const;
    void readStrings(const QByteArray &xml);
    void readStyles(const QByteArray &xml);
    void readSheet(const QByteArray &xml);

    QString m_path;
    bool m_valid = false;
    QString m_sheetName;
    QStringList m_strings;
    QHash<int, QString> m_formats; // numFmtId -> code
    QList<int> m_cellFormats;      // cellXfs index -> numFmtId
    QHash<QString, Cell> m_cells;
    int m_rows = 0;
};
