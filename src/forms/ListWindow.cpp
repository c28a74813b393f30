#include "ListWindow.h"

#include "EditorDialog.h"
#include "GroupPanel.h"

#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/Messages.h"
#include "app/WindowPlacement.h"
#include "grids/BrowseButtons.h"
#include "grids/DataGrid.h"
#include "grids/GridLayouts.h"
#include "output/ExportGridToExcel.h"
#include "output/PrintGrid.h"
#include "output/PrintReport.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/WindowKeys.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Keys that edit text in a box keep that meaning while the operator types there.
bool editsText(const QKeySequence &key)
{
    static const QList<QKeySequence> keys{Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp,
                                          Qt::Key_PageDown, Qt::Key_Delete};
    return keys.contains(key);
}
} // namespace

ListWindow::ListWindow(const QString &objectName, const QString &caption, const QString &layoutKey,
                       QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setAttribute(Qt::WA_DeleteOnClose, false);

    DBGridEh1 = new DataGrid(this);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setDataSet(&m_rows);
    DBGridEh1->setLayoutKey(layoutKey);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    setStatusPanels({150, 150, 100, 50});

    m_body = new QHBoxLayout;
    m_body->setContentsMargins(0, 0, 0, 0);
    m_body->setSpacing(2);
    m_body->addWidget(DBGridEh1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(m_body, 1);
    layout->addWidget(StatusBar1);

    m_keys = new WindowKeys(this);
    EnterMovesFocus::install(this);
}

QString ListWindow::layoutKey() const
{
    return DBGridEh1->layoutKey();
}

void ListWindow::setTools(const QList<ToolAction> &rows)
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(24, 24));
    const QList<QAction *> actions = addToolActions(m_toolBar, rows);
    for (QAction *action : actions)
        m_actions.insert(action->objectName(), action);
    static_cast<QVBoxLayout *>(layout())->insertWidget(0, m_toolBar);
    for (const ToolAction &row : rows) {
        if (row.isSeparator() || row.key.isEmpty())
            continue;
        m_keys->bind(row.key, m_actions.value(row.objectName),
                     editsText(row.key) ? WindowKeys::UnlessTyping : WindowKeys::Swallow);
    }
    wireStandardActions();
}

void ListWindow::wireStandardActions()
{
    QAction *first = action(Tools::First.objectName);
    QAction *prior = action(Tools::Prior.objectName);
    QAction *next = action(Tools::Next.objectName);
    QAction *last = action(Tools::Last.objectName);
    if (first && prior && next && last)
        m_browse = new BrowseButtons(&m_rows, first, prior, next, last, this);
    if (QAction *exit = action(Tools::Exit.objectName))
        connect(exit, &QAction::triggered, this, &QDialog::close);
    if (QAction *print = action(Tools::Print.objectName)) {
        connect(print, &QAction::triggered, this, [this] {
            if (!m_reportName.isEmpty())
                PrintReport(m_reportName, DBGridEh1, this);
            else if (!m_printTitle.isEmpty() && !m_rows.isEmpty())
                PrintGrid(DBGridEh1, m_printTitle, 1, QStringLiteral("date"), QString());
        });
    }
    if (QAction *design = action(Tools::Design.objectName)) {
        connect(design, &QAction::triggered, this, [this] {
            if (!m_reportName.isEmpty())
                DesignReport(m_reportName, DBGridEh1, this);
        });
    }
    for (QAction *candidate : std::as_const(m_actions)) {
        if (candidate->text() != Tools::Export.caption)
            continue;
        connect(candidate, &QAction::triggered, this, [this] {
            if (!m_exportTitle.isEmpty())
                ExportGridToExcel(DBGridEh1, m_exportTitle, true);
        });
    }
}

void ListWindow::setEditor(std::function<EditorDialog *(QWidget *parent)> make)
{
    const bool first = !m_makeEditor;
    m_makeEditor = std::move(make);
    if (!first)
        return;
    if (QAction *add = action(Tools::New.objectName))
        connect(add, &QAction::triggered, this, &ListWindow::tbNewClick);
    if (QAction *change = action(Tools::Edit.objectName)) {
        connect(change, &QAction::triggered, this, &ListWindow::tbEditClick);
        connect(DBGridEh1, &DataGrid::rowDoubleClicked, this, [this, change] {
            if (change->isEnabled())
                tbEditClick();
        });
    }
}

void ListWindow::tbNewClick()
{
    openEditor(false);
}

void ListWindow::tbEditClick()
{
    if (hasRowToChange())
        openEditor(true);
}

void ListWindow::setDelete(const QString &table, std::function<QString()> question)
{
    const bool first = m_deleteTable.isEmpty();
    m_deleteTable = table;
    m_deleteQuestion = std::move(question);
    if (QAction *remove = action(Tools::Delete.objectName); first && remove)
        connect(remove, &QAction::triggered, this, &ListWindow::tbDelClick);
}

