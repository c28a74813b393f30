#pragma once

class QWidget;

// Editors call this when they are shown. On Linux the input method framework serves every Qt
// text control by itself, so there is nothing to switch: the call is kept so that the editors
// keep one place to hook a per-control input method should a platform ever need it.
void ApplyInputMethod(QWidget *window);
