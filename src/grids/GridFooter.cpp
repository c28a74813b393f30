#include "GridFooter.h"

#include "GridModel.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

GridFooter::GridFooter(QTableView *view, GridModel *model, QWidget *parent)
    : QWidget(parent), m_view(view), m_model(model)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QHeaderView *header = view->horizontalHeader();
    auto repaint = [this] { update(); };
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    connect(model, &GridModel::footerChanged, this, repaint);
    connect(model, &QAbstractItemModel::modelReset, this, repaint);
}

QSize GridFooter::sizeHint() const
{
    return {100, fontMetrics().height() + 6};
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const QRect viewport = m_view->viewport()->geometry(); // in the view's coordinates
    const int left = m_view->geometry().left() + viewport.left() - geometry().left();
    painter.setClipRect(QRect(left, 0, viewport.width(), height()));
    const QHeaderView *header = m_view->horizontalHeader();
    const QColor line = palette().color(QPalette::Mid);
    for (int column = 0; column < m_model->columnCount(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const QRect cell(left + header->sectionViewportPosition(column), 0,
                         header->sectionSize(column), height());
        if (cell.right() < left || cell.left() > left + viewport.width())
            continue;
        painter.setPen(line);
        painter.drawLine(cell.topRight(), cell.bottomRight());
        const QString text = m_model->footerText(column);
        if (text.isEmpty())
            continue;
        painter.setPen(palette().color(QPalette::ButtonText));
        const Qt::Alignment align =
            (m_model->columns()[std::size_t(column)].alignment & Qt::AlignHorizontal_Mask) |
            Qt::AlignVCenter;
        painter.drawText(cell.adjusted(3, 0, -3, 0), int(align), text);
    }
    painter.setPen(line);
    painter.drawLine(rect().topLeft(), rect().topRight());
}
