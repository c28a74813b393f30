#include "GridTable.h"

#include "PrintFonts.h"
#include "PrintPages.h"
#include "db/DataSet.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr double PaddingX = PrintPages::mm(1.0);
constexpr double PaddingY = PrintPages::mm(0.6);
constexpr double LineWidth = PrintPages::mm(0.15);
// A grid's widths are screen pixels at 96 per inch.
constexpr double DotsPerGridPixel = PrintPages::DotsPerInch / 96.0;
constexpr int SingleLine = Qt::AlignVCenter | Qt::TextSingleLine;

Qt::Alignment horizontal(Qt::Alignment alignment)
{
    const Qt::Alignment h = alignment & Qt::AlignHorizontal_Mask;
    return h ? h : Qt::AlignLeft;
}

} // namespace

GridTable::GridTable(const std::vector<GridColumn> &columns, const DataSet &data, double width,
                     Options options)
    : m_gridColumns(columns), m_defaultTexts(columns, data), m_options(std::move(options)),
      m_rows(data.rowCount())
{
    if (m_options.fitMode != FitStretchRows)
        m_options.fitMode = FitColumnWidths;
    const bool stretch = m_options.fitMode == FitStretchRows;

    // Columns in the proportions of their grid widths, filling the width.
    double gridWidth = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const GridColumn &grid = columns[i];
        if (!grid.visible)
            continue;
        Column column{int(i), {}, grid.title, horizontal(grid.alignment)};
        const qsizetype bar = grid.title.indexOf(u'|');
        if (bar >= 0) {
            column.group = grid.title.left(bar);
            column.title = grid.title.mid(bar + 1);
        }
        column.width = std::max(grid.width, 1);
        gridWidth += column.width;
        m_columns.push_back(column);
    }
    const double scale = gridWidth > 0 ? width / gridWidth : 1;
    double x = 0;
    for (Column &column : m_columns) {
        column.x = x;
        column.width *= scale;
        x += column.width;
    }
    for (int i = 0; i < int(m_columns.size()); ++i) {
        if (m_columns[std::size_t(i)].group.isNull())
            continue;
        if (!m_spans.empty() && m_spans.back().last == i - 1 &&
            m_columns[std::size_t(m_spans.back().first)].group == m_columns[std::size_t(i)].group)
            m_spans.back().last = i;
        else
            m_spans.push_back({i, i});
    }

    if (!m_options.footerTextsGiven) {
        m_options.footerTexts.clear();
        for (int i = 0; i < int(columns.size()); ++i)
            m_options.footerTexts << m_defaultTexts.footer(i);
    }
    for (const Column &column : m_columns)
        m_hasFooter |= !m_options.footerTexts.value(column.gridIndex).isEmpty();

    // A grid wider than the paper prints smaller when rows may stretch.
    const double natural = gridWidth * DotsPerGridPixel;
    const double shrink = stretch && natural > width ? width / natural : 1;
    m_font = PrintFonts::font(m_options.fontPoints * shrink);
    const QFontMetricsF metrics(m_font);
    m_lineHeight = metrics.height();

    m_titleRowHeight = m_lineHeight;
    if (stretch) {
        for (const Column &column : m_columns)
            m_titleRowHeight = std::max(
                m_titleRowHeight, textHeight(column.title, column.width - 2 * PaddingX, metrics));
    }
    m_titleRowHeight += 2 * PaddingY;
    if (!m_spans.empty()) {
        m_groupRowHeight = m_lineHeight;
        if (stretch) {
            for (const Span &span : m_spans) {
                const Column &first = m_columns[std::size_t(span.first)];
                const Column &last = m_columns[std::size_t(span.last)];
                m_groupRowHeight = std::max(
                    m_groupRowHeight,
                    textHeight(first.group, last.x + last.width - first.x - 2 * PaddingX, metrics));
            }
        }
        m_groupRowHeight += 2 * PaddingY;
    }

    if (stretch) {
        m_rowHeights.resize(std::size_t(m_rows));
        for (int row = 0; row < m_rows; ++row) {
            double height = m_lineHeight;
            for (const Column &column : m_columns)
                height = std::max(height, textHeight(cellText(row, column),
                                                     column.width - 2 * PaddingX, metrics));
            m_rowHeights[std::size_t(row)] = float(height + 2 * PaddingY);
        }
    }
}

QString GridTable::cellText(int row, const Column &column) const
{
    if (m_options.cellText)
        return m_options.cellText(row, column.gridIndex);
    return m_defaultTexts.cell(row, column.gridIndex);
}

