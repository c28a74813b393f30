#include "PrintGrid.h"

#include "PrintPreviewDialog.h"
#include "app/Platform.h"
#include "grids/DataGrid.h"

namespace {
int &previousFitMode()
{
    static int mode = GridPrinter::FitColumnWidths;
    return mode;
}
} // namespace

GridPrinter::Texts gridPrintTexts(const QString &title, const QString &footerText,
                                  const QString &headerText)
{
    GridPrinter::Texts texts;
    texts.title = title;
    if (!headerText.trimmed().isEmpty())
        texts.headerLeft = headerText;
    if (!footerText.trimmed().isEmpty()) {
        texts.footerRight = footerText == QLatin1String("date")
                                ? QStringLiteral("打印日期：") +
                                      platform().today().toString(QStringLiteral("yyyy年MM月dd日"))
                                : footerText;
    }
    return texts;
}

int gridPrintFitMode(int fitMode)
{
    if (fitMode == GridPrinter::FitStretchRows || fitMode == GridPrinter::FitColumnWidths)
        previousFitMode() = fitMode;
    return previousFitMode();
}

void PrintGrid(const std::vector<GridColumn> &columns, const DataSet &data, const QString &title,
               int fitMode, const QString &footerText, const QString &headerText, QWidget *parent,
               GridPrinter::CellTextFunction cellText, const QStringList &footerTexts)
{
    GridPrinter printer(columns, data, gridPrintTexts(title, footerText, headerText),
                        gridPrintFitMode(fitMode));
    if (cellText)
        printer.setCellText(std::move(cellText));
    if (!footerTexts.isEmpty())
        printer.setFooterTexts(footerTexts);
    PrintPreviewDialog::preview(printer, title, parent);
}

void PrintGrid(DataGrid *grid, const QString &title, int fitMode, const QString &footerText,
               const QString &headerText)
{
    const DataSet none;
    const DataSet *data = grid->dataSet();
    QStringList footers;
    if (grid->hasFooter()) {
        for (int i = 0; i < grid->columnCount(); ++i)
            footers << grid->footerText(i);
    }
    PrintGrid(
        grid->columns(), data ? *data : none, title, fitMode, footerText, headerText, grid,
        [grid](int row, int column) { return grid->cellText(row, column); }, footers);
}
