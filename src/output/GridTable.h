#pragma once
#include "ColumnTexts.h"
#include "grids/GridColumn.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <functional>
#include <vector>

class DataSet;
class QFontMetricsF;
class QPainter;
class QRectF;

// The table of a grid printout or a report, measured and painted in print dots (PrintPages):
// the visible columns in grid order fitted to a width in the proportions of their grid widths,
// the column titles (two rows where titles are "group|title", a group over adjacent columns),
// the rows in the data set's order and the footer row.
//
// FitStretchRows scales the font down for a grid wider than the width and lets rows grow to
// wrap long texts; FitColumnWidths keeps the font and cuts texts to one line, so every row has
// the same height and a table of any length paginates at once.
class GridTable {
public:
    enum FitMode { FitStretchRows = 0, FitColumnWidths = 1 };
    // The text of a cell: data set row (in sort order) and index in the column list.
    using CellTextFunction = std::function<QString(int row, int column)>;

    struct Options {
        int fitMode = FitColumnWidths;
        double fontPoints = 9;
        QColor titleColour{255, 205, 155};
        QColor footerColour{240, 240, 240};
        CellTextFunction cellText; // empty: ColumnTexts
        QStringList footerTexts;   // one per column; empty list: ColumnTexts::footer
        bool footerTextsGiven = false;
    };

    GridTable(const std::vector<GridColumn> &columns, const DataSet &data, double width,
              Options options);

    int fitMode() const { return m_options.fitMode; }
    int rowCount() const { return m_rows; }
    double titlesHeight() const { return m_groupRowHeight + m_titleRowHeight; }
    double rowHeight(int row) const;
    bool hasFooter() const { return m_hasFooter; }
    double footerHeight() const;
    // Cuts rows taller than `height` (a page) to it; they are painted cut at their foot.
    void limitRowHeight(double height);
    // How many rows from `from` fit into `height` (0 when not even the first fits).
    int rowsFitting(int from, double height) const;

    // Each returns the y below what it painted.
    double paintTitles(QPainter &painter, double y) const;
    double paintRows(QPainter &painter, double y, int from, int to) const;
    double paintFooter(QPainter &painter, double y) const;

private:
    struct Column {
        int gridIndex;
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

    QString cellText(int row, const Column &column) const;
    double textHeight(const QString &text, double width, const QFontMetricsF &metrics) const;
    void paintCell(QPainter &painter, const QRectF &rect, const QString &text,
                   Qt::Alignment alignment) const;

    const std::vector<GridColumn> &m_gridColumns;
    ColumnTexts m_defaultTexts;
    Options m_options;
    int m_rows = 0;
    std::vector<Column> m_columns;
    std::vector<Span> m_spans;
    QFont m_font;
    double m_lineHeight = 0;
    double m_groupRowHeight = 0;
    double m_titleRowHeight = 0;
    bool m_hasFooter = false;
    std::vector<float> m_rowHeights; // FitStretchRows only
};
