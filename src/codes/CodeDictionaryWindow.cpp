#include "CodeDictionaryWindow.h"

#include "CodeStatements.h"
#include "CodeTypeTabs.h"
#include "CodeTypes.h"

#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/Messages.h"
#include "app/WindowPlacement.h"
#include "grids/DataGrid.h"
#include "grids/GridModel.h"
#include "output/PrintGrid.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/WindowKeys.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString IdField = QStringLiteral("F_ID");
const QString NameField = QStringLiteral("F_Name");
constexpr int NameColumnWidth = 269;

} // namespace

CodeDictionaryWindow::CodeDictionaryWindow(QWidget *parent)
    : ListWindow(QStringLiteral("TFrmCodeMan"), Caption, QString(), parent), m_codes(*rows())
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    m_codeType = CodeTypes::all().front().key;

    setTools({Tools::New, Tools::Edit, Tools::Delete, Tools::Separator, Tools::Save, Tools::Cancel,
              Tools::Separator, Tools::Print, Tools::Refresh, Tools::Separator, Tools::Exit});
    action(Tools::Save.objectName)->setEnabled(false);
    action(Tools::Cancel.objectName)->setEnabled(false);
    setStatusPanels({120, 120, 50, 50});

    PageControl1 = new CodeTypeTabs(this);
    setFilterBar(PageControl1);

    GridColumn name;
    name.fieldName = NameField;
    name.title = FirstTitle;
    name.width = NameColumnWidth;
    name.readOnly = false;
    DBGridEh1->setColumns({name});
    DBGridEh1->setEditable(false);
    DBGridEh1->setMinimumSize(560, 300);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    const auto on = [this](const ToolAction &tool, void (CodeDictionaryWindow::*handler)()) {
        connect(action(tool.objectName), &QAction::triggered, this, handler);
    };
    on(Tools::New, &CodeDictionaryWindow::tbNewClick);
    on(Tools::Edit, &CodeDictionaryWindow::tbEditClick);
    on(Tools::Delete, &CodeDictionaryWindow::tbDelClick);
    on(Tools::Save, &CodeDictionaryWindow::tbSaveClick);
    on(Tools::Cancel, &CodeDictionaryWindow::tbCancelClick);
    on(Tools::Print, &CodeDictionaryWindow::tbPrintClick);
    on(Tools::Refresh, &CodeDictionaryWindow::tbRefreshClick);
    connect(PageControl1, &CodeTypeTabs::currentChanged, this,
            &CodeDictionaryWindow::PageControl1Change);

    // In the edit state Down on the last row appends a row, as typing a list of names asks.
    keys()->bind(
        Qt::Key_Down, [this] { moveDownInGrid(); }, [this] { return m_editing && gridHasFocus(); });
}

void CodeDictionaryWindow::run(QWidget *mainWindow)
{
    CodeDictionaryWindow window(mainWindow);
    DispFormPos(&window, 1);
    window.exec();
}

void CodeDictionaryWindow::firstShow()
{
    setGridTitle(FirstTitle);
    m_codeType = CodeTypes::all().front().key;
    openCodes();
    PageControl1->setCurrentIndex(0);
}

void CodeDictionaryWindow::EnableBrowseButtons(bool browsing)
{
    for (const ToolAction *tool :
         {&Tools::New, &Tools::Edit, &Tools::Delete, &Tools::Exit, &Tools::Refresh, &Tools::Print})
        action(tool->objectName)->setEnabled(browsing);
    PageControl1->setEnabled(browsing);
    action(Tools::Save.objectName)->setEnabled(!browsing);
    action(Tools::Cancel.objectName)->setEnabled(!browsing);
    m_editing = !browsing;
}

void CodeDictionaryWindow::PageControl1Change(int index)
{
    SelectCodeType(index);
}

void CodeDictionaryWindow::SelectCodeType(int index)
{
    QAbstractButton *tab = PageControl1->tab(index);
    if (!tab)
        return;
    m_codeType = CodeTypes::keyFromTabName(tab->objectName());
    setGridTitle(tab->text());
    openCodes();
}

void CodeDictionaryWindow::StampCodeType()
{
    DBGridEh1->setUpdatesEnabled(false);
    CodeBatch::stampCodeType(m_codes, m_codeType);
    DBGridEh1->setUpdatesEnabled(true);
}

