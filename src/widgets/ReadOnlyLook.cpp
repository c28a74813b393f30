#include "ReadOnlyLook.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVariant>

namespace {

const char *const LookProperty = "orvReadOnlyLook";
const char *const PaletteProperty = "orvSavedPalette";
const char *const FocusProperty = "orvSavedFocusPolicy";
const char *const FillProperty = "orvSavedAutoFill";
const char *const BlockerName = "orvReadOnlyBlocker";

// Swallows what would change a control that has no read-only mode of its own (a combo box's
// selection, a check box): clicks, the wheel and keys other than moving on and copying.
class InputBlocker : public QObject {
public:
    explicit InputBlocker(QObject *parent) : QObject(parent)
    {
        setObjectName(QLatin1String(BlockerName));
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto *key = static_cast<QKeyEvent *>(event);
            return !(key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                     key->matches(QKeySequence::Copy));
        }
        default:
            return false;
        }
    }
};

void blockInput(QWidget *widget, bool block)
{
    auto *blocker =
        widget->findChild<QObject *>(QLatin1String(BlockerName), Qt::FindDirectChildrenOnly);
    if (block && !blocker)
        widget->installEventFilter(new InputBlocker(widget));
    else if (!block && blocker)
        delete blocker; // removes itself as a filter
}

void setInputReadOnly(QWidget *widget, bool readOnly)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        edit->setReadOnly(readOnly);
    } else if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget)) {
        spin->setReadOnly(readOnly);
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(widget)) {
        memo->setReadOnly(readOnly);
    } else if (auto *text = qobject_cast<QTextEdit *>(widget)) {
        text->setReadOnly(readOnly);
    } else {
        if (auto *box = qobject_cast<QComboBox *>(widget); box && box->lineEdit())
            box->lineEdit()->setReadOnly(readOnly);
        blockInput(widget, readOnly);
    }
}

} // namespace

void setReadOnlyLook(QWidget *widget, bool readOnly, const QColor &colour)
{
    if (!widget)
        return;
    const bool marked = hasReadOnlyLook(widget);
    if (readOnly) {
        if (!marked) {
            widget->setProperty(LookProperty, true);
            widget->setProperty(PaletteProperty, widget->testAttribute(Qt::WA_SetPalette)
                                                     ? QVariant(widget->palette())
                                                     : QVariant());
            widget->setProperty(FocusProperty, int(widget->focusPolicy()));
            widget->setProperty(FillProperty, widget->autoFillBackground());
        }
        QPalette palette = widget->palette();
        for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
            palette.setColor(role, colour);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
        widget->setFocusPolicy(
            Qt::FocusPolicy(widget->property(FocusProperty).toInt() & ~int(Qt::TabFocus)));
        setInputReadOnly(widget, true);
        return;
    }
    if (!marked)
        return;
    const QVariant saved = widget->property(PaletteProperty);
    widget->setPalette(saved.isValid() ? saved.value<QPalette>() : QPalette());
    widget->setFocusPolicy(Qt::FocusPolicy(widget->property(FocusProperty).toInt()));
    widget->setAutoFillBackground(widget->property(FillProperty).toBool());
    setInputReadOnly(widget, false);
    widget->setProperty(LookProperty, QVariant());
    widget->setProperty(PaletteProperty, QVariant());
    widget->setProperty(FocusProperty, QVariant());
    widget->setProperty(FillProperty, QVariant());
}

bool hasReadOnlyLook(const QWidget *widget)
{
    return widget && widget->property(LookProperty).toBool();
}
