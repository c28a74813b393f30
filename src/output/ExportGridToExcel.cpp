#include "ExportGridToExcel.h"

#include "WorkbookWriter.h"
#include "app/Platform.h"
#include "grids/DataGrid.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

QString exportFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
        .filePath(QStringLiteral("OrvCARs"));
}

QString exportPath(const QString &sheetName)
{
    const QString base = WorkbookWriter::sheetName(sheetName) + u'_' +
                         platform().now().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    const QDir folder(exportFolder());
    QString path = folder.filePath(base + QStringLiteral(".xlsx"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder.filePath(base + QStringLiteral("_%1.xlsx").arg(n));
    return path;
}

QString ExportGridToExcel(const std::vector<GridColumn> &columns, const DataSet &data,
                          const QString &sheetName, bool showExcel, QWidget *parent)
{
    QDir().mkpath(exportFolder());
    const QString path = exportPath(sheetName);
    QString error;
    bool done = WorkbookWriter::write(path, sheetName, columns, data, &error);
    if (done && showExcel)
        done = platform().openUrl(QUrl::fromLocalFile(path));
    if (!done) {
        if (!error.isEmpty())
            qWarning("ExportGridToExcel: %s", qPrintable(error));
        platform().message(parent, ExcelFailedCaption, ExcelFailedMessage,
                           Platform::MessageKind::Error);
        return {};
    }
    return path;
}

QString ExportGridToExcel(DataGrid *grid, const QString &sheetName, bool showExcel)
{
    const DataSet none;
    const DataSet *data = grid->dataSet();
    return ExportGridToExcel(grid->columns(), data ? *data : none, sheetName, showExcel, grid);
}
