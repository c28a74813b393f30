#include "ToolActions.h"

#include <QAction>
#include <QToolBar>
#include <QWidget>

namespace Tools {
const ToolAction New{QStringLiteral("tbNew"), QStringLiteral("新增"), QStyle::SP_FileIcon,
                     QKeySequence(Qt::CTRL | Qt::Key_A)};
const ToolAction Edit{QStringLiteral("tbEdit"), QStringLiteral("修改"),
                      QStyle::SP_FileDialogDetailedView, QKeySequence(Qt::CTRL | Qt::Key_E)};
const ToolAction Delete{QStringLiteral("tbDel"), QStringLiteral("删除"), QStyle::SP_TrashIcon,
                        QKeySequence(Qt::Key_Delete)};
const ToolAction Save{QStringLiteral("tbSave"), QStringLiteral("保存"), QStyle::SP_DialogApplyButton,
                      QKeySequence(Qt::CTRL | Qt::Key_S)};
const ToolAction Cancel{QStringLiteral("tbCancel"), QStringLiteral("取消"),
                        QStyle::SP_DialogCancelButton, QKeySequence(Qt::Key_Escape)};
const ToolAction Query{QStringLiteral("tbQuery"), QStringLiteral("查询"),
                       QStyle::SP_FileDialogContentsView, QKeySequence(Qt::CTRL | Qt::Key_Q)};
const ToolAction Clear{QStringLiteral("tbClear"), QStringLiteral("清除"), QStyle::SP_TrashIcon, {}};
const ToolAction First{QStringLiteral("tbFirst"), QStringLiteral("首项"),
                       QStyle::SP_MediaSkipBackward, QKeySequence(Qt::Key_Home)};
const ToolAction Prior{QStringLiteral("tbPrior"), QStringLiteral("前项"),
                       QStyle::SP_MediaSeekBackward, QKeySequence(Qt::Key_PageUp)};
const ToolAction Next{QStringLiteral("tbNext"), QStringLiteral("后项"), QStyle::SP_MediaSeekForward,
                      QKeySequence(Qt::Key_PageDown)};
const ToolAction Last{QStringLiteral("tbLast"), QStringLiteral("末项"), QStyle::SP_MediaSkipForward,
                      QKeySequence(Qt::Key_End)};
const ToolAction Print{
    QStringLiteral("tbPrint"), QStringLiteral("打印"), QStyle::SP_FileDialogListView, {}};
const ToolAction Design{
    QStringLiteral("tbset"), QStringLiteral("设置"), QStyle::SP_FileDialogInfoView, {}};
const ToolAction Export{
    QStringLiteral("tbExport"), QStringLiteral("导出"), QStyle::SP_DialogSaveButton, {}};
const ToolAction Refresh{
    QStringLiteral("tbRefresh"), QStringLiteral("刷新"), QStyle::SP_BrowserReload, {}};
const ToolAction Exit{QStringLiteral("tbExit"), QStringLiteral("退出"),
                      QStyle::SP_DialogCloseButton, QKeySequence(Qt::Key_Escape)};
const ToolAction Separator{};
} // namespace Tools

QList<QAction *> addToolActions(QToolBar *bar, const QList<ToolAction> &rows)
{
    QList<QAction *> actions;
    for (const ToolAction &row : rows) {
        if (row.isSeparator()) {
            bar->addSeparator();
            continue;
        }
        QAction *action = bar->addAction(bar->style()->standardIcon(row.icon), row.caption);
        action->setObjectName(row.objectName);
        if (QWidget *button = bar->widgetForAction(action))
            button->setObjectName(row.objectName);
        actions << action;
    }
    return actions;
}
