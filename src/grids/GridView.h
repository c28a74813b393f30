#pragma once
#include <QTableView>

// The table view of a DataGrid: whole-row selection, fixed row height (no per-row measuring,
// so a million rows open at once), and the current row reported as a row number.
class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(QWidget *parent = nullptr);

signals:
    void currentRowChanged(int row);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};
