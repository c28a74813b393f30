#pragma once
// The program's ways of saving, as the crash and two-copy runs drive them: each makes numbered
// saves through the program's own code and can tell afterwards what a file holds of one of them.
// A window adds its save path as one entry of savePaths().
#include <QMap>
#include <QString>
#include <functional>
#include <vector>

class DataModule;
class Db;

namespace harness {

// Where a save runs: the copy's data module (none when a file is only checked), a folder of its
// own for files it writes (backups), and the copy's tag, which keeps two copies' saves apart.
struct SaveContext {
    DataModule *dm = nullptr;
    QString folder;
    QString tag;
};

// What a file holds of one save.
enum class Presence { Whole, Absent, Torn };

struct SavePath {
    const char *name;
    // Makes save number n; true once the program reports it saved (its commit returned). On
    // failure, error gets the engine's text.
    std::function<bool(SaveContext &, int n, QString *error)> save;
    // What `db` (the same file, reopened) holds of save n made under the context.
    std::function<Presence(Db &db, const SaveContext &, int n)> presence;
    // How many of the path's latest saves presence() can still see (a backup name is reused);
    // 0: every save.
    int latestSeen = 0;
    // Refuses while another copy uses the file (compaction), so two copies do not run it.
    bool needsFileAlone = false;
};

const std::vector<SavePath> &savePaths();
const SavePath *savePath(const QString &name);

// The first of the saves (number -> path name) that the file does not hold whole, as a sentence;
// empty when it holds them all. Of a path that sees only its latest saves, those are checked.
// `checks` counts the saves looked at.
QString firstLost(Db &db, const SaveContext &context, const QMap<int, QString> &saves,
                  qint64 *checks);

// Indexes that keep presence() quick over thousands of saves (the program has none on the columns
// it looks at); for a file no copy writes any more.
bool indexForChecks(Db &db);

} // namespace harness
