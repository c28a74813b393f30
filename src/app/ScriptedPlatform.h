#pragma once
#include "Platform.h"

#include <QList>
#include <QQueue>
#include <QSet>
#include <functional>
#include <optional>

// A platform that answers from queues and records what was shown; installed by tests and by
// the screenshot run. Nothing here blocks.
//
// - Questions take the next queued answer, or defaultAnswer when the queue is empty.
// - Input boxes take the next queued text (nullopt = cancelled), cancelled when empty.
// - File and folder dialogs take the next queued path (empty = cancelled), cancelled when empty.
//   A save dialog that reports its filter chooses the filter at the next queued position in its
//   list (0 = the first), or keeps the one it started on when the queue is empty.
// - The clock is fixed at clock when that is valid, otherwise the real time.
class ScriptedPlatform : public Platform {
public:
    struct Shown {
        QString caption;
        QString text;
        MessageKind kind;
    };
    struct Dialog {
        QString what; // "open", "save", "folder", "input"
        QString caption;
        QString folder;
    };

    ScriptedPlatform();           // installs itself
    ~ScriptedPlatform() override; // restores the previous platform

    // Script
    QQueue<Answer> answers;
    Answer defaultAnswer = Answer::No;
    QQueue<std::optional<QString>> inputs;
    QQueue<QString> files;
    QQueue<int> filterChoices;
    QSet<QString> installedPrograms;
    bool openUrlSucceeds = true;
    bool startSucceeds = true;
    QDateTime clock;
    // Called when a message is shown, before it returns (a test may act "during" the box).
    std::function<void(const Shown &)> onMessage;

    // Record
    QList<Shown> shown;
    QList<Dialog> dialogs;
    QList<QUrl> openedUrls;
    QList<QStringList> startedPrograms; // program first, then its arguments

    void clearRecord();
    QStringList texts() const; // the texts of all messages shown, in order
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }

    Answer message(QWidget *parent, const QString &caption, const QString &text,
                   MessageKind kind) override;
    bool inputText(QWidget *parent, const QString &caption, const QString &prompt,
                   QString *value) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &path,
                         const QString &filter, QString *selectedFilter = nullptr) override;
    QString existingFolder(QWidget *parent, const QString &caption, const QString &folder) override;
    bool openUrl(const QUrl &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool programExists(const QString &program) override;
    QDateTime now() override;

private:
    QString nextFile(const QString &what, const QString &caption, const QString &folder);
    Platform *m_previous = nullptr;
};
