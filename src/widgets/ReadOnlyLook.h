#pragma once
#include <QColor>

class QWidget;

// The look of an input the operator must not change: coloured background, read-only, out of the
// tab order (a click still reaches a text, so it can be selected and copied). false restores the
// control as it was before. Works for line edits (number and currency edits too), combo boxes,
// spin boxes (the date picker too), memos and, by blocking their input, any other control.
inline const QColor ReadOnlyColour = QColor(163, 149, 242);
void setReadOnlyLook(QWidget *widget, bool readOnly, const QColor &colour = ReadOnlyColour);
bool hasReadOnlyLook(const QWidget *widget);
