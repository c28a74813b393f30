#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QMdiArea;

// Opens a child window of the class named, or brings forward the one that is open: at most one
// child window per window class (its objectName, compared exactly). An open one is restored
// when minimised, shown when hidden, raised and given the focus. A new one is made by `create`
// with the area's window as parent, put into the area and shown. `reference`, when given, names
// the window on screen afterwards. Working child windows delete themselves when closed.
QWidget *ShowOrActivateChild(QMdiArea *area, const QString &windowClass,
                             const std::function<QWidget *(QWidget *parent)> &create,
                             QPointer<QWidget> *reference = nullptr);

// The open child window of that class, or nullptr.
QWidget *findChildWindow(QMdiArea *area, const QString &windowClass);
