#pragma once
#include <QString>

class QAbstractButton;
class QAction;

// Binds a button to a command's action with a text of its own: the button triggers the action
// and is visible and enabled exactly while the action is. (A tool button given the action as
// its default action would take the action's text.)
// A button inside a tool bar leaves its visibility to the bar (followVisible false).
void followAction(QAbstractButton *button, QAction *action, const QString &text,
                  bool followVisible = true);

// Keeps `follower` (for instance the action a tool bar made for a widget) visible and enabled
// exactly while `action` is.
void followVisibility(QAction *follower, QAction *action);
