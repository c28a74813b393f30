#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

// TDLGaddText: asks for the name of a new code.
class NameInputDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("请输入要增加的标题名称");
    static inline const QString EmptyNameMessage = QStringLiteral("名称不能为空！");

    explicit NameInputDialog(QWidget *parent = nullptr);

    // Shows the dialog modally. True with the typed text, untrimmed, when the operator confirmed;
    // false otherwise, and name is left as it was.
    bool InputName(QString &name);

    void btnOKClick();

private:
    QLineEdit *edtName;
    QPushButton *btnOK;
    QPushButton *btnClose;
};
