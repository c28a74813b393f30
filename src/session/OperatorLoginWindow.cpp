#include "OperatorLoginWindow.h"

#include "Session.h"

#include "app/Globals.h"
#include "app/IniFile.h"
#include "app/Messages.h"
#include "widgets/EnterMovesFocus.h"
#include "widgets/PickList.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 338;
constexpr int ClientHeight = 223;
constexpr int BannerHeight = 56;

// The banner across the top: a light band the blue instruction reads well on.
QPixmap bannerPicture()
{
    QPixmap picture(ClientWidth, BannerHeight);
    QPainter painter(&picture);
    QLinearGradient band(0, 0, ClientWidth, BannerHeight);
    band.setColorAt(0, QColor(235, 244, 255));
    band.setColorAt(1, QColor(198, 222, 250));
    painter.fillRect(picture.rect(), band);
    painter.setPen(QColor(150, 185, 230));
    painter.drawLine(0, BannerHeight - 1, ClientWidth, BannerHeight - 1);
    return picture;
}

} // namespace

OperatorLoginWindow::OperatorLoginWindow(LoginMode mode, SessionView *view, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_attempts(mode),
      m_view(view)
{
    setObjectName(QStringLiteral("TfrmOperLogin"));
    setWindowTitle(Caption);
    setFixedSize(ClientWidth, ClientHeight);

    auto *banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("imgBanner"));
    banner->setPixmap(bannerPicture());
    banner->setGeometry(0, 0, ClientWidth, BannerHeight);

    auto *instruction = new QLabel(Instruction, this);
    instruction->setObjectName(QStringLiteral("lblInstruction"));
    instruction->setWordWrap(true);
    QFont songti(QStringLiteral("宋体"));
    songti.setPixelSize(14);
    instruction->setFont(songti);
    QPalette blue = instruction->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    instruction->setPalette(blue);
    instruction->setGeometry(12, 6, ClientWidth - 24, BannerHeight - 8);

    auto *nameLabel = new QLabel(QStringLiteral("姓  名："), this);
    nameLabel->setGeometry(48, 78, 64, 24);
    cbbOperName = new QComboBox(this);
    cbbOperName->setObjectName(QStringLiteral("cbbOperName"));
    cbbOperName->setEditable(true);
    cbbOperName->setInsertPolicy(QComboBox::NoInsert);
    cbbOperName->setGeometry(112, 78, 170, 24);
    nameLabel->setBuddy(cbbOperName);

    auto *passwordLabel = new QLabel(QStringLiteral("密  码："), this);
    passwordLabel->setGeometry(48, 116, 64, 24);
    edtPassWord = new QLineEdit(this);
    edtPassWord->setObjectName(QStringLiteral("edtPassWord"));
    edtPassWord->setEchoMode(QLineEdit::Password);
    edtPassWord->setGeometry(112, 116, 170, 24);
    passwordLabel->setBuddy(edtPassWord);

    btnOk = new QPushButton(QStringLiteral("确定"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(88, 170, 75, 28);
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(182, 170, 75, 28);
    // Enter moves the focus, so no button may take it as the default.
    btnOk->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    setTabOrder(btnOk, btnCancel);
    setTabOrder(btnCancel, edtPassWord);
    setTabOrder(edtPassWord, cbbOperName);

    connect(btnOk, &QPushButton::clicked, this, &OperatorLoginWindow::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &OperatorLoginWindow::btnCancelClick);
    EnterMovesFocus::install(this);

    FillPickList(QStringLiteral("select F_name from OperList where F_name <> '' "), cbbOperName);
    if (Globals::ConfigFile)
        cbbOperName->setCurrentText(Globals::ConfigFile->readString(QStringLiteral("Config"),
                                                                    QStringLiteral("CurOperName")));

    // The last operator is usually the next one: start in the password then.
    if (cbbOperName->currentText().trimmed().isEmpty())
        cbbOperName->setFocus();
    else
        edtPassWord->setFocus();

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void OperatorLoginWindow::btnOkClick()
{
    switch (m_attempts.check(cbbOperName->currentText(), edtPassWord->text())) {
    case LoginAttempts::Outcome::NoName:
        ShowMess(this, NoNameMessage, 0);
        cbbOperName->setFocus();
        return;
    case LoginAttempts::Outcome::UnknownOperator:
        ShowMess(this, UnknownMessage, 0);
        cbbOperName->setFocus();
        return;
    case LoginAttempts::Outcome::Accepted:
        Session::StartSession(cbbOperName->currentText(), m_view);
        leave(Ending::LoggedIn);
        return;
    case LoginAttempts::Outcome::WrongPassword:
        ShowMess(this, WrongPasswordMessage, 0);
        return;
    case LoginAttempts::Outcome::Refused:
        ShowMess(this,
                 mode() == LoginMode::FirstLogin ? IllegalOperatorMessage : ChangeFailedMessage, 3);
        leave(Ending::Refused);
        return;
    }
}

void OperatorLoginWindow::btnCancelClick()
{
    leave(Ending::Cancelled);
}

void OperatorLoginWindow::leave(Ending ending)
{
    m_ending = ending;
    done(ending == Ending::LoggedIn ? QDialog::Accepted : QDialog::Rejected);
}

void OperatorLoginWindow::closeEvent(QCloseEvent *event)
{
    // Alt+F4 and the like: only the buttons leave this window.
    if (m_ending == Ending::Open)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void OperatorLoginWindow::reject()
{
    // Esc is swallowed like Alt+F4.
    if (m_ending != Ending::Open)
        QDialog::reject();
}

bool ShowLogin(LoginMode mode, SessionView *view, QWidget *parent)
{
    OperatorLoginWindow window(mode, view, parent);
    window.exec();
    return window.ending() == OperatorLoginWindow::Ending::LoggedIn;
}
