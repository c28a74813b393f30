#pragma once
#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWidget;

// Sees every key press meant for a window's controls (or the window itself) before the focused
// control does, as the windows' key bindings need. A preview lives as a child of its window.
//
// One application event filter serves all previews. It hands a key press to the previews of the
// window that holds the receiving control, in the order they were made; one that returns true
// swallows the key. Otherwise the filter delivers the key to the control itself and stops it
// there, so a key that the control ignores and Qt passes on to the parents is not previewed a
// second time (a line edit ignores Enter after reporting it, for instance).
class KeyPreview : public QObject {
    Q_OBJECT
public:
    explicit KeyPreview(QWidget *window);
    ~KeyPreview() override;

    QWidget *window() const { return m_window; }
    // True when the control is the window or lies inside it (not in another window).
    bool covers(const QWidget *control) const;

protected:
    // A key press for `receiver`; true swallows it.
    virtual bool previewKeyPress(QKeyEvent *event, QWidget *receiver) = 0;
    // True claims a key from the application's shortcuts, so that it arrives as a key press.
    virtual bool claimsKey(QKeyEvent *) const { return false; }

private:
    friend class KeyPreviewFilter;
    QPointer<QWidget> m_window;
};
