#include "KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <vector>

class KeyPreviewFilter : public QObject {
public:
    // The filter of the running application; made on first use, gone with the application.
    static KeyPreviewFilter *instance(bool make)
    {
        static QPointer<KeyPreviewFilter> filter;
        if (!filter && make && qApp) {
            filter = new KeyPreviewFilter(qApp);
            qApp->installEventFilter(filter);
        }
        return filter;
    }

    void add(KeyPreview *preview) { m_previews.emplace_back(preview); }
    void remove(KeyPreview *preview)
    {
        std::erase_if(m_previews, [preview](const QPointer<KeyPreview> &p) {
            return p.isNull() || p == preview;
        });
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) ||
            !object->isWidgetType())
            return false;
        if (std::find(m_forwarding.begin(), m_forwarding.end(), event) != m_forwarding.end())
            return false;
        auto *receiver = static_cast<QWidget *>(object);
        std::vector<QPointer<KeyPreview>> previews;
        for (const auto &p : m_previews)
            if (p && p->covers(receiver))
                previews.push_back(p);
        if (previews.empty())
            return false;

        auto *key = static_cast<QKeyEvent *>(event);
        if (type == QEvent::ShortcutOverride) {
            for (const auto &p : previews)
                if (p && p->claimsKey(key)) {
                    key->accept();
                    return true;
                }
            return false;
        }

        QPointer<QWidget> target = receiver;
        for (const auto &p : previews) {
            if (p && p->previewKeyPress(key, receiver)) {
                key->accept();
                return true;
            }
            if (!target) // the binding closed the control's window
                return true;
        }
        // Deliver it here, keeping its spontaneity (sendEvent would clear it and make Qt try the
        // shortcuts again), and stop Qt's own delivery so that the parents do not see it again.
        m_forwarding.push_back(event);
        qApp->notify(target, event);
        m_forwarding.pop_back();
        key->accept();
        return true;
    }

private:
    using QObject::QObject;
    std::vector<QPointer<KeyPreview>> m_previews;
    std::vector<QEvent *> m_forwarding;
};

KeyPreview::KeyPreview(QWidget *window) : QObject(window), m_window(window)
{
    if (KeyPreviewFilter *filter = KeyPreviewFilter::instance(true))
        filter->add(this);
}

KeyPreview::~KeyPreview()
{
    if (KeyPreviewFilter *filter = KeyPreviewFilter::instance(false))
        filter->remove(this);
}

bool KeyPreview::covers(const QWidget *control) const
{
    return m_window && control && (control == m_window || m_window->isAncestorOf(control));
}
