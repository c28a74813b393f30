#pragma once
#include "ToolActions.h"

#include "db/DataSet.h"
#include "db/SqlStatement.h"
#include "output/ReportValueProvider.h"

#include <QDialog>
#include <QHash>
#include <functional>

class BrowseButtons;
class DataGrid;
class EditorDialog;
class GroupPanel;
class QAction;
class QComboBox;
class QLineEdit;
class QHBoxLayout;
class QLabel;
class QStatusBar;
class QToolBar;
class WindowKeys;

// The frame of every list window: the tool bar built from a table of actions, a slot for the
// window's filter bar, the optional group panel, the data grid over the window's rows with its
// pop-up menu and layout key, and the status bar with its count and publisher panels.
//
// Wired by the frame, for whichever of these actions the window's table has:
// - 首项 / 前项 / 后项 / 末项 browse the rows (BrowseButtons);
// - every action's key acts window-wide while the action is enabled; Home, End, Page Up,
//   Page Down and Delete keep their editing meaning while the operator types in a box;
// - 打印 / 设置 print and design the report template (setReport) or print the grid
//   (setGridPrint); 导出 exports the grid (setExportTitle); 退出 and Esc close;
// - the grid's layout is loaded under its key on first show; Enter moves the focus.
// A window then adds its filters, its statement (openRows) and its own commands.
//
// The frame is one base class with one hook (firstShow), not a hierarchy: each window's own
// behaviour stays in the window's file.
class ListWindow : public QDialog, public ReportValueProvider {
    Q_OBJECT
public:
    static inline const QString NothingToEditMessage =
        QStringLiteral("此表为空，没有记录需要修改！");

    DataSet *rows() { return &m_rows; }
    DataGrid *grid() const { return DBGridEh1; }
    GroupPanel *groupPanel() const { return m_groupPanel; }
    QAction *action(const QString &objectName) const { return m_actions.value(objectName); }
    QStatusBar *statusBar() const { return StatusBar1; }
    QLabel *countPanel() const { return m_panels.value(2); }
    QLabel *publisherPanel() const { return m_panels.value(3); }
    QString layoutKey() const;

    // 新增 and 修改 (a double click on the grid too, while 修改 is enabled): the editor that
    // setEditor's function makes, placed, over rows(); 修改 on an empty list says so instead.
    void tbNewClick();
    void tbEditClick();
    // 删除 (and Delete): asks the question setDelete gives for the current row, then removes the
    // row by its F_ID and reopens the list near where it was. Nothing on an empty list.
    void tbDelClick();

    // The period caption and company name for report templates; windows with a period answer
    // "memoDate" by overriding.
    QString reportValue(const QString &name) override;

protected:
    ListWindow(const QString &objectName, const QString &caption, const QString &layoutKey,
               QWidget *parent);

    // Builds the tool bar. Call once, in the constructor.
    void setTools(const QList<ToolAction> &rows);
    // The filter bar between the tool bar and the grid (the frame takes ownership).
    void setFilterBar(QWidget *bar);
    // The start of a search bar that the lists share: SpeedButton2 (shows or hides the group
    // panel), "查询类型：" ComboBox1 with the search types (none chosen; choosing one empties the
    // text) and "查询内容：" Edit1, added to `row`. The window adds the rest of its bar.
    struct SearchInputs {
        QComboBox *type;
        QLineEdit *text;
    };
    SearchInputs addSearchInputs(QHBoxLayout *row, QWidget *bar, const QStringList &types);
    // A bar of buttons under the grid (dialogs that pick a row).
    void setBottomBar(QWidget *bar);
    // An area under the grid and the group panel, behind a splitter, `height` high at first
    // (the frame takes ownership).
    void setDetailArea(QWidget *area, int height);
    // Adds the group panel at the left of the grid; its refresh requests call refresh.
    GroupPanel *addGroupPanel(const std::function<void()> &refresh);
    // Status panels by width (the last takes the rest of the bar); the default is the four
    // panels 150, 150, 100, 50 of the list windows.
    void setStatusPanels(const QList<int> &widths);

    // The editor of the list's rows, made for each 新增 and 修改 and freed afterwards.
    void setEditor(std::function<EditorDialog *(QWidget *parent)> make);
    // The table 删除 removes from and the question it asks for the current row.
    void setDelete(const QString &table, std::function<QString()> question);
    // 打印 and 设置 go to the report template (ReportValueProvider answers its variables).
    void setReport(const QString &templateName);
    // 打印 prints the grid with this title (fit mode 1 and the print date in the footer).
    void setGridPrint(const QString &title);
    // 导出 exports the grid under this sheet title, the workbook shown.
    void setExportTitle(const QString &title);

    // Opens the statement into the rows. On failure the message is shown and the rows stay as
    // they were. The count panel shows `countLabel` + the row count when a label is set.
    bool openRows(const SqlStatement &statement);
    void setCountLabel(const QString &label) { m_countLabel = label; }
    void showCount();

    // "此表为空，没有记录需要修改！" for an empty list; true when there is a row to change.
    bool hasRowToChange();

    WindowKeys *keys() const { return m_keys; }
    BrowseButtons *browse() const { return m_browse; }
    QHBoxLayout *bodyLayout() const { return m_body; }

    // FormShow: runs once, when the window is first shown, after the grid's layout is loaded.
    virtual void firstShow() {}

    void showEvent(QShowEvent *event) override;

    DataGrid *DBGridEh1;

private:
    void wireStandardActions();
    void openEditor(bool change);

    DataSet m_rows;
    QToolBar *m_toolBar = nullptr;
    QHash<QString, QAction *> m_actions;
    GroupPanel *m_groupPanel = nullptr;
    QStatusBar *StatusBar1;
    QList<QLabel *> m_panels;
    QHBoxLayout *m_body;
    WindowKeys *m_keys;
    BrowseButtons *m_browse = nullptr;
    std::function<EditorDialog *(QWidget *parent)> m_makeEditor;
    QString m_deleteTable;
    std::function<QString()> m_deleteQuestion;
    QString m_reportName;
    QString m_printTitle;
    QString m_exportTitle;
    QString m_countLabel;
    bool m_shown = false;
};
