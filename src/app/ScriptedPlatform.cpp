#include "ScriptedPlatform.h"

ScriptedPlatform::ScriptedPlatform() : m_previous(installPlatform(this)) {}

ScriptedPlatform::~ScriptedPlatform()
{
    installPlatform(m_previous);
}

void ScriptedPlatform::clearRecord()
{
    shown.clear();
    dialogs.clear();
    openedUrls.clear();
    startedPrograms.clear();
}

QStringList ScriptedPlatform::texts() const
{
    QStringList list;
    for (const Shown &s : shown)
        list << s.text;
    return list;
}

Platform::Answer ScriptedPlatform::message(QWidget *, const QString &caption, const QString &text,
                                           MessageKind kind)
{
    shown.append({caption, text, kind});
    if (onMessage)
        onMessage(shown.last());
    if (kind != MessageKind::Question)
        return Answer::Ok;
    return answers.isEmpty() ? defaultAnswer : answers.dequeue();
}

bool ScriptedPlatform::inputText(QWidget *, const QString &caption, const QString &prompt,
                                 QString *value)
{
    dialogs.append({QStringLiteral("input"), caption, prompt});
    if (inputs.isEmpty())
        return false;
    const std::optional<QString> next = inputs.dequeue();
    if (!next)
        return false;
    *value = *next;
    return true;
}

QString ScriptedPlatform::nextFile(const QString &what, const QString &caption,
                                   const QString &folder)
{
    dialogs.append({what, caption, folder});
    return files.isEmpty() ? QString() : files.dequeue();
}

QString ScriptedPlatform::openFileName(QWidget *, const QString &caption, const QString &folder,
                                       const QString &)
{
    return nextFile(QStringLiteral("open"), caption, folder);
}

QString ScriptedPlatform::saveFileName(QWidget *, const QString &caption, const QString &path,
                                       const QString &filter, QString *selectedFilter)
{
    if (selectedFilter) {
        const QStringList filters = filter.split(QStringLiteral(";;"));
        if (!filterChoices.isEmpty())
            *selectedFilter = filters.value(filterChoices.dequeue());
        else if (selectedFilter->isEmpty())
            *selectedFilter = filters.value(0);
    }
    return nextFile(QStringLiteral("save"), caption, path);
}

QString ScriptedPlatform::existingFolder(QWidget *, const QString &caption, const QString &folder)
{
    return nextFile(QStringLiteral("folder"), caption, folder);
}

bool ScriptedPlatform::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    return openUrlSucceeds;
}

bool ScriptedPlatform::startProgram(const QString &program, const QStringList &arguments)
{
    startedPrograms.append(QStringList{program} + arguments);
    return startSucceeds;
}

bool ScriptedPlatform::programExists(const QString &program)
{
    return installedPrograms.contains(program);
}

QDateTime ScriptedPlatform::now()
{
    return clock.isValid() ? clock : QDateTime::currentDateTime();
}
