// The INI reader and writer over any file: reading never fails, and a value written is the value
// read back (line breaks as blanks); writing it again changes nothing.
//   input: file bytes \0 section \0 key \0 value
#include "FuzzInput.h"
#include "app/IniFile.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

QString scratchFile()
{
    const QString folder =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return QStringLiteral("%1/orv-fuzz-ini-%2.ini").arg(folder).arg(getpid());
}

void fail(const char *what, const QString &expected, const QString &got)
{
    std::fprintf(stderr, "%s\nexpected: [%s]\ngot:      [%s]\n", what, qPrintable(expected),
                 qPrintable(got));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = scratchFile();
    const QByteArray input = fuzz::bytes(data, size);
    const qsizetype end = input.indexOf('\0');
    const QByteArray content = end < 0 ? input : input.left(end);
    const QList<QString> names = fuzz::texts(data, size, 4);
    const QString section = names[1].isEmpty() ? QStringLiteral("config") : names[1];
    const QString key = names[2].isEmpty() ? QStringLiteral("ds") : names[2];
    const QString value = names[3];

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(content);
    file.close();

    IniFile ini(path);
    ini.readString(section, key);
    ini.readInteger(section, key, 7);
    ini.readBool(section, key, true);
    if (ini.writeString(section, key, value)) {
        QString expected = value;
        expected.replace(QLatin1String("\r\n"), QLatin1String(" "));
        expected.replace(u'\r', u' ').replace(u'\n', u' ');
        const QString read = ini.readString(section, key);
        if (read != expected)
            fail("read back", expected, read);
        QFile written(path);
        written.open(QIODevice::ReadOnly);
        const QByteArray before = written.readAll();
        written.close();
        ini.writeString(section, key, value);
        written.open(QIODevice::ReadOnly);
        const QByteArray after = written.readAll();
        if (after != before)
            fail("a second write changed the file", QString::fromLatin1(before.toPercentEncoding()),
                 QString::fromLatin1(after.toPercentEncoding()));
    }
    QFile::remove(path);
    return 0;
}