void CodeDictionaryWindow::openCodes(int currentRow)
{
    const SqlStatement query = CodeStatements::codesOfType(m_codeType);
    dm().OpenQuery(query.sql, m_codes, query.params);
    m_batch.remember(m_codes);
    if (currentRow > 0 && !m_codes.isEmpty())
        m_codes.moveTo(std::min(currentRow, m_codes.rowCount() - 1));
}

void CodeDictionaryWindow::setGridTitle(const QString &title)
{
    GridColumn column = DBGridEh1->columnAt(0);
    column.title = title;
    DBGridEh1->setColumn(0, column);
}

QString CodeDictionaryWindow::currentCaption() const
{
    const CodeType *type = CodeTypes::find(m_codeType);
    return type ? type->caption : QString();
}

QString CodeDictionaryWindow::deleteQuestion() const
{
    return QStringLiteral("真的要删除 ") + QLatin1Char('"') + currentCaption() + QLatin1Char('"') +
           m_codes.fieldText(NameField) + QStringLiteral("吗？");
}

void CodeDictionaryWindow::tbNewClick()
{
    if (m_codes.fieldIndex(NameField) < 0)
        return; // the type's codes could not be read (already reported)
    EnableBrowseButtons(false);
    DBGridEh1->setEditable(true);
    appendRowAndEdit();
}

void CodeDictionaryWindow::tbEditClick()
{
    if (m_codes.isEmpty()) {
        ShowMess(this, NothingToEditMessage, 3);
        return;
    }
    EnableBrowseButtons(false);
    DBGridEh1->setEditable(true);
    DBGridEh1->view()->setFocus();
}

void CodeDictionaryWindow::tbSaveClick()
{
    DBGridEh1->commitCellEdit();
    StampCodeType();
    const DbResult written = CodeBatch::write(dm().db(), m_batch.pendingChanges(m_codes));
    if (!written) {
        // Nothing was written; the window stays in the edit state with every change pending.
        ShowMess(this, SaveFailedMessage + QLatin1Char('\n') + written.error, 3);
        return;
    }
    EnableBrowseButtons(true);
    DBGridEh1->setEditable(false);
    openCodes(m_codes.currentRow());
}

void CodeDictionaryWindow::tbCancelClick()
{
    DBGridEh1->cancelCellEdit();
    EnableBrowseButtons(true);
    DBGridEh1->setEditable(false);
    openCodes(m_codes.currentRow());
}

void CodeDictionaryWindow::tbDelClick()
{
    if (m_codes.isEmpty() || m_codes.currentRow() < 0) {
        ShowMess(this, NothingToDeleteMessage, 0);
        return;
    }
    if (ShowMess(this, deleteQuestion(), 1) == 2)
        return;
    const int row = m_codes.currentRow();
    const DbResult removed = CodeBatch::remove(dm().db(), m_codes.fieldValue(IdField).toLongLong());
    if (!removed) {
        ShowMess(this, DataModule::DeleteFailed + QLatin1Char('\n') + removed.error, 3);
        return;
    }
    openCodes(row);
}

void CodeDictionaryWindow::tbPrintClick()
{
    PrintGrid(DBGridEh1->columns(), m_codes, DBGridEh1->columnAt(0).title + QStringLiteral("设置"),
              1, QStringLiteral("date"), QString(), this);
}

void CodeDictionaryWindow::tbRefreshClick()
{
    openCodes(m_codes.currentRow());
}

void CodeDictionaryWindow::tbExitClick()
{
    close();
}

void CodeDictionaryWindow::moveDownInGrid()
{
    DBGridEh1->commitCellEdit();
    const int row = m_codes.currentRow();
    if (row < m_codes.rowCount() - 1) {
        m_codes.moveTo(row + 1);
        return;
    }
    // A blank appended row is not followed by another one.
    const bool blankAppended = row >= 0 && m_codes.value(row, IdField).isNull() &&
                               m_codes.text(row, NameField).trimmed().isEmpty();
    if (!blankAppended)
        appendRowAndEdit();
}

void CodeDictionaryWindow::appendRowAndEdit()
{
    DBGridEh1->commitCellEdit();
    const int row = m_codes.appendRow();
    QTableView *view = DBGridEh1->view();
    view->setFocus();
    const QModelIndex index = DBGridEh1->model()->index(row, 0);
    view->setCurrentIndex(index);
    view->edit(index);
}

bool CodeDictionaryWindow::gridHasFocus() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == DBGridEh1 || DBGridEh1->isAncestorOf(focus));
}
