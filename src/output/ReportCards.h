#pragma once
#include "ColumnTexts.h"
#include "grids/GridColumn.h"

#include <QFont>
#include <vector>

class DataSet;
class QFontMetricsF;
class QPainter;

// The {{cards}} part of a report, measured and painted in print dots: every record as a framed
// block headed by its number, its fields as title/value pairs, two pairs to a line, values
// wrapped to their width. A record is never split over two pages.
class ReportCards {
public:
    ReportCards(const std::vector<GridColumn> &columns, const DataSet &data, double width);

    int rowCount() const { return int(m_heights.size()); }
    double height(int row) const { return m_heights[std::size_t(row)]; }
    static double gap();
    // Returns the y below the card.
    double paint(QPainter &painter, double y, int row) const;

private:
    double lineHeight(int row, int line, const QFontMetricsF &metrics) const;

    const std::vector<GridColumn> &m_columns;
    ColumnTexts m_texts;
    double m_width;
    QFont m_font, m_boldFont;
    double m_textLine = 0;
    std::vector<float> m_heights;
};
