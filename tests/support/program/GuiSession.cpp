#include "GuiSession.h"

#include "mainwin/MainWindow.h"
#include "session/OperatorLoginWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

bool loginThroughWindow(MainWindow &main, const QString &name, const QString &password,
                        bool changeOfOperator)
{
    OperatorLoginWindow login(changeOfOperator ? LoginMode::ChangeOperator : LoginMode::FirstLogin,
                              &main, changeOfOperator ? &main : nullptr);
    login.findChild<QComboBox *>("cbbOperName")->setCurrentText(name);
    login.findChild<QLineEdit *>("edtPassWord")->setText(password);
    login.findChild<QPushButton *>("btnOk")->click();
    return login.ending() == OperatorLoginWindow::Ending::LoggedIn;
}
