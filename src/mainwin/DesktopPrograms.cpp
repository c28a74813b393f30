#include "DesktopPrograms.h"

#include "app/Platform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

QStringList DesktopPrograms::calculators()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
}

QStringList DesktopPrograms::textEditors()
{
    return {QStringLiteral("gedit"),    QStringLiteral("gnome-text-editor"),
            QStringLiteral("kate"),     QStringLiteral("kwrite"),
            QStringLiteral("mousepad"), QStringLiteral("pluma"),
            QStringLiteral("xed"),      QStringLiteral("leafpad")};
}

QString DesktopPrograms::firstInstalled(const QStringList &programs)
{
    for (const QString &program : programs) {
        if (platform().programExists(program))
            return program;
    }
    return {};
}

bool DesktopPrograms::startCalculator()
{
    const QString program = firstInstalled(calculators());
    return !program.isEmpty() && platform().startProgram(program);
}

bool DesktopPrograms::startTextEditor()
{
    const QString editor = firstInstalled(textEditors());
    if (!editor.isEmpty())
        return platform().startProgram(editor);
    const QString opener = QStringLiteral("xdg-open");
    if (!platform().programExists(opener))
        return false;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString file = QDir(folder).filePath(
        QStringLiteral("记事本-") + platform().now().toString(QStringLiteral("yyyyMMdd-hhmmss")) +
        QStringLiteral(".txt"));
    QFile empty(file);
    if (!empty.open(QIODevice::WriteOnly))
        return false;
    empty.close();
    return platform().startProgram(opener, {file});
}
