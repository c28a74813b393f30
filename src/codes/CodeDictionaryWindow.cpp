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

QToolButton *toolButton(QToolBar *bar, const char *name, const QString &caption,
                        QStyle::StandardPixmap icon)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(bar->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

} // namespace

CodeDictionaryWindow::CodeDictionaryWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("TFrmCodeMan"));
    setWindowTitle(Caption);
    m_codeType = CodeTypes::all().front().key;

    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setIconSize(QSize(24, 24));
    tbNew = toolButton(bar, "tbNew", QStringLiteral("新增"), QStyle::SP_FileIcon);
    tbEdit = toolButton(bar, "tbEdit", QStringLiteral("修改"), QStyle::SP_FileDialogDetailedView);
    tbDel = toolButton(bar, "tbDel", QStringLiteral("删除"), QStyle::SP_TrashIcon);
    bar->addSeparator();
    tbSave = toolButton(bar, "tbSave", QStringLiteral("保存"), QStyle::SP_DialogSaveButton);
    tbCancel = toolButton(bar, "tbCancel", QStringLiteral("取消"), QStyle::SP_DialogCancelButton);
    bar->addSeparator();
    tbPrint = toolButton(bar, "tbPrint", QStringLiteral("打印"), QStyle::SP_FileDialogContentsView);
    tbRefresh = toolButton(bar, "tbRefresh", QStringLiteral("刷新"), QStyle::SP_BrowserReload);
    bar->addSeparator();
    tbExit = toolButton(bar, "tbExit", QStringLiteral("退出"), QStyle::SP_DialogCloseButton);
    tbSave->setEnabled(false);
    tbCancel->setEnabled(false);

    PageControl1 = new CodeTypeTabs(this);

    DBGridEh1 = new DataGrid(this);
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    GridColumn name;
    name.fieldName = NameField;
    name.title = FirstTitle;
    name.width = NameColumnWidth;
    name.readOnly = false;
    DBGridEh1->setColumns({name});
    DBGridEh1->setDataSet(&m_codes);
    DBGridEh1->setEditable(false);
    DBGridEh1->setMinimumSize(560, 300);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const int widths[4] = {120, 120, 50, 50};
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(StatusBar1);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        m_panels[i]->setMinimumWidth(widths[i]);
        if (i >= 2)
            m_panels[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // The last panel takes the rest of the bar, as the last panel of a status bar does.
        StatusBar1->addWidget(m_panels[i], i == 3 ? 1 : 0);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(bar);
    layout->addWidget(PageControl1);
    layout->addWidget(DBGridEh1, 1);
    layout->addWidget(StatusBar1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(tbNew, &QToolButton::clicked, this, &CodeDictionaryWindow::tbNewClick);
    connect(tbEdit, &QToolButton::clicked, this, &CodeDictionaryWindow::tbEditClick);
    connect(tbDel, &QToolButton::clicked, this, &CodeDictionaryWindow::tbDelClick);
    connect(tbSave, &QToolButton::clicked, this, &CodeDictionaryWindow::tbSaveClick);
    connect(tbCancel, &QToolButton::clicked, this, &CodeDictionaryWindow::tbCancelClick);
    connect(tbPrint, &QToolButton::clicked, this, &CodeDictionaryWindow::tbPrintClick);
    connect(tbRefresh, &QToolButton::clicked, this, &CodeDictionaryWindow::tbRefreshClick);
    connect(tbExit, &QToolButton::clicked, this, &CodeDictionaryWindow::tbExitClick);
    connect(PageControl1, &CodeTypeTabs::currentChanged, this,
            &CodeDictionaryWindow::PageControl1Change);

    auto *keys = new WindowKeys(this);
    keys->bind(Qt::CTRL | Qt::Key_A, tbNew)
        .bind(Qt::CTRL | Qt::Key_E, tbEdit)
        .bind(Qt::CTRL | Qt::Key_S, tbSave)
        .bind(Qt::Key_Escape, tbCancel)
        .bind(Qt::Key_Escape, tbExit)
        .bind(Qt::Key_Delete, tbDel)
        .bind(
            Qt::Key_Down, [this] { moveDownInGrid(); },
            [this] { return m_editing && gridHasFocus(); });
    EnterMovesFocus::install(this);
}

void CodeDictionaryWindow::run(QWidget *mainWindow)
{
    CodeDictionaryWindow window(mainWindow);
    DispFormPos(&window, 1);
    window.exec();
}

void CodeDictionaryWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void CodeDictionaryWindow::FormShow()
{
    setGridTitle(FirstTitle);
    m_codeType = CodeTypes::all().front().key;
    openCodes();
    m_panels[3]->setText(PublisherName + QStringLiteral("  "));
    PageControl1->setCurrentIndex(0);
}

void CodeDictionaryWindow::EnableBrowseButtons(bool browsing)
{
    for (QWidget *control : {static_cast<QWidget *>(tbNew), static_cast<QWidget *>(tbEdit),
                             static_cast<QWidget *>(tbDel), static_cast<QWidget *>(tbExit),
                             static_cast<QWidget *>(tbRefresh), static_cast<QWidget *>(tbPrint),
                             static_cast<QWidget *>(PageControl1)})
        control->setEnabled(browsing);
    tbSave->setEnabled(!browsing);
    tbCancel->setEnabled(!browsing);
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
    postCellEdit();
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
    cancelCellEdit();
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

void CodeDictionaryWindow::postCellEdit()
{
    QTableView *view = DBGridEh1->view();
    const QModelIndex index = view->currentIndex();
    if (QWidget *editor = view->indexWidget(index)) {
        QAbstractItemDelegate *delegate = view->itemDelegateForIndex(index);
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void CodeDictionaryWindow::cancelCellEdit()
{
    QTableView *view = DBGridEh1->view();
    const QModelIndex index = view->currentIndex();
    if (QWidget *editor = view->indexWidget(index))
        emit view->itemDelegateForIndex(index)->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CodeDictionaryWindow::moveDownInGrid()
{
    postCellEdit();
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
    postCellEdit();
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
