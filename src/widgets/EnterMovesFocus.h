#pragma once
#include "KeyPreview.h"

#include <QList>

// Enter acting as Tab: in a window where it is installed, Enter (Return or the keypad's Enter,
// without Ctrl or Alt) moves the focus to the next control in tab order and is swallowed, so no
// default button is pressed and no drop-down takes the typed text by it. A focused push button
// is pressed by Enter, as the desktop does. Memos (plain and rich text
// edits) and the excluded controls, with everything inside them, keep Enter for themselves.
class EnterMovesFocus : public KeyPreview {
    Q_OBJECT
public:
    static EnterMovesFocus *install(QWidget *window, const QList<QWidget *> &excluded = {});
    void exclude(QWidget *control);

protected:
    bool previewKeyPress(QKeyEvent *event, QWidget *receiver) override;

private:
    explicit EnterMovesFocus(QWidget *window) : KeyPreview(window) {}
    bool keepsEnter(QWidget *receiver) const;

    QList<QPointer<QWidget>> m_excluded;
};
