#pragma once
#include <QString>
#include <Qt>

// One column of a DataGrid as its layout describes it. The column's position is its index in the
// grid's column list.
struct GridColumn {
    enum class Footer { None = 0, Text = 1, Sum = 2 };
    // The marker drawn on the title; set by title clicks, kept by other columns.
    enum class SortMarker { None, Ascending, Descending };

    QString fieldName;
    QString title; // "维修|天数": group title, then the column's own title
    int width = 80;
    bool visible = true;
    bool readOnly = true;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter; // cells and footer
    QString displayFormat; // number or date format of cells and footer; empty = none
    Footer footerType = Footer::None;
    QString footerValue; // the text of a static footer
    SortMarker sortMarker = SortMarker::None;
};
