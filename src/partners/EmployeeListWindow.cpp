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

    setEditor([](QWidget *parent) { return new EmployeeEditor(parent); });
    setDelete(EmployeeTable::Table,
              [this] { return deleteQuestion(rows()->fieldText(u"F_Name")); });
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
