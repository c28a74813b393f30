#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// TDLGeditCurList: asks for one text value, with which the workbook import fills a column of
// several rows at once.
class ValueInputDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("批量修改当前列");

    explicit ValueInputDialog(QWidget *parent = nullptr);

    // Shows the dialog modally. On 确定 value is the box's text as typed (possibly empty) and the
    // result is true; otherwise value is the empty text and the result false. The field name
    // is the caller's and is not shown.
    bool InputValue(const QString &fieldName, QString &value);

    QString fieldName() const { return m_fieldName; }

private:
    QString m_fieldName;
    QLineEdit *edtCurValue;
    QPushButton *btnOK;
    QPushButton *btnCancel;
};
