#include "ValueInputDialog.h"

#include "widgets/EnterMovesFocus.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ValueInputDialog::ValueInputDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TDLGeditCurList"));
    setWindowTitle(Caption);

    auto *label = new QLabel(QStringLiteral("当前列的值："), this);
    edtCurValue = new QLineEdit(this);
    edtCurValue->setObjectName(QStringLiteral("edtCurValue"));
    label->setBuddy(edtCurValue);

    btnOK = new QPushButton(QStringLiteral("确定"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnOK->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto *valueRow = new QHBoxLayout;
    valueRow->addWidget(label);
    valueRow->addWidget(edtCurValue, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(valueRow);
    layout->addLayout(buttons);
    setMinimumWidth(320);
    setFixedHeight(sizeHint().height());

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    EnterMovesFocus::install(this);
}

bool ValueInputDialog::InputValue(const QString &fieldName, QString &value)
{
    m_fieldName = fieldName;
    edtCurValue->setFocus();
    const bool confirmed = exec() == QDialog::Accepted;
    value = confirmed ? edtCurValue->text() : QString();
    return confirmed;
}
