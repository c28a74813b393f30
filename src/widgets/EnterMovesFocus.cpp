#include "EnterMovesFocus.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

EnterMovesFocus *EnterMovesFocus::install(QWidget *window, const QList<QWidget *> &excluded)
{
    auto *enter = new EnterMovesFocus(window);
    for (QWidget *control : excluded)
        enter->exclude(control);
    return enter;
}

void EnterMovesFocus::exclude(QWidget *control)
{
    if (control)
        m_excluded.append(control);
}

bool EnterMovesFocus::previewKeyPress(QKeyEvent *event, QWidget *receiver)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ||
        keepsEnter(receiver))
        return false;
    // A focused push button is pressed by Enter, as everywhere on the desktop: otherwise Enter on
    // 确定 would only move on to 取消.
    if (auto *button = qobject_cast<QPushButton *>(receiver); button && button->isEnabled()) {
        button->click();
        return true;
    }
    // A Tab sent to the window moves on by the window's tab order, whatever the focused control
    // would do with a Tab (a grid would move to its next cell).
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(window(), &tab);
    return true;
}

bool EnterMovesFocus::keepsEnter(QWidget *receiver) const
{
    for (QWidget *w = receiver; w && covers(w); w = w->parentWidget()) {
        if (qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w))
            return true;
        for (const auto &excluded : m_excluded)
            if (excluded == w)
                return true;
        if (w == window())
            break;
    }
    return false;
}
