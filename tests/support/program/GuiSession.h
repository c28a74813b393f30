#pragma once
#include <QString>

class MainWindow;

// Logs an operator in through a real login window (first login or change of operator) driven
// without a modal loop; true when the login succeeded.
bool loginThroughWindow(MainWindow &main, const QString &name, const QString &password,
                        bool changeOfOperator = false);
