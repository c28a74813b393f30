#include "GridLayouts.h"

#include "ColumnChooserDialog.h"
#include "DataGrid.h"
#include "GridLayoutRows.h"
#include "app/DataModule.h"
#include "app/Messages.h"

void LoadGridLayout(DataGrid *grid, const QString &key)
{
    if (!grid)
        return;
    const QueryResult r =
        dm().db().query(GridLayoutRows::loadStatement(), GridLayoutRows::loadParams(key));
    if (!r.ok) {
        ShowMess(DataModule::OperationFailed, 3);
        return;
    }
    if (r.rows.isEmpty())
        return; // the grid keeps its own columns
    grid->setColumns(GridLayoutRows::columnsFromRows(r.rows));
}

void SaveGridLayout(DataGrid *grid, const QString &key)
{
    if (!grid)
        return;
    for (const SqlStatement &u : GridLayoutRows::saveStatements(grid->columns(), key))
        dm().ExecSql(u.sql, u.params); // reports its own failure; the next column still goes
}

void ChooseGridColumns(DataGrid *grid)
{
    if (!grid)
        return;
    ColumnChooserDialog dialog(grid->window());
    dialog.execFor(grid);
    const QStringList flags = dialog.flags();
    for (int i = 0; i < flags.size() && i < grid->columnCount(); ++i)
        grid->setColumnVisible(i, flags[i] != u"0");
}
