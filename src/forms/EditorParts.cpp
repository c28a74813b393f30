#include "EditorParts.h"

#include <QLabel>
#include <QToolButton>

QLabel *requiredMark(QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("*"), parent);
    label->setStyleSheet(QStringLiteral("color: blue"));
    return label;
}

QToolButton *pickButton(QWidget *parent, const char *objectName)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setText(QStringLiteral("..."));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
