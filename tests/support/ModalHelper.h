#pragma once
#include <QWidget>
#include <functional>

namespace orvtest {

// Runs `act` on the next modal window that opens (found by polling after the call that opens it
// has started its own event loop). Use before the call that shows the modal window:
//
//   bool done = false;
//   whenModal([&](QWidget *dialog) { ...fill, press OK...; done = true; });
//   window->tbNew->click();      // opens the modal editor, returns when it closes
//   QVERIFY(done);
//
// A modal window that has not appeared within timeoutMs leaves `act` unrun.
void whenModal(std::function<void(QWidget *)> act, int timeoutMs = 5000);

// Like whenModal, but waits for a modal window with that objectName.
void whenModalNamed(const QString &objectName, std::function<void(QWidget *)> act,
                    int timeoutMs = 5000);

} // namespace orvtest
