#include "EmployeeListWindow.h"

#include "EmployeeEditor.h"
#include "PartnerStatements.h"
#include "SearchBar.h"

#include "app/DataModule.h"
#include "app/Messages.h"
#include "app/WindowPlacement.h"
#include "db/EmployeeTable.h"
#include "grids/DataGrid.h"
#include "records/RecordGridColumns.h"
#include "widgets/EnterMovesFocus.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

EmployeeListWindow::EmployeeListWindow(QWidget *parent)
    : ListWindow(QStringLiteral("TfrmEmpMan"), Caption, EmployeeTable::LayoutKey, parent)
{
    setTools({Tools::New, Tools::Edit, Tools::Delete, Tools::Separator, Tools::First, Tools::Prior,
              Tools::Next, Tools::Last, Tools::Separator, Tools::Print, Tools::Design,
              Tools::Export, Tools::Separator, Tools::Exit});
    setReport(QStringLiteral("frEmpMan"));
    setExportTitle(QStringLiteral("员工资料"));
    setCountLabel(CountLabel);
    m_search = new SearchBar(EmployeeTable::searches(), QStringLiteral("包含已离职"), false);
    setFilterBar(m_search);
    // Enter in the two search inputs searches instead of moving on.
    if (auto *enter = findChild<EnterMovesFocus *>()) {
        enter->exclude(m_search->textBox());
        enter->exclude(m_search->valueList());
    }
    connect(m_search, &SearchBar::searchRequested, this, &EmployeeListWindow::RefreshRecords);
    grid()->setColumns(RecordGridColumns::design(EmployeeTable::columns()));
    grid()->markRowsWhere(QStringLiteral("F_useFlag"));

    connect(action(Tools::New.objectName), &QAction::triggered, this,
            &EmployeeListWindow::tbNewClick);
    connect(action(Tools::Edit.objectName), &QAction::triggered, this,
            &EmployeeListWindow::tbEditClick);
    connect(action(Tools::Delete.objectName), &QAction::triggered, this,
            &EmployeeListWindow::tbDelClick);
    connect(grid(), &DataGrid::rowDoubleClicked, this, &EmployeeListWindow::tbEditClick);
    resize(721, 501);
}

QString EmployeeListWindow::deleteQuestion(const QString &name)
{
    return QStringLiteral("真的要删除员工 \"") + name + QStringLiteral("\" 的资料吗？");
}

void EmployeeListWindow::firstShow()
{
    RefreshRecords();
}

void EmployeeListWindow::RefreshRecords()
{
    openRows(PartnerStatements::rows(
        EmployeeTable::Table, EmployeeTable::searches(),
        {m_search->searchType(), m_search->searchText(), m_search->includesOutOfUse()}));
}

void EmployeeListWindow::tbNewClick()
{
    openEditor(false);
}

void EmployeeListWindow::tbEditClick()
{
    if (hasRowToChange())
        openEditor(true);
}

void EmployeeListWindow::openEditor(bool change)
{
    EmployeeEditor editor(this);
    DispFormPos(&editor, 1);
    editor.setSource(rows());
    editor.OpenEditor(change);
}

void EmployeeListWindow::tbDelClick()
{
    if (rows()->isEmpty() || rows()->currentRow() < 0)
        return;
    if (ShowMess(this, deleteQuestion(rows()->fieldText(u"F_Name")), 1) != 1)
        return;
    if (dm().DeleteById(EmployeeTable::Table, rows()->fieldValue(u"F_ID").toLongLong())) {
        dm().Requery(*rows());
        showCount();
    }
}
