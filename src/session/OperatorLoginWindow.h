#pragma once
#include "LoginAttempts.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class SessionView;

// TfrmOperLogin: the login at start-up and the change of operator. The window can only be left
// through its buttons; a correct password starts the session before the window closes.
class OperatorLoginWindow : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("登录窗口");
    static inline const QString Instruction =
        QStringLiteral("请输入正确的操作员编号及密码，系统管理员“admin”，系统初始密码为空：");
    static inline const QString NoNameMessage = QStringLiteral("请选择用户！");
    static inline const QString UnknownMessage =
        QStringLiteral("此操作员并不存在，请重新选择操作员！");
    static inline const QString WrongPasswordMessage =
        QStringLiteral("用户名或密码不正确，请重新输入！");
    static inline const QString IllegalOperatorMessage = QStringLiteral("非法操作员!");
    static inline const QString ChangeFailedMessage = QStringLiteral("更换操作员失败!");

    // How the window ended.
    enum class Ending { Open, LoggedIn, Cancelled, Refused };

    OperatorLoginWindow(LoginMode mode, SessionView *view, QWidget *parent = nullptr);

    LoginMode mode() const { return m_attempts.mode(); }
    Ending ending() const { return m_ending; }
    int attempts() const { return m_attempts.count(); }

    void btnOkClick();
    void btnCancelClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void leave(Ending ending);

    LoginAttempts m_attempts;
    SessionView *m_view;
    Ending m_ending = Ending::Open;
    QComboBox *cbbOperName;
    QLineEdit *edtPassWord;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};

// Shows the login modally and frees it afterwards. True when an operator logged in; false when
// the login was cancelled or refused (at start-up the program is then to end; on a change of
// operator the session in force stays).
bool ShowLogin(LoginMode mode, SessionView *view, QWidget *parent = nullptr);
