#pragma once
#include "db/Database.h"

#include <QHash>
#include <QString>
#include <vector>

class DataSet;

// The pending changes of the dictionary window's code set. The window edits the rows of its
// DataSet in place; this remembers what was stored when the set was opened, so that 保存 can
// write exactly the appended and changed rows in one transaction and 取消 can drop them.
class CodeBatch {
public:
    struct Change {
        enum class Kind { Insert, Update };
        Kind kind = Kind::Insert;
        qint64 id = 0; // the row's F_ID (updates)
        QString type;
        QString name;
        bool operator==(const Change &) const = default;
    };

    // Takes the set's rows as stored (call right after opening it).
    void remember(const DataSet &codes);

    // StampCodeType: files every row of the set under the key, so appended rows receive their type.
    static void stampCodeType(DataSet &codes, const QString &key);

    // Rows without F_ID (appended) and rows whose type or name differ from what was stored, in
    // the order of the set's storage (table order, then the order of appending).
    std::vector<Change> pendingChanges(const DataSet &codes) const;

    // Writes the changes in one transaction: all of them or, on an error, none. The result
    // carries the engine's text on failure.
    static DbResult write(Db &db, const std::vector<Change> &changes);
    // Deletes one code at once.
    static DbResult remove(Db &db, qint64 id);

private:
    struct Stored {
        QString type;
        QString name;
    };
    QHash<qint64, Stored> m_stored;
};
