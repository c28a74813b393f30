#include "NameInputDialog.h"

#include "app/Messages.h"
#include "widgets/EnterMovesFocus.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NameInputDialog::NameInputDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TDLGaddText"));
    setWindowTitle(Caption);

    auto *label = new QLabel(QStringLiteral("名称："), this);
    edtName = new QLineEdit(this);
    edtName->setObjectName(QStringLiteral("edtName"));
    label->setBuddy(edtName);

    btnOK = new QPushButton(QStringLiteral("确定"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnClose = new QPushButton(QStringLiteral("关闭"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    // Enter moves the focus (below), so no button is pressed by it.
    btnOK->setAutoDefault(false);
    btnClose->setAutoDefault(false);

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(label);
    nameRow->addWidget(edtName, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addLayout(buttons);
    setLayout(layout);
    setMinimumWidth(320);
    setFixedHeight(sizeHint().height());

    connect(btnOK, &QPushButton::clicked, this, &NameInputDialog::btnOKClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    EnterMovesFocus::install(this);
}

bool NameInputDialog::InputName(QString &name)
{
    edtName->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    name = edtName->text();
    return true;
}

void NameInputDialog::btnOKClick()
{
    if (edtName->text().trimmed().isEmpty()) {
        ShowMess(this, EmptyNameMessage, 0);
        edtName->setFocus();
        return;
    }
    accept();
}
