#include "WorkLogWindow.h"

#include "WorkLogQuery.h"

#include "app/DataModule.h"
#include "app/Messages.h"
#include "app/Platform.h"
#include "widgets/DatePicker.h"
#include "widgets/PickList.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace {

const SqlStatement
    OperatorsSql(QStringLiteral("select distinct F_empName from LogRec where F_EmpName <> '' "));
const SqlStatement
    ActionsSql(QStringLiteral("select distinct F_operType from LogRec where F_operType <> '' "));

DatePicker *uncheckedDateBox(QWidget *parent, const char *name)
{
    auto *box = new DatePicker(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setCheckable(true);
    box->setChecked(false);
    return box;
}

QComboBox *pickBox(QWidget *parent, const char *name, int width, const SqlStatement &list)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    makeEditablePickBox(box);
    box->setMinimumWidth(width);
    RefillPickListOnEnter(box, list);
    return box;
}

} // namespace

WorkLogWindow::WorkLogWindow(QWidget *parent)
    : ListWindow(QStringLiteral("TfrmRZlistGL"), Caption, LayoutKey, parent)
{
    setTools({Tools::Query, Tools::Clear, Tools::Separator, Tools::First, Tools::Prior, Tools::Next,
              Tools::Last, Tools::Separator, Tools::Print, Tools::Export, Tools::Separator,
              Tools::Exit});
    action(Tools::Clear.objectName)->setEnabled(false);
    action(Tools::Export.objectName)->setEnabled(false);
    setGridPrint(ListTitle);
    setExportTitle(ListTitle);
    setStatusPanels({120, 120, 120, 0});
    setCountLabel(QStringLiteral("记录数/"));

    auto *filters = new QGroupBox;
    filters->setObjectName(QStringLiteral("GroupBox1"));
    dtpFrom = uncheckedDateBox(filters, "dtpFrom");
    dtpTo = uncheckedDateBox(filters, "dtpTo");
    cbbOperType = pickBox(filters, "cbbOperType", 180, ActionsSql);
    cbbEmpName = pickBox(filters, "cbbEmpName", 120, OperatorsSql);

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
    setFilterBar(filters);

    connect(action(Tools::Query.objectName), &QAction::triggered, this,
            &WorkLogWindow::tbQueryClick);
    connect(action(Tools::Clear.objectName), &QAction::triggered, this,
            &WorkLogWindow::tbClearClick);
    resize(900, 600);
}

void WorkLogWindow::firstShow()
{
    const QDate today = platform().now().date();
    dtpFrom->setDate(QDate(today.year(), today.month(), 1));
    dtpTo->setDate(today);
}

void WorkLogWindow::tbQueryClick()
{
    action(Tools::Clear.objectName)->setEnabled(true);
    action(Tools::Print.objectName)->setEnabled(true);
    action(Tools::Export.objectName)->setEnabled(true);

    WorkLogQuery::Filter filter;
    if (dtpFrom->isChecked())
        filter.from = dtpFrom->date();
    if (dtpTo->isChecked())
        filter.to = dtpTo->date();
    filter.operatorText = cbbEmpName->currentText();
    filter.actionText = cbbOperType->currentText();
    openRows(WorkLogQuery::select(filter));
}

void WorkLogWindow::tbClearClick()
{
    if (ShowMess(this, ClearQuestion, 1) != 1)
        return;
    if (!WorkLogQuery::deleteEntries(*rows())) {
        ShowMess(this, DataModule::DeleteFailed, 3);
        return;
    }
    dm().Requery(*rows());
    showCount();
}