double GridTable::textHeight(const QString &text, double width, const QFontMetricsF &metrics) const
{
    if (text.isEmpty())
        return m_lineHeight;
    if (!text.contains(u'\n') && metrics.horizontalAdvance(text) <= width)
        return m_lineHeight;
    const QRectF bounds =
        metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap | Qt::AlignLeft, text);
    // A word longer than the column breaks anywhere, as paintCell() does.
    if (bounds.width() > width + 0.5)
        return metrics
            .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWrapAnywhere | Qt::AlignLeft, text)
            .height();
    return std::max(bounds.height(), m_lineHeight);
}

double GridTable::rowHeight(int row) const
{
    if (m_options.fitMode == FitStretchRows)
        return m_rowHeights[std::size_t(row)];
    return m_lineHeight + 2 * PaddingY;
}

double GridTable::footerHeight() const
{
    double height = m_lineHeight;
    if (m_options.fitMode == FitStretchRows) {
        const QFontMetricsF metrics(m_font);
        for (const Column &column : m_columns)
            height = std::max(height, textHeight(m_options.footerTexts.value(column.gridIndex),
                                                 column.width - 2 * PaddingX, metrics));
    }
    return height + 2 * PaddingY;
}

void GridTable::limitRowHeight(double height)
{
    for (float &rowHeight : m_rowHeights)
        rowHeight = std::min(rowHeight, float(height));
}

int GridTable::rowsFitting(int from, double height) const
{
    if (m_options.fitMode == FitColumnWidths)
        return std::clamp(int(height / (m_lineHeight + 2 * PaddingY)), 0, m_rows - from);
    int row = from;
    double used = 0;
    while (row < m_rows && used + rowHeight(row) <= height) {
        used += rowHeight(row);
        ++row;
    }
    return row - from;
}

void GridTable::paintCell(QPainter &painter, const QRectF &rect, const QString &text,
                          Qt::Alignment alignment) const
{
    if (text.isEmpty())
        return;
    const QRectF inner = rect.adjusted(PaddingX, PaddingY, -PaddingX, -PaddingY);
    const QFontMetricsF metrics(m_font);
    if (m_options.fitMode == FitColumnWidths) {
        painter.drawText(inner, int(alignment) | SingleLine,
                         metrics.elidedText(text, Qt::ElideRight, inner.width()));
        return;
    }
    int flags = int(alignment) | Qt::AlignVCenter;
    if (text.contains(u'\n') || metrics.horizontalAdvance(text) > inner.width()) {
        const QRectF bounds =
            metrics.boundingRect(QRectF(0, 0, inner.width(), 1e9), Qt::TextWordWrap, text);
        flags |= bounds.width() > inner.width() + 0.5 ? Qt::TextWrapAnywhere : Qt::TextWordWrap;
    }
    painter.drawText(inner, flags, text);
}

double GridTable::paintTitles(QPainter &painter, double y) const
{
    painter.save();
    painter.setPen(QPen(Qt::black, LineWidth));
    painter.setFont(m_font);
    for (const Span &span : m_spans) {
        const Column &first = m_columns[std::size_t(span.first)];
        const Column &last = m_columns[std::size_t(span.last)];
        const QRectF rect(first.x, y, last.x + last.width - first.x, m_groupRowHeight);
        painter.fillRect(rect, m_options.titleColour);
        painter.drawRect(rect);
        paintCell(painter, rect, first.group, Qt::AlignHCenter);
    }
    for (const Column &column : m_columns) {
        const bool grouped = !column.group.isNull();
        const QRectF rect(column.x, grouped ? y + m_groupRowHeight : y, column.width,
                          grouped ? m_titleRowHeight : titlesHeight());
        painter.fillRect(rect, m_options.titleColour);
        painter.drawRect(rect);
        paintCell(painter, rect, column.title, Qt::AlignHCenter);
    }
    painter.restore();
    return y + titlesHeight();
}

double GridTable::paintRows(QPainter &painter, double y, int from, int to) const
{
    painter.save();
    painter.setPen(QPen(Qt::black, LineWidth));
    painter.setFont(m_font);
    for (int row = from; row < to; ++row) {
        const double height = rowHeight(row);
        for (const Column &column : m_columns) {
            const QRectF rect(column.x, y, column.width, height);
            painter.drawRect(rect);
            paintCell(painter, rect, cellText(row, column),
                      column.alignment); // clipped to the cell
        }
        y += height;
    }
    painter.restore();
    return y;
}

double GridTable::paintFooter(QPainter &painter, double y) const
{
    if (!m_hasFooter)
        return y;
    painter.save();
    painter.setPen(QPen(Qt::black, LineWidth));
    painter.setFont(m_font);
    const double height = footerHeight();
    for (const Column &column : m_columns) {
        const QRectF rect(column.x, y, column.width, height);
        painter.fillRect(rect, m_options.footerColour);
        painter.drawRect(rect);
        paintCell(painter, rect, m_options.footerTexts.value(column.gridIndex), column.alignment);
    }
    painter.restore();
    return y + height;
}
