#pragma once
#include "KeyPreview.h"

#include <QKeySequence>
#include <functional>
#include <vector>

class QAbstractButton;
class QAction;

// The window-wide keys of a window (Ctrl+A new, Ctrl+E change, Ctrl+Q query, Ctrl+S save, Esc,
// Home, End, Page Up, Page Down, Delete ...): each bound key presses its button or triggers its
// action, whichever control has the focus, and only while that button or action is enabled; a
// key whose target is disabled reaches the control as if unbound. The same key may be bound more
// than once: the first enabled binding acts ("Esc: 取消 when enabled, otherwise 退出").
//
//   auto *keys = new WindowKeys(this);
//   keys->bind(Qt::CTRL | Qt::Key_A, tbNew).bind(Qt::Key_Escape, tbExit);
//   keys->bind(Qt::Key_Delete, tbDel, WindowKeys::AlsoToControl);
//
// A bound key is swallowed by default; AlsoToControl lets the focused control have it as well,
// after the window has acted; UnlessTyping leaves Home, End, Delete and the page keys to the box
// the operator types in. Bound keys take precedence over the application's shortcuts.
class WindowKeys : public KeyPreview {
    Q_OBJECT
public:
    // Swallow: the window acts and the control never sees the key. AlsoToControl: the window
    // acts, then the control has the key too. UnlessTyping: while the focus is in a text input
    // (an editable box, an editable drop-down, a date picker, a memo) the key keeps its editing
    // meaning there and the window does not act; elsewhere the window acts and swallows it.
    enum Pass { Swallow, AlsoToControl, UnlessTyping };

    explicit WindowKeys(QWidget *window);

    WindowKeys &bind(const QKeySequence &key, QAbstractButton *button, Pass pass = Swallow);
    WindowKeys &bind(const QKeySequence &key, QAction *action, Pass pass = Swallow);
    // enabled may be empty: always enabled.
    WindowKeys &bind(const QKeySequence &key, std::function<void()> act,
                     std::function<bool()> enabled = {}, Pass pass = Swallow);

protected:
    bool previewKeyPress(QKeyEvent *event, QWidget *receiver) override;
    bool claimsKey(QKeyEvent *event) const override;

private:
    struct Binding {
        QKeyCombination key;
        std::function<void()> act;
        std::function<bool()> enabled;
        Pass pass;
    };
    const Binding *bindingFor(const QKeyEvent *event) const;
    static bool focusIsTyping();

    std::vector<Binding> m_bindings;
};
