#pragma once
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStyle>

class QAction;
class QToolBar;
class QWidget;

// One command of a window's tool bar: the action's objectName, caption, icon and window key.
// The tool button shows the action and carries the same objectName.
struct ToolAction {
    QString objectName;
    QString caption;
    QStyle::StandardPixmap icon = QStyle::SP_FileIcon;
    QKeySequence key;

    // The same command under another objectName (导出 is ToolButton1 in some windows).
    ToolAction named(const QString &name) const
    {
        ToolAction copy = *this;
        copy.objectName = name;
        return copy;
    }
    bool isSeparator() const { return objectName.isEmpty(); }
};

// The commands the list windows share, each with its one caption, icon and key.
namespace Tools {
extern const ToolAction New;     // 新增  Ctrl+A
extern const ToolAction Edit;    // 修改  Ctrl+E
extern const ToolAction Delete;  // 删除  Delete
extern const ToolAction Save;    // 保存  Ctrl+S
extern const ToolAction Cancel;  // 取消  Esc
extern const ToolAction Query;   // 查询  Ctrl+Q
extern const ToolAction Clear;   // 清除
extern const ToolAction First;   // 首项  Home
extern const ToolAction Prior;   // 前项  Page Up
extern const ToolAction Next;    // 后项  Page Down
extern const ToolAction Last;    // 末项  End
extern const ToolAction Print;   // 打印
extern const ToolAction Design;  // 设置  (tbset: the report designer)
extern const ToolAction Export;  // 导出
extern const ToolAction Refresh; // 刷新
extern const ToolAction Exit;    // 退出  Esc
extern const ToolAction Separator;
} // namespace Tools

// Builds the bar's actions in order (a separator row adds a separator) and returns them.
QList<QAction *> addToolActions(QToolBar *bar, const QList<ToolAction> &rows);
