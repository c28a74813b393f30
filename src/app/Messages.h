#pragma once
#include <QString>

class QWidget;

// The program's message box. Kind 0 information, 1 question, 2 warning, 3 error. For a question
// the result is 1 when the operator confirms and 2 when the operator declines; for the other
// kinds it is 1. The box is parented to the active window.
int ShowMess(const QString &text, int kind);
int ShowMess(QWidget *parent, const QString &text, int kind);

// The caption shown for each kind.
QString messageCaption(int kind);
