#pragma once

class QWidget;

// Places and sizes a window before it is shown.
//   mode 0: large modal windows, nearly the whole available screen, centred;
//   mode 1: dialogs and editors, their own size, centred on the main window (or the screen);
//   mode 2: the main window, most of the screen, centred.
void DispFormPos(QWidget *window, int mode);
