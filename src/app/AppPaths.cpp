#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &overridden()
{
    static QString folder;
    return folder;
}
} // namespace

QString AppPaths::programFolder()
{
    return overridden().isEmpty() ? QCoreApplication::applicationDirPath() : overridden();
}

void AppPaths::setProgramFolder(const QString &folder)
{
    overridden() = folder;
}

QString AppPaths::file(const QString &name)
{
    return QDir(programFolder()).filePath(name);
}

QString AppPaths::configFile()
{
    return file(QStringLiteral("config.ini"));
}

QString AppPaths::defaultDatabase()
{
    return file(QStringLiteral("data/OrvCARs.mdb"));
}

QString AppPaths::reportFolder()
{
    return file(QStringLiteral("Qr"));
}

QString AppPaths::reportTemplate(const QString &name)
{
    return QDir(reportFolder()).filePath(name + QStringLiteral(".html"));
}

QString AppPaths::helpIndex()
{
    return file(QStringLiteral("help/index.html"));
}
