#include "DetailPages.h"

#include "ListWindow.h"
#include "ToolActions.h"

#include "app/DataModule.h"
#include "app/Messages.h"
#include "db/DataSet.h"
#include "grids/DataGrid.h"
#include "grids/GridLayouts.h"
#include "grids/SortDialog.h"
#include "output/ExportGridToExcel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const ToolAction SortTool{
    QStringLiteral("tbdPX"), QStringLiteral("排序"), QStyle::SP_ArrowDown, {}};
constexpr int PageListWidth = 91;
} // namespace

struct DetailPages::Page {
    DetailPage setup;
    DataSet rows;
    DataGrid *grid = nullptr;
    bool open = false;
    bool read = false; // rows hold the records of boundId
    QVariant boundId;
};

DetailPages::DetailPages(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel4"));
    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setViewMode(QListView::ListMode);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setFixedWidth(PageListWidth);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar2"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolBar->setIconSize(QSize(16, 16));
    addToolActions(m_toolBar, {Tools::New.named(QStringLiteral("tbdNew")),
                               Tools::Edit.named(QStringLiteral("tbdEdit")),
                               Tools::Delete.named(QStringLiteral("tbdDel")), SortTool,
                               Tools::Export.named(QStringLiteral("tbdExport"))});
    rpcList = new QStackedWidget(this);
    rpcList->setObjectName(QStringLiteral("rpcList"));

    auto *right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    right->addWidget(m_toolBar);
    right->addWidget(rpcList, 1);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(ListView1);
    row->addLayout(right, 1);

    connect(ListView1, &QListWidget::currentRowChanged, this,
            [this](int row) { showPage(row < 0 ? 0 : row); });
    const auto on = [this](const char *name, void (DetailPages::*handler)()) {
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    };
    on("tbdNew", &DetailPages::tbdNewClick);
    on("tbdEdit", &DetailPages::tbdEditClick);
    on("tbdDel", &DetailPages::tbddelClick);
    on("tbdPX", &DetailPages::tbdpxClick);
    on("tbdExport", &DetailPages::tbddcClick);
}

DetailPages::~DetailPages()
{
    // The grids go before the data sets they show.
    delete rpcList;
}

void DetailPages::setPages(const QList<DetailPage> &pages)
{
    // Filling the list chooses no page: nothing is read before the master is set.
    const QSignalBlocker quiet(ListView1);
    for (const DetailPage &setup : pages) {
        auto page = std::make_unique<Page>();
        page->setup = setup;
        page->grid = new DataGrid(rpcList);
        page->grid->setObjectName(QStringLiteral("DBGridEh%1").arg(m_pages.size() + 2));
        page->grid->setDataSet(&page->rows);
        page->grid->setLayoutKey(setup.layoutKey);
        page->grid->setColumns(setup.columns);
        page->grid->setSortOnTitleClick(false);
        connect(page->grid, &DataGrid::rowDoubleClicked, this, [this] {
            if (action(QStringLiteral("tbdEdit"))->isEnabled())
                tbdEditClick();
        });
        rpcList->addWidget(page->grid);
        ListView1->addItem(setup.item);
        m_pages.push_back(std::move(page));
    }
    ListView1->setCurrentRow(0);
}

void DetailPages::setMaster(DataSet *master)
{
    m_master = master;
    connect(master, &DataSet::currentChanged, this, &DetailPages::followMaster);
}

int DetailPages::currentPage() const
{
    return rpcList->currentIndex();
}

DataGrid *DetailPages::grid(int page) const
{
    return m_pages.at(std::size_t(page))->grid;
}

DataSet *DetailPages::rows(int page)
{
    Page &p = *m_pages.at(std::size_t(page));
    if (p.open && (!p.read || p.boundId != masterId()))
        open(page);
    return &p.rows;
}

bool DetailPages::isOpen(int page) const
{
    return m_pages.at(std::size_t(page))->open;
}

QAction *DetailPages::action(const QString &objectName) const
{
    return m_toolBar->findChild<QAction *>(objectName);
}

void DetailPages::loadLayouts()
{
    for (const auto &page : m_pages)
        LoadGridLayout(page->grid, page->setup.layoutKey);
}

void DetailPages::openAll()
{
    for (const auto &page : m_pages) {
        page->open = true;
        page->read = false;
    }
    if (currentPage() >= 0)
        open(currentPage());
}

void DetailPages::showPage(int page)
{
    if (page < 0 || page >= pageCount())
        return;
    rpcList->setCurrentIndex(page);
    if (ListView1->currentRow() != page) {
        const QSignalBlocker quiet(ListView1);
        ListView1->setCurrentRow(page);
    }
    for (int other = 0; other < pageCount(); ++other)
        if (other != page)
            close(other);
    open(page);
}

void DetailPages::open(int page)
{
    Page &p = *m_pages.at(std::size_t(page));
    const QVariant id = masterId();
    p.open = true;
    p.read = true;
    p.boundId = id;
    dm().OpenQuery(QStringLiteral("select * from ") + p.setup.table +
                       QStringLiteral(" where F_mainID = :F_ID"),
                   p.rows, {{QStringLiteral("F_ID"), id}});
}

void DetailPages::close(int page)
{
    Page &p = *m_pages.at(std::size_t(page));
    p.rows.clear();
    p.open = false;
    p.read = false;
}

void DetailPages::followMaster()
{
    if (currentPage() >= 0)
        rows(currentPage());
}

QVariant DetailPages::masterId() const
{
    if (!m_master || m_master->currentRow() < 0)
        return QVariant();
    return m_master->fieldValue(u"F_ID");
}

void DetailPages::tbdNewClick()
{
    emit newRequested(currentPage());
}

void DetailPages::tbdEditClick()
{
    if (rows(currentPage())->isEmpty()) {
        ShowMess(this, ListWindow::NothingToEditMessage, 3);
        return;
    }
    emit editRequested(currentPage());
}

void DetailPages::tbddelClick()
{
    const int page = currentPage();
    DataSet &records = *rows(page);
    if (records.isEmpty() || records.currentRow() < 0)
        return;
    const DetailPage &setup = m_pages.at(std::size_t(page))->setup;
    if (ShowMess(this, setup.deleteQuestion(records), 1) == 2)
        return;
    if (dm().DeleteById(setup.table, records.fieldValue(u"F_ID").toLongLong()))
        open(page);
}

void DetailPages::tbdpxClick()
{
    SortGridRows(grid(currentPage()));
}

void DetailPages::tbddcClick()
{
    const int page = currentPage();
    ExportGridToExcel(grid(page), m_pages.at(std::size_t(page))->setup.exportTitle, true);
}
