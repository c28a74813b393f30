#pragma once
#include "PrintPages.h"
#include "grids/GridColumn.h"

#include "ColumnTexts.h"

#include <QFont>
#include <QStringList>
#include <functional>
#include <vector>

class DataSet;
class QFontMetricsF;

// Lays a grid out on pages: its visible columns in grid order and its rows in the data set's
// order. Every page carries the page header's left text, the three title lines (empty, title,
// empty), the column titles (two rows where titles are "group|title") in the grid's title colour,
// and the page footer's right text; the footer row (sums) follows the last row.
//
// Both fit modes fit the grid to the page width, the columns keeping the proportions of their
// grid widths. FitStretchRows (0) scales the print font down with a grid wider than the page and
// lets rows grow to wrap long texts; FitColumnWidths (1) keeps the print font and cuts texts to
// one line.
class GridPrinter : public PrintPages {
public:
    enum FitMode { FitStretchRows = 0, FitColumnWidths = 1 };
    struct Texts {
        QString title;
        QString headerLeft;
        QString footerRight;
    };
    // The text of a cell: data set row (in sort order) and index in the column list.
    using CellTextFunction = std::function<QString(int row, int column)>;

    GridPrinter(std::vector<GridColumn> columns, const DataSet &data, Texts texts, int fitMode);

    // Replaces the default cell texts (ColumnTexts: the grid's formatter under each column's
    // display format), for example by the grid's own texts with its hooks.
    void setCellText(CellTextFunction cellText);
    // The footer texts, one per column of the list; by default ColumnTexts::footer.
    void setFooterTexts(const QStringList &texts);

    int fitMode() const { return m_fitMode; }
    const Texts &texts() const { return m_texts; }

    int pageCount() override;
    void paintPage(QPainter &painter, int index) override;

protected:
    void relayout() override { m_laidOut = false; }

private:
    struct Column {
        int gridIndex;
        int dataColumn;
        QString group; // null without a group title
        QString title;
        Qt::Alignment alignment;
        double x = 0;
        double width = 0;
    };
    struct Span { // a group title over adjacent columns
        int first;
        int last;
    };

    void layout();
    QString cellText(int row, const Column &column) const;
    double textHeight(const QString &text, double width, const QFontMetricsF &metrics) const;
    double rowHeight(int row) const;
    double footerHeight() const;
    void paintCell(QPainter &painter, const QRectF &rect, const QString &text,
                   Qt::Alignment alignment) const;
    double paintTitles(QPainter &painter, double y) const;
    bool hasFooter() const;

    std::vector<GridColumn> m_gridColumns;
    const DataSet &m_data;
    ColumnTexts m_defaultTexts;
    Texts m_texts;
    int m_fitMode;
    CellTextFunction m_cellText;
    QStringList m_footerTexts;
    bool m_footerTextsSet = false;

    // Layout, made on the first pageCount() after a change
    bool m_laidOut = false;
    std::vector<Column> m_columns;
    std::vector<Span> m_spans;
    bool m_twoLevel = false;
    QFont m_cellFont, m_titleFont, m_pageFont;
    double m_lineHeight = 0;
    double m_groupRowHeight = 0, m_titleRowHeight = 0;
    double m_topHeight = 0, m_bottomHeight = 0;
    std::vector<float> m_rowHeights; // FitStretchRows only
    std::vector<int> m_pageStarts;   // first row of each page, then the row count
    bool m_footerOnOwnPage = false;
};
