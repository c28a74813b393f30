#pragma once
#include <QString>

class DataModule;

// The picture tour of the program: logs in as admin without the dialog, opens every window the
// command table can open today and saves PNG pictures into `folder`: login.png, main.png, one
// menu-N.png per menu (N from 1, left to right) and nav-N.png per navigation group, and
// NNN.png for the window of command NNN (about.png for the about box). Questions are answered
// No and messages only recorded, so nothing waits for a person. Returns the exit status.
int runScreenshots(DataModule &dm, const QString &folder);
