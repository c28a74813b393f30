#pragma once
#include "db/SqlStatement.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

// What kind of input shows a field, and so how it is loaded, cleared and stored.
enum class FieldKind {
    Text,             // line edit: the text
    PickList,         // drop-down, choice from the list: the chosen text
    EditablePickList, // drop-down, free text allowed: the text
    Date,             // date picker: "yyyy-MM-dd", today for a new record
    OptionalDate,     // date picker with tick box: the date, or 1900-08-14 unticked
    Number,           // number input: a floating-point number, 0 for a new record
    Currency,         // currency input (four places): as Number
    Memo,             // multi-line text; Enter makes a line break
    Boolean,          // check box
    Picture,          // picture slot: the picture's bytes as read from its file (blob)
    PictureName,      // the same slot: the file name of its picture, without folders
    Value,            // no control: the editor's own value (the record's vehicle F_mainID)
};

// One row of an editor's field table: the column, the statement parameter, the control's
// objectName and the kind. Rows are in the statements' field order; validations name rows by
// control.
struct EditorField {
    QString field;   // column of the table (F_Code)
    QString param;   // its named parameter (code)
    QString control; // the input's objectName (edtCode); empty for Value
    FieldKind kind = FieldKind::Text;
    bool trimmed = true;
    // Value rows: where the value comes from and where a loaded value goes.
    std::function<QVariant()> value = {};
    std::function<void(const QVariant &)> load = {};
};

// A row of a field table from plain names (the tables of the editors are written with it).
inline EditorField fieldRow(const char *field, const char *param, const char *control,
                            FieldKind kind = FieldKind::Text, bool trimmed = true)
{
    return EditorField{QString::fromLatin1(field), QString::fromLatin1(param),
                       QString::fromLatin1(control), kind, trimmed};
}

// One check of a save, run in the editor's order: the message (ShowMess kind 0) and the control
// that gets the focus when it fails.
struct EditorCheck {
    enum class Rule {
        NotEmpty, // the trimmed text is not empty
        Positive, // the number is greater than 0
        Custom,   // passes() decides
    };
    QString control;
    Rule rule = Rule::NotEmpty;
    QString message;
    std::function<bool()> passes = {};
};

// The bound INSERT and UPDATE of a field table. `values` holds each row's stored value by its
// parameter name.
namespace EditorStatements {
SqlStatement insert(const QString &table, const QList<EditorField> &fields,
                    const QVariantMap &values);
// "... Where F_ID = :ID" with the record's identifier bound.
SqlStatement update(const QString &table, const QList<EditorField> &fields,
                    const QVariantMap &values, qint64 id);
} // namespace EditorStatements
