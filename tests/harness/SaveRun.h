#pragma once
// What a copy of the program running saves reports on its standard output, one line each, and
// the reading of it by the test that started the copy:
//
//   ready                         connected, saves follow
//   done N MS PATH                save N, made through PATH in MS milliseconds, is saved: its
//                                 commit returned
//   failed N PATH MS ERROR        save N failed after MS milliseconds with the engine's ERROR
//   wrong TEXT                    what a copy read of the other copy's saves is wrong
#include <QMap>
#include <QString>
#include <QStringList>

namespace harness {

struct SaveContext;
struct SavePath;

// Writes one report line and flushes it, so that a kill right after loses nothing reported.
void report(const QString &line);
// Makes save n through the path and reports it done (after its commit returned) or failed.
void saveAndReport(const SavePath &path, SaveContext &context, int n);

struct SaveReports {
    bool ready = false;
    QMap<int, QString> done; // save number -> path
    qint64 slowest = 0;      // milliseconds of the slowest save done
    QStringList failed;      // the whole lines
    QStringList wrong;
    QByteArray pending; // an incomplete last line

    // Takes what the copy wrote since the last call.
    void read(const QByteArray &output);
};

} // namespace harness