void ListWindow::tbDelClick()
{
    if (m_deleteTable.isEmpty() || m_rows.isEmpty() || m_rows.currentRow() < 0)
        return;
    if (ShowMess(this, m_deleteQuestion(), 1) != 1)
        return;
    if (!dm().DeleteById(m_deleteTable, m_rows.fieldValue(u"F_ID").toLongLong()))
        return;
    const int row = m_rows.currentRow();
    dm().Requery(m_rows);
    if (!m_rows.isEmpty())
        m_rows.moveTo(std::min(row, m_rows.rowCount() - 1));
    showCount();
}

void ListWindow::openEditor(bool change)
{
    if (!m_makeEditor)
        return;
    const std::unique_ptr<EditorDialog> editor(m_makeEditor(this));
    DispFormPos(editor.get(), 1);
    editor->setSource(&m_rows);
    editor->OpenEditor(change);
}

void ListWindow::setFilterBar(QWidget *bar)
{
    bar->setParent(this);
    auto *vbox = static_cast<QVBoxLayout *>(layout());
    vbox->insertWidget(m_toolBar ? 1 : 0, bar);
}

ListWindow::SearchInputs ListWindow::addSearchInputs(QHBoxLayout *row, QWidget *bar,
                                                     const QStringList &types)
{
    auto *panelToggle = new QToolButton(bar);
    panelToggle->setObjectName(QStringLiteral("SpeedButton2"));
    panelToggle->setText(QStringLiteral("<>"));
    auto *type = new QComboBox(bar);
    type->setObjectName(QStringLiteral("ComboBox1"));
    type->addItems(types);
    type->setCurrentIndex(-1);
    auto *text = new QLineEdit(bar);
    text->setObjectName(QStringLiteral("Edit1"));
    row->addWidget(panelToggle);
    row->addWidget(new QLabel(QStringLiteral("查询类型："), bar));
    row->addWidget(type);
    row->addWidget(new QLabel(QStringLiteral("查询内容："), bar));
    row->addWidget(text, 1);
    connect(panelToggle, &QToolButton::clicked, this, [this] {
        if (m_groupPanel)
            m_groupPanel->setVisible(!m_groupPanel->isVisible());
    });
    // Emptying the text searches again only when there was text.
    connect(type, &QComboBox::currentIndexChanged, text, &QLineEdit::clear);
    return {type, text};
}

void ListWindow::setBottomBar(QWidget *bar)
{
    bar->setParent(this);
    auto *vbox = static_cast<QVBoxLayout *>(layout());
    vbox->insertWidget(vbox->indexOf(StatusBar1), bar);
}

void ListWindow::setDetailArea(QWidget *area, int height)
{
    auto *vbox = static_cast<QVBoxLayout *>(layout());
    const int index = vbox->indexOf(m_body);
    vbox->removeItem(m_body);
    auto *top = new QWidget;
    top->setLayout(m_body);
    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("Splitter2"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(top);
    splitter->addWidget(area);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({qMax(1, this->height() - height), height});
    vbox->insertWidget(index, splitter, 1);
}

GroupPanel *ListWindow::addGroupPanel(const std::function<void()> &refresh)
{
    m_groupPanel = new GroupPanel(this);
    m_body->insertWidget(0, m_groupPanel);
    connect(m_groupPanel, &GroupPanel::refreshRequested, this, refresh);
    return m_groupPanel;
}

void ListWindow::setStatusPanels(const QList<int> &widths)
{
    qDeleteAll(m_panels);
    m_panels.clear();
    for (int i = 0; i < widths.size(); ++i) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setMinimumWidth(widths.at(i));
        const bool last = i == widths.size() - 1;
        if (last)
            panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        StatusBar1->addWidget(panel, last ? 1 : 0);
        m_panels << panel;
    }
}

void ListWindow::setReport(const QString &templateName)
{
    m_reportName = templateName;
}

void ListWindow::setGridPrint(const QString &title)
{
    m_printTitle = title;
}

void ListWindow::setExportTitle(const QString &title)
{
    m_exportTitle = title;
}

bool ListWindow::openRows(const SqlStatement &statement)
{
    // Read before replacing, so that a failing query leaves the grid as it was.
    QueryResult result = dm().db().query(statement.sql, statement.params);
    if (!result.ok) {
        ShowMess(this, DataModule::OpenFailed, 3);
        return false;
    }
    m_rows.setStatement(statement.sql, statement.params);
    m_rows.setRows(std::move(result.rows));
    m_rows.setActive(true);
    if (m_browse)
        m_browse->enableAll();
    showCount();
    return true;
}

void ListWindow::showCount()
{
    if (!m_countLabel.isEmpty() && countPanel())
        countPanel()->setText(m_countLabel + QString::number(m_rows.rowCount()));
}

bool ListWindow::hasRowToChange()
{
    if (!m_rows.isEmpty())
        return true;
    ShowMess(this, NothingToEditMessage, 3);
    return false;
}

QString ListWindow::reportValue(const QString &name)
{
    if (name == QStringLiteral("sCurKHname"))
        return Globals::CompanyName;
    return {};
}

void ListWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (QLabel *publisher = publisherPanel(); publisher && m_panels.size() >= 4)
        publisher->setText(PublisherName + QStringLiteral("  "));
    if (!layoutKey().isEmpty())
        LoadGridLayout(DBGridEh1, layoutKey());
    firstShow();
}
