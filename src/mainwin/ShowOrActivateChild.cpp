#include "ShowOrActivateChild.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

namespace {

QMdiSubWindow *findSubWindow(QMdiArea *area, const QString &windowClass)
{
    // Topmost first, as the windows are on screen.
    const QList<QMdiSubWindow *> windows = area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if ((*it)->widget() && (*it)->widget()->objectName() == windowClass)
            return *it;
    }
    return nullptr;
}

} // namespace

QWidget *findChildWindow(QMdiArea *area, const QString &windowClass)
{
    QMdiSubWindow *sub = findSubWindow(area, windowClass);
    return sub ? sub->widget() : nullptr;
}

QWidget *ShowOrActivateChild(QMdiArea *area, const QString &windowClass,
                             const std::function<QWidget *(QWidget *parent)> &create,
                             QPointer<QWidget> *reference)
{
    if (QMdiSubWindow *sub = findSubWindow(area, windowClass)) {
        if (sub->isMinimized())
            sub->showNormal();
        else if (sub->isHidden())
            sub->show();
        sub->raise();
        area->setActiveSubWindow(sub);
        sub->widget()->setFocus();
        if (reference)
            *reference = sub->widget();
        return sub->widget();
    }

    QWidget *window = create(area->window());
    if (!window)
        return nullptr;
    window->setObjectName(windowClass);
    if (reference)
        *reference = window;
    const bool sized = window->testAttribute(Qt::WA_Resized);
    const QSize designed = window->size();
    QMdiSubWindow *sub = area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(window->windowIcon());
    // A list window wants room: most of the child area unless it chose its own size, which it
    // then gets (the frame's title bar added), as far as the area allows.
    const QSize room = area->viewport()->size();
    if (!sized) {
        sub->resize(
            QSize(room.width() * 9 / 10, room.height() * 9 / 10).expandedTo(QSize(480, 320)));
    } else {
        const int title = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
        const int border =
            sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub);
        sub->resize((designed + QSize(2 * border, title + 2 * border)).boundedTo(room));
    }
    sub->show();
    area->setActiveSubWindow(sub);
    return window;
}
