#include "ExportGridToExcel.h"

#include "WorkbookWriter.h"
#include "app/Platform.h"
#include "grids/DataGrid.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <atomic>

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

namespace {

// Big grids are written on a worker thread behind a progress box with a cancel button, so the
// program keeps painting; the box is modal, so nothing touches the data set meanwhile.
bool writeWithProgress(const QString &path, const QString &sheetName,
                       const std::vector<GridColumn> &columns, const DataSet &data, QWidget *parent,
                       QString *error, bool *cancelled)
{
    std::atomic<int> written{0};
    std::atomic<bool> stop{false};
    bool done = false;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        done = WorkbookWriter::write(path, sheetName, columns, data, error, [&](int rows) {
            written = rows;
            return !stop;
        });
    }));

    QProgressDialog progress(ExportProgressText, ExportCancelText, 0, data.rowCount(), parent);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowTitle(sheetName);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QEventLoop loop;
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&] { stop = true; });
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &progress, [&] {
        stop = stop || progress.wasCanceled();
        progress.setValue(written);
    });
    tick.start(100);
    progress.show();
    worker->start();
    loop.exec();
    worker->wait();
    *cancelled = stop;
    return done;
}

} // namespace

QString ExportGridToExcel(const std::vector<GridColumn> &columns, const DataSet &data,
                          const QString &sheetName, bool showExcel, QWidget *parent)
{
    QDir().mkpath(exportFolder());
    const QString path = exportPath(sheetName);
    QString error;
    bool cancelled = false;
    bool done = data.rowCount() < BackgroundExportRows
                    ? WorkbookWriter::write(path, sheetName, columns, data, &error)
                    : writeWithProgress(path, sheetName, columns, data, parent, &error, &cancelled);
    if (cancelled)
        return {};
    if (!done) {
        if (!error.isEmpty())
            qWarning("ExportGridToExcel: %s", qPrintable(error));
        platform().message(parent, ExcelFailedCaption, ExcelFailedMessage,
                           Platform::MessageKind::Error);
        return {};
    }
    if (showExcel && !platform().openUrl(QUrl::fromLocalFile(path))) {
        // The workbook is written: say where, so the operator can open it by hand.
        platform().message(parent, ExcelFailedCaption, workbookNotOpenedMessage(path),
                           Platform::MessageKind::Error);
    }
    return path;
}

QString workbookNotOpenedMessage(const QString &path)
{
    return ExcelFailedMessage + QLatin1Char('\n') + WorkbookSavedAsText +
           QDir::toNativeSeparators(path);
}

QString ExportGridToExcel(DataGrid *grid, const QString &sheetName, bool showExcel)
{
    const DataSet none;
    const DataSet *data = grid->dataSet();
    return ExportGridToExcel(grid->columns(), data ? *data : none, sheetName, showExcel, grid);
}
