#include "RecordPages.h"

#include "db/DataSet.h"
#include "db/RecordKinds.h"
#include "records/RecordGridColumns.h"

QList<DetailPage> RecordPages::all()
{
    QList<DetailPage> pages;
    for (const RecordKind &kind : RecordKinds::all()) {
        const RecordKind *k = &kind;
        pages.append({kind.archiveItem, kind.table, kind.archiveLayoutKey(), kind.archiveItem,
                      RecordGridColumns::design(kind), [k](const DataSet &rows) {
                          return k->archiveDeleteQuestion(rows.fieldText(k->dateField));
                      }});
    }
    return pages;
}
