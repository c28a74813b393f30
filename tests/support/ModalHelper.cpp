#include "ModalHelper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace {

void poll(const QString &objectName, QWidget *previous, std::function<void(QWidget *)> act,
          std::shared_ptr<QElapsedTimer> clock, int timeoutMs)
{
    QWidget *modal = QApplication::activeModalWidget();
    const bool fits = modal && modal != previous &&
                      (objectName.isEmpty() || modal->objectName() == objectName);
    if (fits) {
        act(modal);
        return;
    }
    if (clock->elapsed() > timeoutMs)
        return;
    QTimer::singleShot(10, [=] { poll(objectName, previous, act, clock, timeoutMs); });
}

} // namespace

void orvtest::whenModalNamed(const QString &objectName, std::function<void(QWidget *)> act,
                             int timeoutMs)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QWidget *previous = QApplication::activeModalWidget();
    QTimer::singleShot(0, [=] { poll(objectName, previous, act, clock, timeoutMs); });
}

void orvtest::whenModal(std::function<void(QWidget *)> act, int timeoutMs)
{
    whenModalNamed(QString(), std::move(act), timeoutMs);
}
