#pragma once
#include "GridColumn.h"
#include "db/DataSet.h"

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class GridFooter;
class GridHeader;
class GridModel;
class GridView;
class QAction;
class QMenu;
class QScrollBar;
class QTableView;

// The one grid of every list, archive, statistics and dictionary window: a table view over a
// DataSet (not owned) with the project's own model, a header with two-level titles and sort
// markers, a footer row, the pop-up menu "显示字段列表" / "保存当前设置" and the title-click sort.
//
// Column positions: the index of a column in columns() is its position on screen. Dragging a
// title to a new place reorders columns() itself, so exports, printing and SaveGridLayout see
// the order the operator sees.
//
// The grid's current row is the data set's current row, both ways: moving in the grid moves the
// data set (BOF and EOF cleared), moving the data set (first(), locate()...) moves the grid.
class DataGrid : public QWidget {
    Q_OBJECT
public:
    // Colours of a painted row; an invalid colour keeps the default.
    struct RowStyle {
        QColor foreground;
        QColor background;
    };
    // The text of a cell (row in sort order, column index); replaces defaultCellText().
    using CellTextHook = std::function<QString(int row, int column)>;
    // The style of a row, or nullopt for the default look.
    using RowPaintHook = std::function<std::optional<RowStyle>(int row)>;

    static inline const QString ChooseColumnsCaption = QStringLiteral("显示字段列表");
    static inline const QString SaveLayoutCaption = QStringLiteral("保存当前设置");
    static inline const QString SaveLayoutQuestion = QStringLiteral("真的要保存当前网格设置吗？");

    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    // --- Data
    void setDataSet(DataSet *dataSet);
    DataSet *dataSet() const;

    // --- Columns
    const std::vector<GridColumn> &columns() const;
    void setColumns(std::vector<GridColumn> columns);
    void addColumn(const GridColumn &column);
    void clearColumns() { setColumns({}); }
    int columnCount() const { return int(columns().size()); }
    const GridColumn &columnAt(int index) const { return columns()[std::size_t(index)]; }
    // The first column showing that field (case-insensitive); nullptr / -1 when none.
    const GridColumn *column(QStringView field) const;
    int columnIndex(QStringView field) const;
    // Replaces one column's settings (title, width, format, footer...).
    void setColumn(int index, const GridColumn &column);
    void setColumnVisible(int index, bool visible);
    void setColumnWidth(int index, int width);
    // Sets the display format of cells and footer of every column whose lower-cased field name
    // passes the test (the money-column rules of the list windows).
    void setDisplayFormatWhere(const std::function<bool(const QString &lowerField)> &test,
                               const QString &displayFormat);

    // --- Cell texts and painting
    // What the grid shows in a cell: the hook's text, or defaultCellText().
    QString cellText(int row, int column) const;
    // The column's display format applied to the value; a date before 1901-08-14 (the stored
    // no-date value 1900-08-14) shows empty.
    QString defaultCellText(int row, int column) const;
    void setCellTextHook(CellTextHook hook);
    void setRowPaintHook(RowPaintHook hook);
    // Rows whose field holds true (non-zero) get red text on the button-face colour: the look of
    // vehicles, employees and partners out of service.
    void markRowsWhere(const QString &field);

    // --- Footer
    bool hasFooter() const; // true when some column has a footer
    // Static text, the column's sum in its display format, or empty.
    QString footerText(int column) const;

    // --- Sorting
    // Title clicks sort the loaded rows (on by default); windows that must not sort turn it off.
    void setSortOnTitleClick(bool on) { m_sortOnTitleClick = on; }
    bool sortOnTitleClick() const { return m_sortOnTitleClick; }
    // What a click on the column's title does (also emitted as titleClicked).
    void clickTitle(int column);
    // Sorts the loaded rows by a text like "F_a ASC,F_b DESC,"; empty removes the sort.
    void sortRows(const QString &sortText);

    // --- Current row and selection
    int currentRow() const;
    void setCurrentRow(int row);
    void setMultiSelect(bool on);
    bool multiSelect() const;
    QList<int> selectedRows() const; // in ascending order; the current row when single-select

    // --- Editing (writes through DataSet::setValue; read-only columns stay read-only)
    void setEditable(bool on);
    bool isEditable() const { return m_editable; }
    // Writes the open cell editor's text into the data set and closes the editor (before a save);
    // cancelCellEdit drops it. Both do nothing when no cell is being edited.
    void commitCellEdit();
    void cancelCellEdit();

    // --- Layout key and pop-up menu
    void setLayoutKey(const QString &key) { m_layoutKey = key; }
    QString layoutKey() const { return m_layoutKey; }
    QMenu *popupMenu() const { return m_menu; }
    QAction *chooseColumnsAction() const { return m_chooseColumns; }
    QAction *saveLayoutAction() const { return m_saveLayout; }
    // "保存当前设置": asks the question, then saves the layout under layoutKey().
    void saveLayoutAsked();

    // --- Parts
    QTableView *view() const;
    GridHeader *header() const { return m_header; }
    GridModel *model() const { return m_model; }
    GridFooter *footer() const { return m_footer; }

signals:
    void titleClicked(int column);
    void rowDoubleClicked(int row);
    void currentRowChanged(int row);
    void columnsChanged();

private:
    void applyColumnsToView();
    void onSectionMoved(int logical, int oldVisual, int newVisual);
    void onSectionResized(int logical, int oldSize, int newSize);
    void onViewCurrentChanged(int row);
    void onDataSetCurrentChanged(int row);
    void showPopup(const QPoint &pos);

    QPointer<DataSet> m_dataSet;
    GridModel *m_model = nullptr;
    GridView *m_view = nullptr;
    GridHeader *m_header = nullptr;
    GridFooter *m_footer = nullptr;
    QScrollBar *m_hScroll = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_chooseColumns = nullptr;
    QAction *m_saveLayout = nullptr;
    QString m_layoutKey;
    bool m_sortOnTitleClick = true;
    bool m_editable = false;
    bool m_applying = false; // the grid itself is changing the view; ignore its signals
    bool m_syncing = false;  // the current row is being passed between view and data set
};
