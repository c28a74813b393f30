#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

// Every contact with the desktop goes through this interface: message boxes, input boxes, file
// and folder dialogs, opening files and addresses, starting programs, and the clock. The program
// installs DesktopPlatform; tests install ScriptedPlatform, which answers from queues and records
// what was shown, so no test ever waits on a real modal dialog.
class Platform {
public:
    enum class MessageKind { Information = 0, Question = 1, Warning = 2, Error = 3 };
    enum class Answer { Yes = 1, No = 2, Ok = 3, Cancel = 4 };

    virtual ~Platform() = default;

    // A modal message box. Questions answer Yes or No; the other kinds answer Ok.
    virtual Answer message(QWidget *parent, const QString &caption, const QString &text,
                           MessageKind kind) = 0;
    // A one-line input box; false when cancelled.
    virtual bool inputText(QWidget *parent, const QString &caption, const QString &prompt,
                           QString *value) = 0;
    // File dialogs return the chosen path, or an empty text when cancelled. Filters are in Qt's
    // form ("Name (*.a *.b);;Other (*.c)"). A save dialog given selectedFilter starts on that
    // filter (the first when it is empty) and leaves there the one the operator chose.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &path,
                                 const QString &filter, QString *selectedFilter = nullptr) = 0;
    virtual QString existingFolder(QWidget *parent, const QString &caption,
                                   const QString &folder) = 0;
    // Opens a file or address with the desktop's program for it.
    virtual bool openUrl(const QUrl &url) = 0;
    // Starts a program detached from this one.
    virtual bool startProgram(const QString &program, const QStringList &arguments = {}) = 0;
    // True when a program of that name can be found on the search path.
    virtual bool programExists(const QString &program) = 0;
    virtual QDateTime now() = 0;

    QDate today() { return now().date(); }
};

// The platform in force; DesktopPlatform until another is installed.
Platform &platform();
// Installs a platform (not owned) and returns the previous one; nullptr restores the desktop.
Platform *installPlatform(Platform *platform);
