#include "WorkLogWindow.h"

#include "WorkLogQuery.h"

#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/Messages.h"
#include "app/Platform.h"
#include "db/DataSet.h"
#include "grids/BrowseButtons.h"
#include "grids/DataGrid.h"
#include "grids/GridLayouts.h"
#include "output/ExportGridToExcel.h"
#include "output/PrintGrid.h"
#include "widgets/DatePicker.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/PickList.h"
#include "widgets/WindowKeys.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString OperatorsSql =
    QStringLiteral("select distinct F_empName from LogRec where F_EmpName <> '' ");
const QString ActionsSql =
    QStringLiteral("select distinct F_operType from LogRec where F_operType <> '' ");

QStyle::StandardPixmap iconOf(const QString &objectName)
{
    static const QHash<QString, QStyle::StandardPixmap> icons{
        {QStringLiteral("tbQuery"), QStyle::SP_FileDialogContentsView},
        {QStringLiteral("tbClear"), QStyle::SP_TrashIcon},
        {QStringLiteral("tbFirst"), QStyle::SP_MediaSkipBackward},
        {QStringLiteral("tbPrior"), QStyle::SP_MediaSeekBackward},
        {QStringLiteral("tbNext"), QStyle::SP_MediaSeekForward},
        {QStringLiteral("tbLast"), QStyle::SP_MediaSkipForward},
        {QStringLiteral("tbPrint"), QStyle::SP_FileDialogDetailedView},
        {QStringLiteral("tbExport"), QStyle::SP_DialogSaveButton},
        {QStringLiteral("tbExit"), QStyle::SP_DialogCloseButton}};
    return icons.value(objectName, QStyle::SP_FileIcon);
}

} // namespace

WorkLogWindow::WorkLogWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmRZlistGL"));
    setWindowTitle(Caption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_log = new DataSet(this);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(24, 24));
    tbQuery = addTool(QStringLiteral("tbQuery"), QStringLiteral("查询"));
    tbClear = addTool(QStringLiteral("tbClear"), QStringLiteral("清除"));
    m_toolBar->addSeparator();
    tbFirst = addTool(QStringLiteral("tbFirst"), QStringLiteral("首项"));
    tbPrior = addTool(QStringLiteral("tbPrior"), QStringLiteral("前项"));
    tbNext = addTool(QStringLiteral("tbNext"), QStringLiteral("后项"));
    tbLast = addTool(QStringLiteral("tbLast"), QStringLiteral("末项"));
    m_toolBar->addSeparator();
    tbPrint = addTool(QStringLiteral("tbPrint"), QStringLiteral("打印"));
    tbExport = addTool(QStringLiteral("tbExport"), QStringLiteral("导出"));
    m_toolBar->addSeparator();
    tbExit = addTool(QStringLiteral("tbExit"), QStringLiteral("退出"));
    tbClear->setEnabled(false);
    tbExport->setEnabled(false);

    auto *filters = new QGroupBox(this);
    filters->setObjectName(QStringLiteral("GroupBox1"));
    dtpFrom = new DatePicker(filters);
    dtpFrom->setObjectName(QStringLiteral("dtpFrom"));
    dtpFrom->setCheckable(true);
    dtpFrom->setChecked(false);
    dtpTo = new DatePicker(filters);
    dtpTo->setObjectName(QStringLiteral("dtpTo"));
    dtpTo->setCheckable(true);
    dtpTo->setChecked(false);
    cbbOperType = new QComboBox(filters);
    cbbOperType->setObjectName(QStringLiteral("cbbOperType"));
    makeEditablePickBox(cbbOperType);
    cbbOperType->setMinimumWidth(180);
    cbbEmpName = new QComboBox(filters);
    cbbEmpName->setObjectName(QStringLiteral("cbbEmpName"));
    makeEditablePickBox(cbbEmpName);
    cbbEmpName->setMinimumWidth(120);
    // The lists are filled afresh whenever the operator enters them.
    cbbOperType->installEventFilter(this);
    cbbEmpName->installEventFilter(this);

    auto *row = new QHBoxLayout(filters);
    row->addWidget(new QLabel(QStringLiteral("操作日期："), filters));
    row->addWidget(new QLabel(QStringLiteral("自"), filters));
    row->addWidget(dtpFrom);
    row->addWidget(new QLabel(QStringLiteral("至"), filters));
    row->addWidget(dtpTo);
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("操作类型："), filters));
    row->addWidget(cbbOperType);
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("操 作 员："), filters));
    row->addWidget(cbbEmpName);
    row->addStretch();

    DBGridEh1 = new DataGrid(this);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    DBGridEh1->setDataSet(m_log);
    DBGridEh1->setLayoutKey(LayoutKey);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(status);
        panel->setObjectName(QStringLiteral("pnlStatus%1").arg(i + 1));
        panel->setMinimumWidth(i < 3 ? 120 : 0);
        status->addWidget(panel, i == 3 ? 1 : 0);
        m_panels << panel;
    }
    m_panels.at(3)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_toolBar);
    layout->addWidget(filters);
    layout->addWidget(DBGridEh1, 1);
    layout->addWidget(status);

    m_browse = new BrowseButtons(m_log, tbFirst, tbPrior, tbNext, tbLast, this);
    connect(tbQuery, &QAction::triggered, this, &WorkLogWindow::tbQueryClick);
    connect(tbClear, &QAction::triggered, this, &WorkLogWindow::tbClearClick);
    connect(tbPrint, &QAction::triggered, this, &WorkLogWindow::tbPrintClick);
    connect(tbExport, &QAction::triggered, this, &WorkLogWindow::tbExportClick);
    connect(tbExit, &QAction::triggered, this, &QDialog::reject);

    auto *keys = new WindowKeys(this);
    keys->bind(Qt::CTRL | Qt::Key_Q, tbQuery)
        .bind(Qt::Key_Home, tbFirst)
        .bind(Qt::Key_PageUp, tbPrior)
        .bind(Qt::Key_PageDown, tbNext)
        .bind(Qt::Key_End, tbLast)
        .bind(Qt::Key_Escape, tbExit);
    EnterMovesFocus::install(this);
    resize(900, 600);
}

