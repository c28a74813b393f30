#include "GridPrinter.h"

#include "PrintFonts.h"
#include "db/DataSet.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {
constexpr double PageTextGap = PrintPages::mm(2.0);
constexpr int SingleLine = Qt::AlignVCenter | Qt::TextSingleLine;
} // namespace

GridPrinter::GridPrinter(std::vector<GridColumn> columns, const DataSet &data, Texts texts,
                         int fitMode)
    : m_columns(std::move(columns)), m_data(data), m_texts(std::move(texts))
{
    m_options.fitMode = fitMode == FitStretchRows ? FitStretchRows : FitColumnWidths;
    m_titleFont = PrintFonts::font(16, true);
    m_pageFont = PrintFonts::font(9);
}

GridPrinter::~GridPrinter() = default;

void GridPrinter::setCellText(CellTextFunction cellText)
{
    m_options.cellText = std::move(cellText);
    m_table.reset();
}

void GridPrinter::setFooterTexts(const QStringList &texts)
{
    m_options.footerTexts = texts;
    m_options.footerTextsGiven = true;
    m_table.reset();
}

void GridPrinter::layout()
{
    const QSizeF content = contentSize();
    m_table = std::make_unique<GridTable>(m_columns, m_data, content.width(), m_options);

    const QFontMetricsF page(m_pageFont);
    double top = 3 * QFontMetricsF(m_titleFont).height(); // empty line, title, empty line
    if (!m_texts.headerLeft.trimmed().isEmpty())
        top += page.height() + PageTextGap;
    const double bottom = m_texts.footerRight.trimmed().isEmpty() ? 0 : PageTextGap + page.height();
    const double body =
        std::max(content.height() - top - bottom - m_table->titlesHeight(), PrintPages::mm(10));

    m_table->limitRowHeight(body);
    const int rows = m_table->rowCount();
    m_pageStarts.assign(1, 0);
    double used = 0;
    for (int row = 0; row < rows;) {
        // At least one row a page: a row taller than the page is cut at its foot.
        const int fit = std::max(1, m_table->rowsFitting(row, body));
        row += fit;
        if (row < rows)
            m_pageStarts.push_back(row);
        else
            for (int r = row - fit; r < row; ++r)
                used += m_table->rowHeight(r);
    }
    m_pageStarts.push_back(rows);
    m_footerOnOwnPage = m_table->hasFooter() && used > 0 && used + m_table->footerHeight() > body;
}

int GridPrinter::pageCount()
{
    if (!m_table)
        layout();
    return int(m_pageStarts.size()) - 1 + (m_footerOnOwnPage ? 1 : 0);
}

void GridPrinter::paintPage(QPainter &painter, int index)
{
    const int pages = pageCount();
    if (index < 0 || index >= pages)
        return;
    const QSizeF content = contentSize();
    painter.save();
    painter.setPen(Qt::black);
    double y = 0;

    const QFontMetricsF page(m_pageFont);
    if (!m_texts.headerLeft.trimmed().isEmpty()) {
        painter.setFont(m_pageFont);
        painter.drawText(QRectF(0, y, content.width(), page.height()), Qt::AlignLeft | SingleLine,
                         m_texts.headerLeft);
        y += page.height() + PageTextGap;
    }
    const double titleLine = QFontMetricsF(m_titleFont).height();
    painter.setFont(m_titleFont);
    painter.drawText(QRectF(0, y + titleLine, content.width(), titleLine),
                     Qt::AlignHCenter | SingleLine, m_texts.title);
    y += 3 * titleLine;

    y = m_table->paintTitles(painter, y);
    const bool footerPage = m_footerOnOwnPage && index == pages - 1;
    if (!footerPage) {
        const int from = m_pageStarts[std::size_t(index)];
        const int to = m_pageStarts[std::size_t(index) + 1];
        y = m_table->paintRows(painter, y, from, to);
    }
    if (index == pages - 1)
        m_table->paintFooter(painter, y);

    if (!m_texts.footerRight.trimmed().isEmpty()) {
        painter.setFont(m_pageFont);
        painter.drawText(
            QRectF(0, content.height() - page.height(), content.width(), page.height()),
            Qt::AlignRight | SingleLine, m_texts.footerRight);
    }
    painter.restore();
}
