#include "DesktopPlatform.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

Platform::Answer DesktopPlatform::message(QWidget *parent, const QString &caption,
                                          const QString &text, MessageKind kind)
{
    switch (kind) {
    case MessageKind::Question:
        return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes
                   ? Answer::Yes
                   : Answer::No;
    case MessageKind::Warning:
        QMessageBox::warning(parent, caption, text);
        break;
    case MessageKind::Error:
        QMessageBox::critical(parent, caption, text);
        break;
    case MessageKind::Information:
        QMessageBox::information(parent, caption, text);
        break;
    }
    return Answer::Ok;
}

bool DesktopPlatform::inputText(QWidget *parent, const QString &caption, const QString &prompt,
                                QString *value)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, *value, &ok);
    if (ok)
        *value = text;
    return ok;
}

QString DesktopPlatform::openFileName(QWidget *parent, const QString &caption,
                                      const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString DesktopPlatform::saveFileName(QWidget *parent, const QString &caption,
                                      const QString &path, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, path, filter);
}

QString DesktopPlatform::existingFolder(QWidget *parent, const QString &caption,
                                        const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

bool DesktopPlatform::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool DesktopPlatform::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool DesktopPlatform::programExists(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

QDateTime DesktopPlatform::now()
{
    return QDateTime::currentDateTime();
}
