// The program beside the bare engine, over a demo database of 20,000 vehicles (ORV_BENCH_DB, made
// by scripts/bench). Each case is what a window does, timed as the program does it; its engine
// twin prepares and steps the very statements the program ran, recorded on the connection, on
// the same file in the same run, without reading their rows into result sets, data sets or
// models. The table at the end shows both times and their ratio.
//
// A window adds its case as one entry of cases() below.
#include "GuiBenchmarkMain.h"
#include "SideBySideTable.h"
#include "StatementRecorder.h"
#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/IniFile.h"
#include "app/ScriptedPlatform.h"
#include "app/Startup.h"
#include "db/DataSet.h"
#include "grids/DataGrid.h"
#include "harness/OperatorUnits.h"
#include "harness/RecordLists.h"
#include "mainwin/MainWindow.h"
#include "records/RecordListWindow.h"
#include "session/OperatorLoginWindow.h"
#include "session/WorkLogQuery.h"
#include "widgets/PickList.h"

#include <QComboBox>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>

namespace {

// The demo database connected through the data module, and what the cases need to know of it.
struct Fixture {
    ScriptedPlatform platform; // no dialog may wait for an answer
    QString path;
    QTemporaryDir programFolder; // config.ini naming the demo database, for the start-up case
    DataModule module;
    QDate lastDay;       // the demo's "today"
    QString unitsStored; // a restricted operator's F_carS

    Fixture()
    {
        path = qEnvironmentVariable("ORV_BENCH_DB");
        if (path.isEmpty())
            path = QCoreApplication::applicationDirPath() +
                   QStringLiteral("/../benchdata/demo20k.mdb");
        QString error;
        if (!module.connectTo(path, &error)) {
            std::fprintf(stderr, "%s\nscripts/bench makes the demo database.\n", qPrintable(error));
            std::exit(2);
        }
        lastDay = QDate::fromString(
            dm().QueryString(QStringLiteral("select max(F_JYdate) from T_YHrec")), Qt::ISODate);
        unitsStored = dm().QueryString(
            QStringLiteral("select F_carS from OperList where F_carS <> '' order by F_ID"));
        IniFile(programFolder.filePath(QStringLiteral("config.ini")))
            .writeString(QStringLiteral("config"), QStringLiteral("ds"), path);
    }
};

Fixture &fixture()
{
    return benchdata::guiFixture<Fixture>();
}

// One row of the table. `program` does the window's work once and returns the rows it produced.
struct Case {
    const char *name;
    std::function<qint64(Fixture &)> program;
    int iterations = 5;
    // The engine's side opens the file with its key before its statements (start-up).
    bool opensFile = false;
};

qint64 openList(const SqlStatement &statement)
{
    DataSet rows;
    dm().OpenQuery(statement, rows);
    return rows.rowCount();
}

// Notes the first paint of a widget.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *widget) { widget->installEventFilter(this); }
    bool seen() const { return m_seen; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_seen = true;
        return false;
    }

private:
    bool m_seen = false;
};

// The calendar month before the demo's last day.
std::pair<QDate, QDate> lastFullMonth(const Fixture &f)
{
    const QDate first = QDate(f.lastDay.year(), f.lastDay.month(), 1).addMonths(-1);
    return {first, first.addMonths(1).addDays(-1)};
}

// Start-up as main() runs it, up to the login window on screen; the login is then cancelled.
// The rows are the operators the login offers.
qint64 startUpToLogin(Fixture &f)
{
    AppPaths::setProgramFolder(f.programFolder.path());
    f.module.disconnect();
    bool loginShown = false;
    qint64 operators = 0;
    StartupHooks hooks;
    hooks.createMainWindow = [] { return std::unique_ptr<QWidget>(new MainWindow); };
    hooks.firstLogin = [&](QWidget *window) {
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto *login = qobject_cast<OperatorLoginWindow *>(QApplication::activeModalWidget());
            if (login && login->isVisible()) {
                loginShown = true;
                if (auto *names = login->findChild<QComboBox *>(QStringLiteral("cbbOperName")))
                    operators = names->count() - 1; // the empty first item
                watch.stop();
                login->btnCancelClick();
            }
        });
        watch.start(0);
        return ShowLogin(LoginMode::FirstLogin, qobject_cast<MainWindow *>(window));
    };
    const std::unique_ptr<QWidget> mainWindow = Startup::run(f.module, hooks);
    AppPaths::setProgramFolder(QString());
    if (!f.module.IsConnected || !loginShown) {
        std::fprintf(stderr, "start-up did not reach the login window\n");
        std::exit(1);
    }
    return operators;
}

