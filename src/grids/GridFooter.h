#pragma once
#include <QWidget>

class GridModel;
class QTableView;

// The footer row under the grid's rows: one cell per shown column, painted at the column's
// place on screen, so it follows widths, moves, hidden columns and horizontal scrolling.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    GridFooter(QTableView *view, GridModel *model, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTableView *m_view;
    GridModel *m_model;
};
