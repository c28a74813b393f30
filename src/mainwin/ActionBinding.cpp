#include "ActionBinding.h"

#include <QAbstractButton>
#include <QAction>

void followAction(QAbstractButton *button, QAction *action, const QString &text, bool followVisible)
{
    button->setText(text);
    button->setIcon(action->icon());
    button->setToolTip(action->text());
    const auto follow = [button, action, followVisible] {
        if (followVisible)
            button->setVisible(action->isVisible());
        button->setEnabled(action->isEnabled());
    };
    follow();
    QObject::connect(action, &QAction::changed, button, follow);
    QObject::connect(action, &QAction::visibleChanged, button, follow);
    QObject::connect(button, &QAbstractButton::clicked, action, [action] { action->trigger(); });
}

void followVisibility(QAction *follower, QAction *action)
{
    const auto follow = [follower, action] {
        follower->setVisible(action->isVisible());
        follower->setEnabled(action->isEnabled());
    };
    follow();
    QObject::connect(action, &QAction::changed, follower, follow);
    QObject::connect(action, &QAction::visibleChanged, follower, follow);
}
