#include "DesktopPlatform.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

Platform::Answer DesktopPlatform::message(QWidget *parent, const QString &caption,
                                          const QString &text, MessageKind kind)
{
    // Built by hand so that the buttons speak Chinese whatever translations are installed.
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (kind) {
    case MessageKind::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    if (kind != MessageKind::Question) {
        box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
        box.exec();
        return Answer::Ok;
    }
    QPushButton *yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
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

QString DesktopPlatform::saveFileName(QWidget *parent, const QString &caption, const QString &path,
                                      const QString &filter, QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, caption, path, filter, selectedFilter);
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
