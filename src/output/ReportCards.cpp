#include "ReportCards.h"

#include "PrintFonts.h"
#include "PrintPages.h"
#include "db/DataSet.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {
constexpr double PaddingX = PrintPages::mm(1.0);
constexpr double PaddingY = PrintPages::mm(0.6);
constexpr double LineWidth = PrintPages::mm(0.15);
constexpr double LabelShare = 0.15; // of the width, for each title; values get 0.35
const QColor LabelColour(230, 230, 230);
constexpr int PairsPerLine = 2;

QString label(const GridColumn &column)
{
    QString title = column.title;
    title.replace(u'|', u' ');
    return title;
}
} // namespace

ReportCards::ReportCards(const std::vector<GridColumn> &columns, const DataSet &data, double width)
    : m_columns(columns), m_texts(columns, data), m_width(width)
{
    m_font = PrintFonts::font(9);
    m_boldFont = PrintFonts::font(9, true);
    const QFontMetricsF metrics(m_font);
    m_textLine = metrics.height();
    const int lines = (int(columns.size()) + PairsPerLine - 1) / PairsPerLine;
    m_heights.resize(std::size_t(data.rowCount()));
    for (int row = 0; row < data.rowCount(); ++row) {
        double height = m_textLine + 2 * PaddingY; // the record's number
        for (int line = 0; line < lines; ++line)
            height += lineHeight(row, line, metrics);
        m_heights[std::size_t(row)] = float(height);
    }
}

double ReportCards::gap()
{
    return PrintPages::mm(3);
}

double ReportCards::lineHeight(int row, int line, const QFontMetricsF &metrics) const
{
    double height = m_textLine;
    const double labelWidth = m_width * LabelShare - 2 * PaddingX;
    const double valueWidth = m_width * (0.5 - LabelShare) - 2 * PaddingX;
    for (int pair = 0; pair < PairsPerLine; ++pair) {
        const int column = line * PairsPerLine + pair;
        if (column >= int(m_columns.size()))
            break;
        const QString value = m_texts.cell(row, column);
        for (const auto &[text, width] :
             {std::pair{label(m_columns[std::size_t(column)]), labelWidth},
              std::pair{value, valueWidth}}) {
            if (text.isEmpty() ||
                (!text.contains(u'\n') && metrics.horizontalAdvance(text) <= width))
                continue;
            height = std::max(
                height, metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWrapAnywhere, text)
                            .height());
        }
    }
    return height + 2 * PaddingY;
}

double ReportCards::paint(QPainter &painter, double y, int row) const
{
    painter.save();
    painter.setPen(QPen(Qt::black, LineWidth));
    const QFontMetricsF metrics(m_font);
    const double head = m_textLine + 2 * PaddingY;
    QRectF rect(0, y, m_width, head);
    painter.fillRect(rect, LabelColour);
    painter.drawRect(rect);
    painter.setFont(m_boldFont);
    painter.drawText(rect.adjusted(PaddingX, PaddingY, -PaddingX, -PaddingY),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::number(row + 1));
    y += head;

    painter.setFont(m_font);
    const int lines = (int(m_columns.size()) + PairsPerLine - 1) / PairsPerLine;
    const double pairWidth = m_width / PairsPerLine;
    for (int line = 0; line < lines; ++line) {
        const double height = lineHeight(row, line, metrics);
        for (int pair = 0; pair < PairsPerLine; ++pair) {
            const int column = line * PairsPerLine + pair;
            const double x = pair * pairWidth;
            const QRectF labelRect(x, y, m_width * LabelShare, height);
            const QRectF valueRect(labelRect.right(), y, pairWidth - labelRect.width(), height);
            painter.fillRect(labelRect, LabelColour);
            painter.drawRect(labelRect);
            painter.drawRect(valueRect);
            if (column >= int(m_columns.size()))
                continue;
            const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWrapAnywhere;
            painter.drawText(labelRect.adjusted(PaddingX, PaddingY, -PaddingX, -PaddingY), flags,
                             label(m_columns[std::size_t(column)]));
            painter.drawText(valueRect.adjusted(PaddingX, PaddingY, -PaddingX, -PaddingY), flags,
                             m_texts.cell(row, column));
        }
        y += height;
    }
    painter.restore();
    return y;
}
