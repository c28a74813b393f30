#include "WorkLogQuery.h"

#include "app/DataModule.h"
#include "db/DataSet.h"

namespace {
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
} // namespace

SqlStatement WorkLogQuery::select(const Filter &filter)
{
    SqlStatement s(
        QStringLiteral("select rowid as F_LogRowID, * from LogREC Where (F_operDate >= "
                       ":fromDate And F_operDate <= :toDate) "),
        {{QStringLiteral("fromDate"), filter.from.value_or(EarliestDate).toString(DateFormat)},
         {QStringLiteral("toDate"), filter.to.value_or(LatestDate).toString(DateFormat)}});
    const QString who = filter.operatorText.trimmed();
    if (!who.isEmpty())
        s.appendLike(QStringLiteral("And F_empName"), QStringLiteral("empName"), who,
                     SqlStatement::Like::Contains);
    const QString what = filter.actionText.trimmed();
    if (!what.isEmpty())
        s.appendLike(QStringLiteral("And F_operType"), QStringLiteral("operType"), what,
                     SqlStatement::Like::BeginsWith);
    s.append(QStringLiteral("Order By F_operDate,F_operTime "));
    return s;
}

bool WorkLogQuery::deleteEntries(const DataSet &rows, QString *error)
{
    Db &db = dm().db();
    const int id = rows.fieldIndex(u"F_LogRowID");
    const int fields[] = {rows.fieldIndex(u"F_EmpName"), rows.fieldIndex(u"F_OperType"),
                          rows.fieldIndex(u"F_OperDate"), rows.fieldIndex(u"F_OperTime")};
    if (id < 0 || std::find(std::begin(fields), std::end(fields), -1) != std::end(fields)) {
        if (error)
            *error = QStringLiteral("the rows do not come from the work log query");
        return false;
    }
    Transaction transaction(db);
    if (!transaction.isActive()) {
        if (error)
            *error = db.lastError();
        return false;
    }
    ::Statement remove = db.prepare(
        QStringLiteral("delete from LogRec where rowid = :id and F_EmpName is :emp and "
                       "F_OperType is :type and F_OperDate is :day and F_OperTime is :time"),
        error);
    if (!remove.isValid())
        return false;
    SqlParams params;
    for (int row = 0; row < rows.rowCount(); ++row) {
        params.insert(QStringLiteral("id"), rows.value(row, id));
        params.insert(QStringLiteral("emp"), rows.value(row, fields[0]));
        params.insert(QStringLiteral("type"), rows.value(row, fields[1]));
        params.insert(QStringLiteral("day"), rows.value(row, fields[2]));
        params.insert(QStringLiteral("time"), rows.value(row, fields[3]));
        const DbResult done = remove.run(params);
        if (!done.ok) {
            if (error)
                *error = done.error;
            return false;
        }
    }
    if (!transaction.commit()) {
        if (error)
            *error = db.lastError();
        return false;
    }
    return true;
}
