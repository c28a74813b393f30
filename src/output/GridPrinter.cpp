#include "GridPrinter.h"

#include "PrintFonts.h"
#include "db/DataSet.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

const QColor TitleColour(255, 205, 155);
const QColor FooterColour(240, 240, 240);
constexpr double PaddingX = PrintPages::mm(1.0);
constexpr double PaddingY = PrintPages::mm(0.6);
constexpr double LineWidth = PrintPages::mm(0.15);
constexpr double PageTextGap = PrintPages::mm(2.0);
// A grid's widths are screen pixels at 96 per inch.
constexpr double DotsPerGridPixel = PrintPages::DotsPerInch / 96.0;

constexpr int SingleLine = Qt::AlignVCenter | Qt::TextSingleLine;

Qt::Alignment horizontal(Qt::Alignment alignment)
{
    const Qt::Alignment h = alignment & Qt::AlignHorizontal_Mask;
    return h ? h : Qt::AlignLeft;
}

} // namespace

GridPrinter::GridPrinter(std::vector<GridColumn> columns, const DataSet &data, Texts texts,
                         int fitMode)
    : m_gridColumns(std::move(columns)), m_data(data), m_defaultTexts(m_gridColumns, data),
      m_texts(std::move(texts)),
      m_fitMode(fitMode == FitStretchRows ? FitStretchRows : FitColumnWidths)
{
}

void GridPrinter::setCellText(CellTextFunction cellText)
{
    m_cellText = std::move(cellText);
    m_laidOut = false;
}

void GridPrinter::setFooterTexts(const QStringList &texts)
{
    m_footerTexts = texts;
    m_footerTextsSet = true;
    m_laidOut = false;
}

QString GridPrinter::cellText(int row, const Column &column) const
{
    if (m_cellText)
        return m_cellText(row, column.gridIndex);
    return m_defaultTexts.cell(row, column.gridIndex);
}

bool GridPrinter::hasFooter() const
{
    for (const Column &column : m_columns) {
        if (!m_footerTexts.value(column.gridIndex).isEmpty())
            return true;
    }
    return false;
}

double GridPrinter::textHeight(const QString &text, double width,
                               const QFontMetricsF &metrics) const
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

