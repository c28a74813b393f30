#include "CodeBatch.h"

#include "CodeStatements.h"

#include "db/DataSet.h"

namespace {

const QString IdField = QStringLiteral("F_ID");
const QString TypeField = QStringLiteral("F_type");
const QString NameField = QStringLiteral("F_Name");

} // namespace

void CodeBatch::remember(const DataSet &codes)
{
    m_stored.clear();
    const ResultSet &rows = codes.rows();
    const int id = rows.columnIndex(IdField);
    const int type = rows.columnIndex(TypeField);
    const int name = rows.columnIndex(NameField);
    if (id < 0)
        return;
    m_stored.reserve(rows.rowCount());
    for (int row = 0; row < rows.rowCount(); ++row)
        if (!rows.isNull(row, id))
            m_stored.insert(rows.integer(row, id), {rows.text(row, type), rows.text(row, name)});
}

void CodeBatch::stampCodeType(DataSet &codes, const QString &key)
{
    const int type = codes.fieldIndex(TypeField);
    if (type < 0)
        return;
    for (int row = 0; row < codes.rowCount(); ++row)
        if (codes.text(row, type) != key)
            codes.setValue(row, type, key);
}

std::vector<CodeBatch::Change> CodeBatch::pendingChanges(const DataSet &codes) const
{
    std::vector<Change> changes;
    const ResultSet &rows = codes.rows();
    const int id = rows.columnIndex(IdField);
    const int type = rows.columnIndex(TypeField);
    const int name = rows.columnIndex(NameField);
    if (id < 0 || type < 0 || name < 0)
        return changes;
    for (int row = 0; row < rows.rowCount(); ++row) {
        Change change{Change::Kind::Insert, 0, rows.text(row, type), rows.text(row, name)};
        if (!rows.isNull(row, id)) {
            change.kind = Change::Kind::Update;
            change.id = rows.integer(row, id);
            const auto stored = m_stored.constFind(change.id);
            if (stored != m_stored.cend() && stored->type == change.type &&
                stored->name == change.name)
                continue;
        }
        changes.push_back(std::move(change));
    }
    return changes;
}

DbResult CodeBatch::write(Db &db, const std::vector<Change> &changes)
{
    Transaction transaction(db);
    if (!transaction.isActive())
        return {false, db.lastError()};
    for (const Change &change : changes) {
        const SqlStatement statement =
            change.kind == Change::Kind::Insert
                ? CodeStatements::insertCode(change.type, change.name)
                : CodeStatements::updateCode(change.id, change.type, change.name);
        DbResult result = db.exec(statement.sql, statement.params);
        if (!result)
            return result;
    }
    if (!transaction.commit())
        return {false, db.lastError()};
    return {true};
}

DbResult CodeBatch::remove(Db &db, qint64 id)
{
    const SqlStatement statement = CodeStatements::deleteCode(id);
    return db.exec(statement.sql, statement.params);
}
