#pragma once
#include "grids/GridColumn.h"

#include <QList>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class DataGrid;
class DataSet;
class QAction;
class QListWidget;
class QStackedWidget;
class QToolBar;

// One page of a DetailPages: the rows of `table` whose F_mainID is the master row's F_ID.
struct DetailPage {
    QString item; // the entry of the page list
    QString table;
    QString layoutKey;               // the grid's stored layout
    QString exportTitle;             // 导出
    std::vector<GridColumn> columns; // design-time columns, until a layout replaces them
    // The question 删除 asks about the page's current row.
    std::function<QString(const DataSet &rows)> deleteQuestion;
};

// The records of a master list's current row, one page per table: the page list ListView1 (the
// only way to choose a page), the small tool bar 新增 / 修改 / 删除 / 排序 / 导出 acting on the
// shown page, and the page control rpcList of grids (DBGridEh2, DBGridEh3, ...), each over its
// own data set with one summing footer row and the pop-up menu of the grid.
//
// Open pages follow the master's current row. Only the shown page is read at once; an open page
// that is not shown is read again when it is next asked for (rows()), so moving through a long
// master list costs one indexed query per move. Choosing a page in the list closes the others.
//
// 新增 and 修改 are the window's (newRequested / editRequested); 修改 on an empty page reports
// "此表为空，没有记录需要修改！" first. 删除 asks the page's question and deletes by F_ID.
class DetailPages : public QWidget {
    Q_OBJECT
public:
    explicit DetailPages(QWidget *parent = nullptr);
    ~DetailPages() override;

    void setPages(const QList<DetailPage> &pages);
    // The master list; its F_ID is bound to every page's query.
    void setMaster(DataSet *master);

    int pageCount() const { return int(m_pages.size()); }
    int currentPage() const;
    DataGrid *grid(int page) const;
    // The page's rows, read again first when the page is open and behind the master.
    DataSet *rows(int page);
    bool isOpen(int page) const;

    QListWidget *pageList() const { return ListView1; }
    QAction *action(const QString &objectName) const;

    // Loads every grid's layout under its key.
    void loadLayouts();
    // Opens every page for the master's current row.
    void openAll();
    // ListView1SelectItem: shows the page and opens only its query; the others are closed.
    void showPage(int page);

    void tbdNewClick();
    void tbdEditClick();
    void tbddelClick();
    void tbdpxClick();
    void tbddcClick();

signals:
    void newRequested(int page);
    void editRequested(int page);

private:
    struct Page;
    void open(int page);
    void close(int page);
    void followMaster();
    QVariant masterId() const;

    std::vector<std::unique_ptr<Page>> m_pages;
    DataSet *m_master = nullptr;
    QListWidget *ListView1;
    QToolBar *m_toolBar;
    QStackedWidget *rpcList;
};
