#pragma once
#include "ResultSet.h"
#include "SortSpec.h"
#include "SqlParams.h"

#include <QObject>
#include <vector>

// A query's rows as windows use them: a result set seen through a client-side sort order, with a
// current row and the BOF/EOF flags of a dataset cursor. Grids, editors, reports and exports all
// read the same DataSet; windows never copy rows into widgets.
//
// Cursor rules: opening or First() sets BOF; Last() sets EOF; Next() on the last row sets EOF and
// stays; Prior() on the first row sets BOF and stays; any other move clears both. An empty set
// has BOF and EOF and no current row (-1).
class DataSet : public QObject {
    Q_OBJECT
public:
    explicit DataSet(QObject *parent = nullptr);

    // The statement this set was last opened with (kept so that a window can reopen it).
    QString sql() const { return m_sql; }
    SqlParams params() const { return m_params; }
    void setStatement(const QString &sql, const SqlParams &params = {});

    // Replaces the rows; the sort text is kept and applied again; the cursor goes to the first row.
    void setRows(ResultSet rows);
    void clear();
    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

    const ResultSet &rows() const { return m_rows; }
    int rowCount() const { return int(m_order.size()); }
    bool isEmpty() const { return m_order.empty(); }
    int columnCount() const { return m_rows.columnCount(); }
    int fieldIndex(QStringView field) const { return m_rows.columnIndex(field); }
    // The storage row behind a row in sort order.
    int sourceRow(int row) const { return m_order[std::size_t(row)]; }

    QVariant value(int row, int column) const { return m_rows.value(sourceRow(row), column); }
    QVariant value(int row, QStringView field) const;
    QString text(int row, int column) const { return m_rows.text(sourceRow(row), column); }
    QString text(int row, QStringView field) const;
    double number(int row, int column) const { return m_rows.number(sourceRow(row), column); }

    // Values of the current row; null / empty when there is none or the field is unknown.
    QVariant fieldValue(QStringView field) const;
    QString fieldText(QStringView field) const;

    // Editable grids write through these; they emit rowChanged.
    void setValue(int row, int column, const QVariant &value);
    int appendRow(); // appended after the last row in sort order; becomes current

    int currentRow() const { return m_current; }
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    void first();
    void last();
    void next();
    void prior();
    // Moves to a row (a click in a grid); clears BOF and EOF.
    bool moveTo(int row);

    enum class Match { Exact, CaseInsensitive };
    // Makes the first row whose field equals value current; false (cursor unchanged) when none.
    bool locate(QStringView field, const QVariant &value, Match match = Match::Exact);
    int find(QStringView field, const QVariant &value, Match match = Match::Exact) const;

    // Client-side sort, stable; numbers compare as numbers, texts without regard to case,
    // "yyyy-MM-dd" dates therefore in date order; nulls first. Unknown fields are skipped.
    // The current row stays the same record.
    void setSort(const QString &sortText);
    QString sort() const { return m_sortText; }
    std::vector<SortKey> sortKeys() const { return SortSpec::parse(m_sortText); }

    // Sum of a column over all rows (footers).
    double sum(int column) const;
    // Changes whenever rows or values change, not when the rows are sorted or the cursor moves:
    // lets footers keep their sums across sorts.
    quint64 revision() const { return m_revision; }

signals:
    void rowsReset();            // new rows or a new order
    void currentChanged(int row);
    void rowChanged(int row);

private:
    void applySort();
    void setCurrent(int row, bool bof, bool eof);

    QString m_sql;
    SqlParams m_params;
    ResultSet m_rows;
    std::vector<int> m_order;
    QString m_sortText;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    bool m_active = false;
    quint64 m_revision = 0;
};
