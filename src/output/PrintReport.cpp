#include "PrintReport.h"

#include "PrintPreviewDialog.h"
#include "ReportDesigner.h"
#include "ReportPages.h"
#include "ReportTemplate.h"
#include "db/DataSet.h"
#include "grids/DataGrid.h"

void PrintReport(const QString &name, const DataSet &data, ReportValueProvider *provider,
                 const std::vector<GridColumn> &columns, QWidget *parent)
{
    if (data.isEmpty())
        return;
    const QString source = ReportTemplate::load(name);
    const ReportData report{&data, columns, provider};
    ReportPages pages(ReportTemplate::renderParts(source, report), report);
    const QString title = ReportTemplate::title(source);
    PrintPreviewDialog::preview(pages, title.isEmpty() ? name : title, parent);
}

void DesignReport(const QString &name, const DataSet &data, ReportValueProvider *provider,
                  const std::vector<GridColumn> &columns, QWidget *parent)
{
    ReportDesigner designer(name, ReportData{&data, columns, provider}, parent);
    designer.exec();
}

void PrintReport(const QString &name, DataGrid *grid, ReportValueProvider *provider)
{
    if (grid->dataSet())
        PrintReport(name, *grid->dataSet(), provider, grid->columns(), grid);
}

void DesignReport(const QString &name, DataGrid *grid, ReportValueProvider *provider)
{
    const DataSet none;
    DesignReport(name, grid->dataSet() ? *grid->dataSet() : none, provider, grid->columns(), grid);
}