void GridPrinter::layout()
{
    m_laidOut = true;
    const QSizeF content = contentSize();

    // Columns
    m_columns.clear();
    double gridWidth = 0;
    for (std::size_t i = 0; i < m_gridColumns.size(); ++i) {
        const GridColumn &grid = m_gridColumns[i];
        if (!grid.visible)
            continue;
        Column column{
            int(i), m_data.fieldIndex(grid.fieldName), {}, grid.title, horizontal(grid.alignment)};
        const qsizetype bar = grid.title.indexOf(u'|');
        if (bar >= 0) {
            column.group = grid.title.left(bar);
            column.title = grid.title.mid(bar + 1);
        }
        column.width = std::max(grid.width, 1);
        gridWidth += column.width;
        m_columns.push_back(column);
    }
    const double scale = gridWidth > 0 ? content.width() / gridWidth : 1;
    double x = 0;
    for (Column &column : m_columns) {
        column.x = x;
        column.width *= scale;
        x += column.width;
    }
    m_spans.clear();
    m_twoLevel = false;
    for (int i = 0; i < int(m_columns.size()); ++i) {
        if (m_columns[std::size_t(i)].group.isNull())
            continue;
        m_twoLevel = true;
        if (!m_spans.empty() && m_spans.back().last == i - 1 &&
            m_columns[std::size_t(m_spans.back().first)].group == m_columns[std::size_t(i)].group)
            m_spans.back().last = i;
        else
            m_spans.push_back({i, i});
    }
    if (!m_footerTextsSet) {
        m_footerTexts.clear();
        for (int i = 0; i < int(m_gridColumns.size()); ++i)
            m_footerTexts << m_defaultTexts.footer(i);
    }

    // Fonts: a grid wider than the page prints smaller in the stretching mode.
    const double natural = gridWidth * DotsPerGridPixel;
    const double shrink =
        m_fitMode == FitStretchRows && natural > content.width() ? content.width() / natural : 1;
    m_cellFont = PrintFonts::font(9 * shrink);
    m_titleFont = PrintFonts::font(16, true);
    m_pageFont = PrintFonts::font(9);
    const QFontMetricsF cell(m_cellFont);
    m_lineHeight = cell.height();
    const double rowPadding = 2 * PaddingY;

    // Column titles
    m_groupRowHeight = 0;
    m_titleRowHeight = m_lineHeight;
    if (m_fitMode == FitStretchRows) {
        for (const Column &column : m_columns)
            m_titleRowHeight = std::max(
                m_titleRowHeight, textHeight(column.title, column.width - 2 * PaddingX, cell));
    }
    m_titleRowHeight += rowPadding;
    if (m_twoLevel) {
        m_groupRowHeight = m_lineHeight;
        if (m_fitMode == FitStretchRows) {
            for (const Span &span : m_spans) {
                const Column &first = m_columns[std::size_t(span.first)];
                const Column &last = m_columns[std::size_t(span.last)];
                m_groupRowHeight = std::max(
                    m_groupRowHeight,
                    textHeight(first.group, last.x + last.width - first.x - 2 * PaddingX, cell));
            }
        }
        m_groupRowHeight += rowPadding;
    }

    // Page blocks
    const QFontMetricsF page(m_pageFont);
    const QFontMetricsF title(m_titleFont);
    m_topHeight = 0;
    if (!m_texts.headerLeft.trimmed().isEmpty())
        m_topHeight += page.height() + PageTextGap;
    m_topHeight += 3 * title.height(); // empty line, title, empty line
    m_topHeight += m_groupRowHeight + m_titleRowHeight;
    m_bottomHeight = m_texts.footerRight.trimmed().isEmpty() ? 0 : PageTextGap + page.height();
    const double body = std::max(content.height() - m_topHeight - m_bottomHeight, m_lineHeight);

    // Rows
    const int rows = m_data.rowCount();
    m_rowHeights.clear();
    if (m_fitMode == FitStretchRows) {
        m_rowHeights.resize(std::size_t(rows));
        for (int row = 0; row < rows; ++row) {
            double height = m_lineHeight;
            for (const Column &column : m_columns)
                height = std::max(
                    height, textHeight(cellText(row, column), column.width - 2 * PaddingX, cell));
            m_rowHeights[std::size_t(row)] = float(std::min(height + rowPadding, body));
        }
    }

    m_pageStarts.assign(1, 0);
    double used = 0;
    for (int row = 0; row < rows; ++row) {
        const double height = rowHeight(row);
        if (used + height > body && used > 0) {
            m_pageStarts.push_back(row);
            used = 0;
        }
        used += height;
    }
    m_pageStarts.push_back(rows);
    m_footerOnOwnPage = hasFooter() && used > 0 && used + footerHeight() > body;
}

double GridPrinter::rowHeight(int row) const
{
    if (m_fitMode == FitStretchRows)
        return m_rowHeights[std::size_t(row)];
    return m_lineHeight + 2 * PaddingY;
}

double GridPrinter::footerHeight() const
{
    double height = m_lineHeight;
    if (m_fitMode == FitStretchRows) {
        const QFontMetricsF cell(m_cellFont);
        for (const Column &column : m_columns)
            height = std::max(height, textHeight(m_footerTexts.value(column.gridIndex),
                                                 column.width - 2 * PaddingX, cell));
    }
    return height + 2 * PaddingY;
}

int GridPrinter::pageCount()
{
    if (!m_laidOut)
        layout();
    return int(m_pageStarts.size()) - 1 + (m_footerOnOwnPage ? 1 : 0);
}

