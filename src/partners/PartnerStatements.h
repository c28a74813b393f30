#pragma once
#include "db/ListSearch.h"
#include "db/SqlStatement.h"

// The statement of the partner and employee lists, built without a window.
namespace PartnerStatements {

struct Filter {
    int searchType = -1;          // index into the searches; -1: none chosen
    QString searchText;           // trimmed here; "%" and "_" match only themselves
    bool includeOutOfUse = false; // 包含已停用 / 包含已离职
};

// "select * from <table> where (1=1) ", the chosen search, the rows in use unless asked
// otherwise, by number. A search type chosen with no text leaves out rows whose field is null.
SqlStatement rows(const QString &table, const QList<ListSearch> &searches, const Filter &filter);

} // namespace PartnerStatements
