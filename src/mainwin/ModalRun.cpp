#include "ModalRun.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>

namespace {

class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop &loop) : m_loop(loop) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            m_loop.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop &m_loop;
};

} // namespace

void execModal(QWidget *window)
{
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->exec();
        return;
    }
    window->setWindowFlag(Qt::Window);
    window->setWindowModality(Qt::ApplicationModal);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    QEventLoop loop;
    HideWatcher watcher(loop);
    QPointer<QWidget> guard(window);
    window->installEventFilter(&watcher);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    loop.exec();
    if (guard)
        guard->removeEventFilter(&watcher);
}
