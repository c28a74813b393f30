// Two copies of the program on one file, saving through every save path that allows another copy
// (codes, log entries, clearing, backups) as fast as they can while each reads what the other
// saved. Every save a copy reports done is in the file, a copy never sees half of the other's
// save, and no save fails: "database is locked" must not reach the operator while the busy
// timeout has not run out, nor may a copy wait long for the other. 3 seconds here;
// ORV_TWO_COPIES_SECONDS for longer.
#include "ProgramCopy.h"
#include "SavePaths.h"
#include "SaveRun.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

namespace {

constexpr int DefaultSeconds = 3;

// The save paths that two copies can run at once.
std::vector<const harness::SavePath *> sharedSavePaths()
{
    std::vector<const harness::SavePath *> paths;
    for (const harness::SavePath &path : harness::savePaths())
        if (!path.needsFileAlone)
            paths.push_back(&path);
    return paths;
}

// What one copy can see of the other's saves: the code batches it finds and whether each is
// whole, and the other's log entries.
struct Seen {
    int batches = 0;
    int logEntries = 0;
    QString wrong;
};

Seen readOthersWork(Db &db, const QString &other)
{
    Seen seen;
    const QueryResult codes =
        db.query(QStringLiteral("select F_Name from t_code where F_type = :type order by F_ID"),
                 {{QStringLiteral("type"), other}});
    const QueryResult log =
        db.query(QStringLiteral("select count(*) from LogRec where F_OperType like :prefix"),
                 {{QStringLiteral("prefix"), other + QStringLiteral(" 日志 %")}});
    if (!codes.ok || !log.ok) {
        seen.wrong = QStringLiteral("reading failed: ") + codes.error + log.error;
        return seen;
    }
    QMap<QString, int> parts; // batch "other-n" -> its codes seen
    for (int row = 0; row < codes.rows.rowCount(); ++row) {
        const QString name = codes.rows.text(row, 0);
        ++parts[name.left(name.lastIndexOf(u'-'))];
    }
    for (auto it = parts.cbegin(); it != parts.cend(); ++it)
        if (it.value() != 3)
            seen.wrong =
                QStringLiteral("batch %1 shows %2 of 3 codes").arg(it.key()).arg(it.value());
    seen.batches = int(parts.size());
    seen.logEntries = int(log.rows.integer(0, 0));
    return seen;
}

// One copy: saves in turn, and after each a look at the other's work, which may only grow.
//   copy-loop DATABASE FOLDER TAG OTHER SECONDS
int copyLoop(const QStringList &args)
{
    if (args.size() != 5)
        return 2;
    harness::ProgramCopy copy(args[0]);
    if (!copy.connected())
        return 1;
    harness::SaveContext context{&copy.dm(), args[1], args[2]};
    const QString other = args[3];
    const QDeadlineTimer stop(args[4].toInt() * 1000);
    harness::report(QStringLiteral("ready"));
    Seen before;
    const std::vector<const harness::SavePath *> paths = sharedSavePaths();
    for (int n = 0; !stop.hasExpired(); ++n) {
        const harness::SavePath *path = paths[size_t(n) % paths.size()];
        harness::saveAndReport(*path, context, n);
        const Seen now = readOthersWork(copy.dm().db(), other);
        if (!now.wrong.isEmpty())
            harness::report(QStringLiteral("wrong ") + now.wrong);
        else if (now.batches < before.batches || now.logEntries < before.logEntries)
            harness::report(QStringLiteral("wrong the other's saves went from %1 batches and %2 "
                                           "entries to %3 and %4")
                                .arg(before.batches)
                                .arg(before.logEntries)
                                .arg(now.batches)
                                .arg(now.logEntries));
        else
            before = now;
    }
    return 0;
}
ORV_TEST_HELPER("copy-loop", copyLoop)

int runSeconds()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("ORV_TWO_COPIES_SECONDS", &ok);
    return ok && seconds > 0 ? seconds : DefaultSeconds;
}

} // namespace

class TwoCopiesTest : public QObject {
    Q_OBJECT

private slots:
    void savesOfBothCopiesAreKept()
    {
        TestEnvironment env;
        QVERIFY(env.createDatabase());
        const QString folder = env.folder();
        const QStringList tags = {QStringLiteral("copyA"), QStringLiteral("copyB")};
        const int seconds = runSeconds();

        QProcess copies[2];
        harness::SaveReports reports[2];
        QElapsedTimer ran;
        ran.start();
        for (int i = 0; i < 2; ++i)
            copies[i].start(orvtest::helperProgram(),
                            orvtest::helperArguments(QStringLiteral("copy-loop"),
                                                     {env.databasePath(), folder, tags[i],
                                                      tags[1 - i], QString::number(seconds)}));
        // Both outputs read as they come, so that neither copy waits on a full pipe.
        const QDeadlineTimer limit((seconds + 60) * 1000);
        auto running = [&] {
            return copies[0].state() != QProcess::NotRunning ||
                   copies[1].state() != QProcess::NotRunning;
        };
        while (running() && !limit.hasExpired()) {
            for (int i = 0; i < 2; ++i) {
                if (copies[i].state() != QProcess::NotRunning)
                    copies[i].waitForReadyRead(20);
                reports[i].read(copies[i].readAllStandardOutput());
            }
        }
        QVERIFY(!running());
        const qint64 copiesMs = ran.elapsed();
        for (int i = 0; i < 2; ++i) {
            reports[i].read(copies[i].readAllStandardOutput());
            QVERIFY2(copies[i].exitStatus() == QProcess::NormalExit && copies[i].exitCode() == 0,
                     qPrintable(QString::fromUtf8(copies[i].readAllStandardError())));
            QVERIFY(reports[i].ready);
            QVERIFY2(reports[i].failed.isEmpty(), qPrintable(reports[i].failed.join(u'\n')));
            QVERIFY2(reports[i].wrong.isEmpty(), qPrintable(reports[i].wrong.join(u'\n')));
            // A save that waits half the busy timeout for the other copy is close to failing.
            QVERIFY2(reports[i].slowest < Db::BusyTimeoutMs / 2,
                     qPrintable(QStringLiteral("%1 waited %2 ms to save")
                                    .arg(tags[i])
                                    .arg(reports[i].slowest)));
        }

        Db db;
        QVERIFY(db.open(env.databasePath()));
        QCOMPARE(db.integrityCheck(), QStringLiteral("ok"));
        QVERIFY(harness::indexForChecks(db));
        qint64 checked = 0;
        for (int i = 0; i < 2; ++i) {
            QVERIFY(!reports[i].done.isEmpty());
            const harness::SaveContext context{nullptr, folder, tags[i]};
            const QString missing = harness::firstLost(db, context, reports[i].done, &checked);
            QVERIFY2(missing.isEmpty(), qPrintable(missing));
        }
        qInfo("two copies for %d s (ended after %lld ms): %lld saves reported done (%lld and "
              "%lld), all present (%lld checked) after %lld ms of checks; the slowest took %lld "
              "and %lld ms",
              seconds, copiesMs, qlonglong(reports[0].done.size() + reports[1].done.size()),
              qlonglong(reports[0].done.size()), qlonglong(reports[1].done.size()), checked,
              ran.elapsed() - copiesMs, reports[0].slowest, reports[1].slowest);
    }
};

ORV_TEST(TwoCopiesTest)
#include "TwoCopiesTest.moc"
