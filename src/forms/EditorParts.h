#pragma once

class QLabel;
class QToolButton;
class QWidget;

// Small parts every editor's layout uses.
// The blue asterisk after an input that must be filled.
QLabel *requiredMark(QWidget *parent);
// The "..." button beside a drop-down that opens a picker; no tab stop.
QToolButton *pickButton(QWidget *parent, const char *objectName);