QAction *WorkLogWindow::addTool(const QString &objectName, const QString &text)
{
    QAction *action = m_toolBar->addAction(style()->standardIcon(iconOf(objectName)), text);
    action->setObjectName(objectName);
    return action;
}

void WorkLogWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    const QDateTime now = platform().now();
    dtpFrom->setDate(QDate(now.date().year(), now.date().month(), 1));
    dtpTo->setDate(now.date());
    m_panels.at(3)->setText(PublisherName + QStringLiteral("  "));
    LoadGridLayout(DBGridEh1, LayoutKey);
}

bool WorkLogWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == cbbEmpName)
            FillPickList(OperatorsSql, cbbEmpName);
        else if (watched == cbbOperType)
            FillPickList(ActionsSql, cbbOperType);
    }
    return QDialog::eventFilter(watched, event);
}

void WorkLogWindow::tbQueryClick()
{
    tbClear->setEnabled(true);
    tbPrint->setEnabled(true);
    tbExport->setEnabled(true);

    WorkLogQuery::Filter filter;
    if (dtpFrom->isChecked())
        filter.from = dtpFrom->date();
    if (dtpTo->isChecked())
        filter.to = dtpTo->date();
    filter.operatorText = cbbEmpName->currentText();
    filter.actionText = cbbOperType->currentText();
    const SqlStatement statement = WorkLogQuery::select(filter);

    // Read before replacing, so that a failing query leaves the grid as it was.
    QueryResult result = dm().db().query(statement.sql, statement.params);
    if (!result.ok) {
        ShowMess(this, DataModule::OpenFailed, 3);
        return;
    }
    m_log->setStatement(statement.sql, statement.params);
    m_log->setRows(std::move(result.rows));
    m_browse->enableAll();
    showCount();
}

void WorkLogWindow::tbClearClick()
{
    if (ShowMess(this, ClearQuestion, 1) != 1)
        return;
    if (!WorkLogQuery::deleteEntries(*m_log)) {
        ShowMess(this, DataModule::DeleteFailed, 3);
        return;
    }
    dm().Requery(*m_log);
    showCount();
}

void WorkLogWindow::tbPrintClick()
{
    if (m_log->isEmpty())
        return;
    PrintGrid(DBGridEh1, ListTitle, 1, QStringLiteral("date"), QString());
}

void WorkLogWindow::tbExportClick()
{
    ExportGridToExcel(DBGridEh1, ListTitle, true);
}

void WorkLogWindow::showCount()
{
    m_panels.at(2)->setText(QStringLiteral("记录数/") + QString::number(m_log->rowCount()));
}
