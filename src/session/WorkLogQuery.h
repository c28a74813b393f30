#pragma once
#include "db/NoDate.h"
#include "db/SqlStatement.h"

#include <QDate>
#include <QString>
#include <optional>

class DataSet;

// The work log browser without its window: the statement of a query and the removal of the
// entries it found.
namespace WorkLogQuery {

struct Filter {
    std::optional<QDate> from; // unset: from the earliest entry
    std::optional<QDate> to;   // unset: to the last entry
    QString operatorText;      // matched anywhere in the operator's name
    QString actionText;        // matched from the start of the action text
};

// The dates a cleared date box stands for.
inline const QDate EarliestDate = NoDate::storedDate;
inline const QDate LatestDate{3000, 8, 14};

// Besides every column of LogRec the rows carry F_LogRowID, the entry's row number, so that
// clearing can remove exactly the entries found. The typed texts are bound, trimmed.
SqlStatement select(const Filter &filter);

// Removes the entries of a result of select() in one transaction: all of them or, when the
// database fails, none. An entry is removed only while its row still holds the values that were
// read, so a row renumbered by a compaction elsewhere is never taken for another.
bool deleteEntries(const DataSet &rows, QString *error = nullptr);

} // namespace WorkLogQuery
