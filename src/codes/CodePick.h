#pragma once
#include <QString>

class QAbstractButton;
class QComboBox;
class QWidget;

// The editors' side of the code dictionary: their pick lists and their pick buttons.

// Fills a drop-down with the non-blank names of a code type, each once, after an empty first
// item (FillPickList with the pick-list statement of the dictionary).
void FillCodePickList(QComboBox *box, const QString &key);

// The sequence every pick button runs: the code picker owned by `owner`, with the type key and
// the caption, picks for the target drop-down and is destroyed. Returns the chosen name, empty
// when the operator closed the picker without choosing; the choice is already selected in the
// target.
QString PickCodeFor(QWidget *owner, const QString &key, const QString &caption, QComboBox *target);

// Wires a pick button beside its drop-down: the hint "增加" + caption, and a click runs
// PickCodeFor with the button's window as the owner.
void connectCodePickButton(QAbstractButton *button, const QString &key, const QString &caption,
                           QComboBox *target);
