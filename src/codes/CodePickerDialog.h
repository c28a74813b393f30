#pragma once
#include "db/DataSet.h"

#include <QDialog>

class DataGrid;
class QComboBox;
class QLineEdit;
class QPushButton;

// TDLGcodeNewXZ: chooses one code of one type for a drop-down of an editor, and lets the
// operator add a code on the spot. Every pick button of the editors uses it the same way:
// create it owned by the editor, set CodeType and the caption, call PickCode, destroy it
// (PickCodeFor in CodePick.h does exactly that).
class CodePickerDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("基础代码选择");

    explicit CodePickerDialog(QWidget *parent = nullptr);

    // The code type key; set by the caller before PickCode.
    QString CodeType;

    // Shows the type's codes with the target's current text as the current row. On confirming
    // (确定, a double click on a row, Enter in the grid) name is the current row's name and that
    // name is selected in the target; otherwise name is empty and the target's choice stays.
    // When codes were added meanwhile, the target's list is filled again either way.
    // True when the operator confirmed.
    bool PickCode(QComboBox *target, QString &name);

    bool codesAdded() const { return CodesAdded; }
    const DataSet &codes() const { return m_codes; }

    void edtnameChange();
    void btnQueryClick();
    void btnNewClick();
    void btnOKClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refilter();

    bool CodesAdded = false;
    DataSet m_codes;
    QLineEdit *edtname;
    QPushButton *btnQuery;
    DataGrid *DBGridEh1;
    QPushButton *btnNew;
    QPushButton *btnOK;
    QPushButton *btnClose;
};
