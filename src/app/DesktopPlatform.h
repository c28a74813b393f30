#pragma once
#include "Platform.h"

// The real desktop: Qt's message boxes and dialogs, QDesktopServices and QProcess.
class DesktopPlatform : public Platform {
public:
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
};
