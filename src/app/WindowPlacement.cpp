#include "WindowPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

namespace {

QWidget *mainWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow *>(w) && w->isVisible())
            return w;
    return nullptr;
}

QRect available(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
}

QSize scaled(const QRect &area, double factor)
{
    return QSize(int(area.width() * factor), int(area.height() * factor));
}

} // namespace

void DispFormPos(QWidget *window, int mode)
{
    if (!window)
        return;
    const QRect area = available(window);
    QRect frame;
    switch (mode) {
    case 0: {
        const QSize size = scaled(area, 0.94);
        frame = QRect(QPoint(), size);
        frame.moveCenter(area.center());
        break;
    }
    case 2: {
        const QSize size = scaled(area, 0.9).expandedTo(QSize(1024, 700)).boundedTo(area.size());
        frame = QRect(QPoint(), size);
        frame.moveCenter(area.center());
        break;
    }
    default: {
        // A window given its designed size keeps it; only one never sized takes its layout's.
        if (!window->testAttribute(Qt::WA_Resized))
            window->adjustSize();
        QSize size = window->size().boundedTo(area.size());
        frame = QRect(QPoint(), size);
        QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : mainWindow();
        if (owner == window)
            owner = nullptr;
        frame.moveCenter(owner ? owner->frameGeometry().center() : area.center());
        // Keep the whole window on the screen.
        if (frame.right() > area.right())
            frame.moveRight(area.right());
        if (frame.bottom() > area.bottom())
            frame.moveBottom(area.bottom());
        if (frame.left() < area.left())
            frame.moveLeft(area.left());
        if (frame.top() < area.top())
            frame.moveTop(area.top());
        break;
    }
    }
    window->resize(frame.size());
    window->move(frame.topLeft());
}
