#include "WindowKeys.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

WindowKeys::WindowKeys(QWidget *window) : KeyPreview(window) {}

WindowKeys &WindowKeys::bind(const QKeySequence &key, QAbstractButton *button, Pass pass)
{
    QPointer<QAbstractButton> target = button;
    return bind(
        key, [target] { target->click(); }, [target] { return target && target->isEnabled(); },
        pass);
}

WindowKeys &WindowKeys::bind(const QKeySequence &key, QAction *action, Pass pass)
{
    QPointer<QAction> target = action;
    return bind(
        key, [target] { target->trigger(); }, [target] { return target && target->isEnabled(); },
        pass);
}

WindowKeys &WindowKeys::bind(const QKeySequence &key, std::function<void()> act,
                             std::function<bool()> enabled, Pass pass)
{
    if (!key.isEmpty())
        m_bindings.push_back({key[0], std::move(act), std::move(enabled), pass});
    return *this;
}

const WindowKeys::Binding *WindowKeys::bindingFor(const QKeyEvent *event) const
{
    const int key = event->key();
    if (key == 0 || key == Qt::Key_unknown)
        return nullptr;
    // The keypad's Delete, Home and End count as the same keys.
    const QKeyCombination pressed(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(key));
    for (const Binding &b : m_bindings) {
        if (b.key != pressed || (b.enabled && !b.enabled()))
            continue;
        if (b.pass == UnlessTyping && focusIsTyping())
            continue;
        return &b;
    }
    return nullptr;
}

bool WindowKeys::focusIsTyping()
{
    const QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return false;
    if (const auto *line = qobject_cast<const QLineEdit *>(focus))
        return !line->isReadOnly();
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(focus))
        return !spin->isReadOnly();
    if (const auto *box = qobject_cast<const QComboBox *>(focus))
        return box->isEditable();
    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(focus))
        return !memo->isReadOnly();
    if (const auto *rich = qobject_cast<const QTextEdit *>(focus))
        return !rich->isReadOnly();
    return false;
}

bool WindowKeys::previewKeyPress(QKeyEvent *event, QWidget *)
{
    const Binding *binding = bindingFor(event);
    if (!binding)
        return false;
    // Copies: the action may change the bindings.
    const Pass pass = binding->pass;
    const std::function<void()> act = binding->act;
    act();
    return pass != AlsoToControl;
}

bool WindowKeys::claimsKey(QKeyEvent *event) const
{
    return bindingFor(event) != nullptr;
}
