#pragma once
#include "db/SqlStatement.h"

#include <QString>

class QComboBox;

// Pick lists on drop-downs.
//
// FillPickList runs the query and replaces the box's items by an empty first item (so that the
// operator can choose "nothing") and the first column of every row whose trimmed text is not
// empty, as it stands (untrimmed), in query order. The box keeps what it shows: an editable box
// its text, a list-only box its selected text while that is still in the list (otherwise the
// empty item). A failing query shows DataModule::OperationFailed and leaves the box as it was,
// the operator's choice included. No change signals are emitted; the fill is fast for lists of
// 20,000 vehicles.
void FillPickList(const QString &sql, QComboBox *box);
void FillPickList(const QString &sql, const SqlParams &params, QComboBox *box);

void FillPickList(const SqlStatement &statement, QComboBox *box);

// Refills the box with FillPickList each time the focus enters it, so that a partner or employee
// added meanwhile is offered (the editors' partner and driver lists).
void RefillPickListOnEnter(QComboBox *box, const SqlStatement &statement);

// Selects the item that equals the value, both trimmed and without regard to case; with several
// such items the last one wins; with none the selection stays as it is.
void SelectPickListItem(const QString &value, QComboBox *box);

// The two kinds of drop-down of the editors: editable (the operator may type a value that is not
// in the list; typing never adds it to the list) and list-only (a choice from the list).
void makeEditablePickBox(QComboBox *box);
void makeListOnlyPickBox(QComboBox *box);
