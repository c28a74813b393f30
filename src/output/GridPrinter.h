#pragma once
#include "GridTable.h"
#include "PrintPages.h"
#include "grids/GridColumn.h"

#include <QFont>
#include <QStringList>
#include <memory>
#include <vector>

class DataSet;

// A grid printout: every page carries the page header's left text, the three title lines
// (empty, title, empty), the column titles in the grid's title colour and the page footer's
// right text; the rows follow in the data set's order (GridTable), the footer row (sums) after
// the last one. Both fit modes fit the grid to the page width (see GridTable).
class GridPrinter : public PrintPages {
public:
    enum FitMode {
        FitStretchRows = GridTable::FitStretchRows,
        FitColumnWidths = GridTable::FitColumnWidths
    };
    struct Texts {
        QString title;
        QString headerLeft;
        QString footerRight;
    };
    using CellTextFunction = GridTable::CellTextFunction;

    GridPrinter(std::vector<GridColumn> columns, const DataSet &data, Texts texts, int fitMode);
    ~GridPrinter() override;

    // Replaces the default cell texts (ColumnTexts: the grid's formatter under each column's
    // display format), for example by the grid's own texts with its hooks.
    void setCellText(CellTextFunction cellText);
    // The footer texts, one per column of the list; by default ColumnTexts::footer.
    void setFooterTexts(const QStringList &texts);

    int fitMode() const { return m_options.fitMode; }
    const Texts &texts() const { return m_texts; }

    int pageCount() override;
    void paintPage(QPainter &painter, int index) override;

protected:
    void relayout() override { m_table.reset(); }

private:
    void layout();

    std::vector<GridColumn> m_columns;
    const DataSet &m_data;
    Texts m_texts;
    GridTable::Options m_options;

    std::unique_ptr<GridTable> m_table; // made on the first pageCount() after a change
    QFont m_titleFont, m_pageFont;
    std::vector<int> m_pageStarts; // first row of each page, then the row count
    bool m_footerOnOwnPage = false;
};
