#pragma once

class QWidget;

// Shows a window modally and returns when it is closed or hidden: exec() for a dialog, a local
// event loop for any other window. The caller still owns the window.
void execModal(QWidget *window);
