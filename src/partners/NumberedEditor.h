#pragma once
#include "forms/EditorDialog.h"

class QLineEdit;

// The base of the editors of rows that carry a number of their own (partner units, employees):
// the number box is locked when changing, and when adding with 自动生成编号 it gets the next
// number (4 digits after the largest); a save refuses an empty number and a number another row
// has, unless numbers are generated, when the taken one is replaced by the next free one. After
// a save the source moves to the row of the saved number. These editors write no log entries.
class NumberedEditor : public EditorDialog {
    Q_OBJECT
public:
    struct Numbering {
        QString table;
        QString codeControl; // the number box
        QString nameControl; // takes the focus after 连续新增 when numbers are generated
        QString emptyMessage;
        QString duplicateMessage;
    };

    QLineEdit *codeBox() const;

protected:
    NumberedEditor(const QString &objectName, const QString &title, Numbering numbering,
                   QWidget *parent);

    // The two checks of the number, to go first in the editor's checks.
    QList<EditorCheck> numberChecks();

    void afterLoad(bool change) override;
    void moveToSaved(DataSet &source, qint64 id) override;

private:
    QString nextNumber() const;
    bool numberIsFree();

    Numbering m_numbering;
};
