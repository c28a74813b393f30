#include "SaveRun.h"

#include "SavePaths.h"

#include <QElapsedTimer>
#include <cstdio>

namespace harness {

void report(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void saveAndReport(const SavePath &path, SaveContext &context, int n)
{
    QElapsedTimer took;
    took.start();
    QString error;
    if (path.save(context, n, &error))
        report(QStringLiteral("done %1 %2 %3")
                   .arg(n)
                   .arg(took.elapsed())
                   .arg(QLatin1String(path.name)));
    else
        report(QStringLiteral("failed %1 %2 %3 %4")
                   .arg(n)
                   .arg(QLatin1String(path.name))
                   .arg(took.elapsed())
                   .arg(error));
}

void SaveReports::read(const QByteArray &output)
{
    pending += output;
    qsizetype end;
    while ((end = pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(pending.left(end));
        pending.remove(0, end + 1);
        const QStringList words = line.split(u' ');
        if (line == QLatin1String("ready"))
            ready = true;
        else if (words.value(0) == QLatin1String("done") && words.size() >= 4) {
            done.insert(words[1].toInt(), QStringList(words.mid(3)).join(u' '));
            slowest = qMax(slowest, words[2].toLongLong());
        } else if (words.value(0) == QLatin1String("failed"))
            failed << line;
        else if (words.value(0) == QLatin1String("wrong"))
            wrong << line;
    }
}

} // namespace harness