void GridPrinter::paintCell(QPainter &painter, const QRectF &rect, const QString &text,
                            Qt::Alignment alignment) const
{
    if (text.isEmpty())
        return;
    const QRectF inner = rect.adjusted(PaddingX, PaddingY, -PaddingX, -PaddingY);
    if (m_fitMode == FitColumnWidths) {
        const QString shown =
            QFontMetricsF(painter.font()).elidedText(text, Qt::ElideRight, inner.width());
        painter.drawText(inner, int(alignment) | SingleLine, shown);
        return;
    }
    const QFontMetricsF metrics(painter.font());
    int flags = int(alignment) | Qt::AlignVCenter;
    if (text.contains(u'\n') || metrics.horizontalAdvance(text) > inner.width()) {
        const QRectF bounds =
            metrics.boundingRect(QRectF(0, 0, inner.width(), 1e9), Qt::TextWordWrap, text);
        flags |= bounds.width() > inner.width() + 0.5 ? Qt::TextWrapAnywhere : Qt::TextWordWrap;
    }
    painter.drawText(inner, flags, text);
}

double GridPrinter::paintTitles(QPainter &painter, double y) const
{
    const double height = m_groupRowHeight + m_titleRowHeight;
    painter.setFont(m_cellFont);
    for (const Span &span : m_spans) {
        const Column &first = m_columns[std::size_t(span.first)];
        const Column &last = m_columns[std::size_t(span.last)];
        const QRectF rect(first.x, y, last.x + last.width - first.x, m_groupRowHeight);
        painter.fillRect(rect, TitleColour);
        painter.drawRect(rect);
        paintCell(painter, rect, first.group, Qt::AlignHCenter);
    }
    for (const Column &column : m_columns) {
        const bool grouped = !column.group.isNull();
        const QRectF rect(column.x, grouped ? y + m_groupRowHeight : y, column.width,
                          grouped ? m_titleRowHeight : height);
        painter.fillRect(rect, TitleColour);
        painter.drawRect(rect);
        paintCell(painter, rect, column.title, Qt::AlignHCenter);
    }
    return y + height;
}

void GridPrinter::paintPage(QPainter &painter, int index)
{
    const int pages = pageCount();
    if (index < 0 || index >= pages)
        return;
    const QSizeF content = contentSize();
    painter.save();
    painter.setPen(QPen(Qt::black, LineWidth));
    painter.setBrush(Qt::NoBrush);
    double y = 0;

    const QFontMetricsF page(m_pageFont);
    if (!m_texts.headerLeft.trimmed().isEmpty()) {
        painter.setFont(m_pageFont);
        painter.drawText(QRectF(0, y, content.width(), page.height()), Qt::AlignLeft | SingleLine,
                         m_texts.headerLeft);
        y += page.height() + PageTextGap;
    }
    const QFontMetricsF title(m_titleFont);
    y += title.height();
    painter.setFont(m_titleFont);
    painter.drawText(QRectF(0, y, content.width(), title.height()), Qt::AlignHCenter | SingleLine,
                     m_texts.title);
    y += 2 * title.height();

    y = paintTitles(painter, y);

    painter.setFont(m_cellFont);
    const bool footerPage = m_footerOnOwnPage && index == pages - 1;
    if (!footerPage) {
        const int from = m_pageStarts[std::size_t(index)];
        const int to = m_pageStarts[std::size_t(index) + 1];
        for (int row = from; row < to; ++row) {
            const double height = rowHeight(row);
            for (const Column &column : m_columns) {
                const QRectF rect(column.x, y, column.width, height);
                painter.drawRect(rect);
                paintCell(painter, rect, cellText(row, column), column.alignment);
            }
            y += height;
        }
    }
    if (index == pages - 1 && hasFooter()) {
        const double height = footerHeight();
        for (const Column &column : m_columns) {
            const QRectF rect(column.x, y, column.width, height);
            painter.fillRect(rect, FooterColour);
            painter.drawRect(rect);
            paintCell(painter, rect, m_footerTexts.value(column.gridIndex), column.alignment);
        }
    }

    if (!m_texts.footerRight.trimmed().isEmpty()) {
        painter.setFont(m_pageFont);
        painter.drawText(
            QRectF(0, content.height() - page.height(), content.width(), page.height()),
            Qt::AlignRight | SingleLine, m_texts.footerRight);
    }
    painter.restore();
}