// The refuelling list window as command 311 opens it, up to its grid painted on screen; the
// rows are the records it lists. Its statements: the layout, the group list and the records.
qint64 openFuelWindow(Fixture &f, const QDate &from, const QDate &to)
{
    f.platform.clock = QDateTime(f.lastDay, QTime(18, 0));
    RecordListWindow window(harness::fuelKind());
    window.setOpeningPeriod(from, to);
    PaintWatch painted(window.grid()->view()->viewport());
    window.show();
    while (!painted.seen())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return window.rows()->rowCount();
}

const std::vector<Case> &cases()
{
    static const std::vector<Case> all = {
        {"worklog-query", [](Fixture &) { return openList(WorkLogQuery::select({})); }, 10},
        {"fuel-year",
         [](Fixture &f) {
             return openList(harness::recordList(harness::fuelKind(),
                                                 f.lastDay.addYears(-1).addDays(1), f.lastDay));
         },
         3},
        {"fuel-month-units",
         [](Fixture &f) {
             const harness::OperatorUnits units(f.unitsStored);
             const auto [from, to] = lastFullMonth(f);
             return openList(harness::recordList(harness::fuelKind(), from, to));
         }},
        {"plate-picklist",
         [](Fixture &) {
             QComboBox box;
             makeEditablePickBox(&box);
             FillPickList(QStringLiteral("select F_code from T_cars where F_code <> '' "
                                         "order by F_code"),
                          &box);
             return qint64(box.count());
         },
         10},
        {"fuel-window-default",
         [](Fixture &f) {
             return openFuelWindow(f, QDate(f.lastDay.year(), f.lastDay.month(), 1), f.lastDay);
         }},
        {"fuel-window-year",
         [](Fixture &f) { return openFuelWindow(f, f.lastDay.addYears(-1).addDays(1), f.lastDay); },
         3},
        {"startup-to-login", startUpToLogin, 5, true},
    };
    return all;
}

// The statements each case ran, recorded during its untimed first run.
std::map<std::string, std::vector<std::string>> &recorded()
{
    static std::map<std::string, std::vector<std::string>> statements;
    return statements;
}

void runProgram(benchmark::State &state, const Case &c)
{
    Fixture &f = fixture();
    auto &recorder = benchdata::StatementRecorder::instance();
    recorder.start();
    qint64 rows = c.program(f);
    recorded()[c.name] = recorder.stop();
    for (auto _ : state)
        rows = c.program(f);
    state.counters["rows"] = double(rows);
    state.counters["statements"] = double(recorded()[c.name].size());
}

// Prepares and steps each statement; the rows stepped through, or -1 on an engine error.
qint64 replay(sqlite3 *db, const std::vector<std::string> &statements, std::string *error)
{
    qint64 rows = 0;
    for (const std::string &sql : statements) {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
            *error = sqlite3_errmsg(db);
            return -1;
        }
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            ++rows;
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE) {
            *error = sqlite3_errmsg(db);
            return -1;
        }
    }
    return rows;
}

qint64 replayOnNewConnection(const QString &path, const std::vector<std::string> &statements,
                             std::string *error)
{
    sqlite3 *db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    qint64 rows = -1;
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_key(db, Db::DefaultKey, int(std::strlen(Db::DefaultKey))) == SQLITE_OK)
        rows = replay(db, statements, error);
    else
        *error = sqlite3_errmsg(db);
    sqlite3_close_v2(db);
    return rows;
}

void runEngine(benchmark::State &state, const Case &c)
{
    Fixture &f = fixture();
    const std::vector<std::string> &statements = recorded()[c.name];
    if (statements.empty()) {
        state.SkipWithError("the program's side did not run first");
        return;
    }
    Db engine;
    if (!c.opensFile && !engine.open(f.path)) {
        state.SkipWithError(qPrintable(engine.lastError()));
        return;
    }
    std::string error;
    auto once = [&] {
        return c.opensFile ? replayOnNewConnection(f.path, statements, &error)
                           : replay(engine.handle(), statements, &error);
    };
    qint64 rows = once(); // the same warm caches the program's side had
    if (rows < 0) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state)
        rows = once();
    state.counters["rows"] = double(rows);
    state.counters["statements"] = double(statements.size());
}

} // namespace

int main(int argc, char **argv)
{
    benchdata::StatementRecorder::instance().install();
    for (const Case &c : cases()) {
        benchmark::RegisterBenchmark(
            (benchdata::SideBySideTable::ProgramPrefix + std::string(c.name)).c_str(),
            [&c](benchmark::State &state) { runProgram(state, c); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(c.iterations);
        benchmark::RegisterBenchmark(
            (benchdata::SideBySideTable::EnginePrefix + std::string(c.name)).c_str(),
            [&c](benchmark::State &state) { runEngine(state, c); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(c.iterations);
    }
    benchdata::SideBySideTable table;
    return runGuiBenchmarks(argc, argv, &table);
}
