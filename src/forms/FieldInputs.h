#pragma once
#include "EditorFields.h"

class QWidget;

// The inputs of an editor by kind: made, cleared for a new record, loaded from a stored value
// and read back in the stored form. One function per step serves every kind, so an editor's
// field table is all it needs to load and save.
namespace FieldInputs {
// A new input of the kind with the objectName (DatePicker, CurrencyEdit, QComboBox, ...).
QWidget *make(FieldKind kind, const QString &objectName, QWidget *parent);
// The state of a new record: empty texts, 0, today (an optional date unticked), unchecked.
void clear(QWidget *input, FieldKind kind);
// Shows a stored value. A drop-down that must choose from its list still shows a stored value
// that its list lacks (a code deleted since, a driver who left), so that a save keeps it.
void load(QWidget *input, FieldKind kind, const QVariant &value);
// The value to store: trimmed texts where the row asks, dates as "yyyy-MM-dd" or 1900-08-14,
// numbers as doubles, Booleans, picture bytes and file names.
QVariant stored(const QWidget *input, const EditorField &row);
// The text a NotEmpty check looks at, and the number a Positive check looks at.
QString text(const QWidget *input);
double number(const QWidget *input);
} // namespace FieldInputs
