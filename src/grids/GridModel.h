#pragma once
#include "CellFormatter.h"
#include "DataGrid.h"
#include "GridColumn.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <vector>

// The grid's model: the columns of a DataGrid over the rows of a DataSet in the set's sort order.
// It copies no rows; every cell is read from the result set when the view asks for it. Model
// column i is grid column i, which is also its position on screen.
//
// Footer sums are cached per column and recomputed only when the data set's content changes
// (not when it is merely sorted or the current row moves).
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject *parent = nullptr);

    void setDataSet(DataSet *dataSet);
    DataSet *dataSet() const { return m_dataSet; }

    const std::vector<GridColumn> &columns() const { return m_columns; }
    void setColumns(std::vector<GridColumn> columns);
    void setColumn(int index, const GridColumn &column);
    void moveColumn(int from, int to);
    // Field index of a column in the data set; -1 when the set has no such field.
    int fieldIndex(int column) const;

    void setEditable(bool on) { m_editable = on; }
    bool isEditable() const { return m_editable; }
    void setCellTextHook(DataGrid::CellTextHook hook);
    void setRowPaintHook(DataGrid::RowPaintHook hook);

    QString cellText(int row, int column) const;
    QString defaultCellText(int row, int column) const;
    QString footerText(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void footerChanged();

private:
    void prepareColumns();
    void dataSetReset();
    void dataSetRowChanged(int row);
    std::optional<DataGrid::RowStyle> rowStyle(int row) const;

    QPointer<DataSet> m_dataSet;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_fieldIndex;
    std::vector<CellFormatter> m_formatters;
    DataGrid::CellTextHook m_cellTextHook;
    DataGrid::RowPaintHook m_rowPaintHook;
    bool m_editable = false;

    // Sums by data set field, valid while m_sumRevision equals the set's content revision.
    mutable std::vector<std::optional<double>> m_sums;
    mutable quint64 m_sumRevision = ~quint64(0);
    // The last row asked for its style: a row's cells are painted one after another.
    mutable int m_styleRow = -1;
    mutable std::optional<DataGrid::RowStyle> m_style;
};
