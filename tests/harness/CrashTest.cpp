// A copy of the program killed (SIGKILL) at random moments while it saves through every save
// path in turn. After each kill the file opens with its key, passes the integrity check, holds
// every save the copy reported done, and no save is torn. 20 kills here; ORV_CRASH_KILLS=200 for
// the full run.
#include "ProgramCopy.h"
#include "SavePaths.h"
#include "SaveRun.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

namespace {

constexpr int DefaultKills = 20;

// The copy: save after save, numbered from `first`, through the paths in turn, until killed
// (or, should nobody kill it, for a minute).
//   save-loop DATABASE FOLDER TAG FIRST
int saveLoop(const QStringList &args)
{
    if (args.size() != 4)
        return 2;
    harness::ProgramCopy copy(args[0]);
    if (!copy.connected())
        return 1;
    harness::SaveContext context{&copy.dm(), args[1], args[2]};
    const auto &paths = harness::savePaths();
    const QDeadlineTimer stop(60000);
    harness::report(QStringLiteral("ready"));
    for (int n = args[3].toInt(); !stop.hasExpired(); ++n) {
        const harness::SavePath &path = paths[size_t(n) % paths.size()];
        harness::saveAndReport(path, context, n);
    }
    return 0;
}
ORV_TEST_HELPER("save-loop", saveLoop)

int killCount()
{
    bool ok = false;
    const int kills = qEnvironmentVariableIntValue("ORV_CRASH_KILLS", &ok);
    return ok && kills > 0 ? kills : DefaultKills;
}

} // namespace

class CrashTest : public QObject {
    Q_OBJECT

private slots:
    void everyReportedSaveSurvivesAKill()
    {
        TestEnvironment env;
        QVERIFY(env.createDatabase());
        const QString folder = env.path(QStringLiteral("backups"));
        QVERIFY(QDir().mkpath(folder));
        const harness::SaveContext context{nullptr, folder, QStringLiteral("crash")};

        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        const int kills = killCount();
        QMap<int, QString> done; // every save reported so far
        int next = 0;
        qint64 checks = 0;
        for (int kill = 0; kill < kills; ++kill) {
            QProcess copy;
            copy.start(orvtest::helperProgram(),
                       orvtest::helperArguments(
                           QStringLiteral("save-loop"),
                           {env.databasePath(), folder, context.tag, QString::number(next)}));
            harness::SaveReports reports;
            const QDeadlineTimer started(30000);
            while (!reports.ready && !started.hasExpired() && copy.waitForReadyRead(1000))
                reports.read(copy.readAllStandardOutput());
            QVERIFY2(reports.ready, qPrintable(QString::fromUtf8(copy.readAllStandardError())));
            // The kill lands anywhere in the next few saves.
            const QDeadlineTimer moment(int(random.bounded(300)));
            while (!moment.hasExpired()) {
                copy.waitForReadyRead(int(qMax<qint64>(1, moment.remainingTime())));
                reports.read(copy.readAllStandardOutput());
            }
            copy.kill();
            QVERIFY(copy.waitForFinished(10000));
            reports.read(copy.readAllStandardOutput());
            QVERIFY2(reports.failed.isEmpty(), qPrintable(reports.failed.join(u'\n')));
            done.insert(reports.done);
            // The save the kill interrupted, if it had begun.
            const int interrupted = reports.done.isEmpty() ? next : reports.done.lastKey() + 1;
            next = interrupted + 1;

            Db db;
            QVERIFY2(db.open(env.databasePath()), qPrintable(QStringLiteral("kill %1 (seed %2): %3")
                                                                 .arg(kill)
                                                                 .arg(seed)
                                                                 .arg(db.lastError())));
            QCOMPARE(db.integrityCheck(), QStringLiteral("ok"));
            // The saves of this copy; of a path that keeps only its latest saves, those.
            QMap<int, QString> reported = reports.done;
            for (auto it = done.cbegin(); it != done.cend(); ++it)
                if (harness::savePath(it.value())->latestSeen > 0)
                    reported.insert(it.key(), it.value());
            const QString missing = harness::firstLost(db, context, reported, &checks);
            QVERIFY2(missing.isEmpty(),
                     qPrintable(
                         QStringLiteral("kill %1 (seed %2): %3").arg(kill).arg(seed).arg(missing)));
            const auto &paths = harness::savePaths();
            const harness::SavePath &cut = paths[size_t(interrupted) % paths.size()];
            ++checks;
            QVERIFY2(cut.presence(db, context, interrupted) != harness::Presence::Torn,
                     qPrintable(QStringLiteral("kill %1 (seed %2): save %3 (%4) is torn")
                                    .arg(kill)
                                    .arg(seed)
                                    .arg(interrupted)
                                    .arg(QLatin1String(cut.name))));
        }
        // And what every copy saved before, after all the kills.
        Db db;
        QVERIFY(db.open(env.databasePath()));
        QVERIFY(harness::indexForChecks(db));
        const QString missing = harness::firstLost(db, context, done, &checks);
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
        qInfo("%d kills, %lld saves reported done, %lld checks of saves", kills,
              qlonglong(done.size()), checks);
    }
};

ORV_TEST(CrashTest)
#include "CrashTest.moc"
