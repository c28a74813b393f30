#include "PartnerListWindow.h"

#include "PartnerEditor.h"
#include "PartnerStatements.h"
#include "SearchBar.h"

#include "app/DataModule.h"
#include "app/Messages.h"
#include "app/WindowPlacement.h"
#include "grids/DataGrid.h"
#include "records/RecordGridColumns.h"

#include <QAction>

PartnerListWindow::PartnerListWindow(const PartnerKind &kind, QWidget *parent)
    : ListWindow(kind.listClass(), kind.listCaption, kind.layoutKey(), parent), m_kind(kind)
{
    setTools({Tools::New, Tools::Edit, Tools::Delete, Tools::Separator, Tools::First, Tools::Prior,
              Tools::Next, Tools::Last, Tools::Separator, Tools::Print, Tools::Design,
              Tools::Export, Tools::Separator, Tools::Exit});
    setReport(kind.reportName());
    setExportTitle(kind.exportTitle);
    setCountLabel(CountLabel);
    m_search = new SearchBar(PartnerKinds::searches(), QStringLiteral("包含已停用"), true);
    setFilterBar(m_search);
    connect(m_search, &SearchBar::searchRequested, this, &PartnerListWindow::RefreshRecords);
    grid()->setColumns(RecordGridColumns::design(PartnerKinds::columns()));
    grid()->setSortOnTitleClick(false);
    grid()->markRowsWhere(QStringLiteral("F_useFlag"));

    connect(action(Tools::New.objectName), &QAction::triggered, this,
            &PartnerListWindow::tbNewClick);
    connect(action(Tools::Edit.objectName), &QAction::triggered, this,
            &PartnerListWindow::tbEditClick);
    connect(action(Tools::Delete.objectName), &QAction::triggered, this,
            &PartnerListWindow::tbDelClick);
    connect(grid(), &DataGrid::rowDoubleClicked, this, &PartnerListWindow::tbEditClick);
    resize(721, 501);
}

void PartnerListWindow::firstShow()
{
    RefreshRecords();
}

void PartnerListWindow::RefreshRecords()
{
    openRows(PartnerStatements::rows(
        m_kind.table, PartnerKinds::searches(),
        {m_search->searchType(), m_search->searchText(), m_search->includesOutOfUse()}));
}

void PartnerListWindow::tbNewClick()
{
    openEditor(false);
}

void PartnerListWindow::tbEditClick()
{
    if (hasRowToChange())
        openEditor(true);
}

void PartnerListWindow::openEditor(bool change)
{
    PartnerEditor editor(m_kind, this);
    DispFormPos(&editor, 1);
    editor.setSource(rows());
    editor.OpenEditor(change);
}

void PartnerListWindow::tbDelClick()
{
    if (rows()->isEmpty() || rows()->currentRow() < 0)
        return;
    if (ShowMess(this, m_kind.deleteQuestion(rows()->fieldText(u"F_Name")), 1) != 1)
        return;
    if (dm().DeleteById(m_kind.table, rows()->fieldValue(u"F_ID").toLongLong())) {
        dm().Requery(*rows());
        showCount();
    }
}
