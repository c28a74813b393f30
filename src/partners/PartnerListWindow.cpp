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

    setEditor([&kind](QWidget *parent) { return new PartnerEditor(kind, parent); });
    setDelete(kind.table, [this] { return m_kind.deleteQuestion(rows()->fieldText(u"F_Name")); });
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
