#include "GridHeader.h"

#include "GridModel.h"

#include <QPainter>
#include <QPainterPath>

GridHeader::GridHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setDefaultAlignment(Qt::AlignCenter);
    setMinimumSectionSize(8);
}

const GridModel *GridHeader::gridModel() const
{
    return qobject_cast<const GridModel *>(model());
}

void GridHeader::titlesChanged()
{
    const GridModel *m = gridModel();
    const bool twoLevels = m && TitleGroups::hasGroups(m->columns());
    m_spans = m ? TitleGroups::spans(m->columns()) : std::vector<TitleGroups::Span>();
    if (twoLevels != m_twoLevels) {
        m_twoLevels = twoLevels;
        updateGeometry();
        emit geometriesChanged(); // the view lays its viewport out again
    }
    viewport()->update();
}

TitleGroups::Span GridHeader::groupSpan(int column) const
{
    if (column < 0 || column >= int(m_spans.size()))
        return {};
    return m_spans[std::size_t(column)];
}

int GridHeader::lineHeight() const
{
    return fontMetrics().height() + 6;
}

QSize GridHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setHeight(lineHeight() * (m_twoLevels ? 2 : 1));
    return size;
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    const GridModel *m = gridModel();
    if (!m || !rect.isValid() || logicalIndex >= int(m->columns().size()))
        return;
    const GridColumn &column = m->columns()[std::size_t(logicalIndex)];
    const TitleGroups::Parts parts = TitleGroups::split(column.title);
    const TitleGroups::Span span = groupSpan(logicalIndex);
    const QColor line = titleColor().darker(160);

    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, titleColor());
    painter->setPen(palette().color(QPalette::ButtonText));

    QRect captionRect = rect;
    if (!parts.group.isEmpty()) {
        const int groupHeight = rect.height() / 2;
        const int left = sectionViewportPosition(span.first);
        const int right = sectionViewportPosition(span.last) + sectionSize(span.last);
        const QRect groupRect(left, rect.top(), right - left, groupHeight);
        // Every section paints its slice of the group text; the slices join on screen.
        painter->drawText(groupRect.adjusted(2, 0, -2, 0), Qt::AlignCenter, parts.group);
        painter->setPen(line);
        painter->drawLine(rect.left(), rect.top() + groupHeight - 1, rect.right(),
                          rect.top() + groupHeight - 1);
        if (logicalIndex == span.last)
            painter->drawLine(rect.right(), rect.top(), rect.right(), groupRect.bottom());
        painter->setPen(palette().color(QPalette::ButtonText));
        captionRect.setTop(rect.top() + groupHeight);
    } else if (m_twoLevels) {
        captionRect = rect; // a one-level title fills both lines
    }

    const int markerWidth = column.sortMarker == GridColumn::SortMarker::None ? 0 : 10;
    const QRect textRect = captionRect.adjusted(2, 0, -2 - markerWidth, 0);
    const QString caption =
        painter->fontMetrics().elidedText(parts.caption, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignCenter, caption);

    if (markerWidth > 0) {
        const int cx = captionRect.right() - 7;
        const int cy = captionRect.center().y();
        QPainterPath triangle;
        if (column.sortMarker == GridColumn::SortMarker::Ascending) {
            triangle.moveTo(cx - 3, cy + 2);
            triangle.lineTo(cx + 3, cy + 2);
            triangle.lineTo(cx, cy - 2);
        } else {
            triangle.moveTo(cx - 3, cy - 2);
            triangle.lineTo(cx + 3, cy - 2);
            triangle.lineTo(cx, cy + 2);
        }
        triangle.closeSubpath();
        painter->fillPath(triangle, palette().color(QPalette::ButtonText));
    }

    painter->setPen(line);
    painter->drawLine(rect.right(), captionRect.top(), rect.right(), rect.bottom());
    painter->drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    painter->restore();
}
