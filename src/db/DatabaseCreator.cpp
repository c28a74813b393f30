#include "DatabaseCreator.h"

#include "EmployeeTable.h"
#include "PartnerKinds.h"
#include "RecordKinds.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// How the seed rows of one configuration table join an existing database: the columns copied and
// the condition under which a seed row `s` is missing from the real table.
struct MergeRule {
    const char *table;
    const char *columns;
    const char *missing;
};

const MergeRule mergeRules[] = {
    // A permission is present when its code or its name is: names must stay unique.
    {"Limits", "F_code, F_name, F_flag",
     "NOT EXISTS (SELECT 1 FROM main.Limits m WHERE m.F_code = s.F_code OR m.F_name = s.F_name)"},
    // The settings are addressed by position; only the rows past the last one are added.
    {"KeyValue", "F_Value", "s.rowid > (SELECT count(*) FROM main.KeyValue)"},
    {"cfg_grid",
     "F_name, F_fieldname, F_caption, F_width, F_readonly, F_visible, F_order, F_alignMent, "
     "F_displayFormat, F_footerValue, F_footerType",
     "NOT EXISTS (SELECT 1 FROM main.cfg_grid m WHERE m.F_name = s.F_name AND "
     "m.F_fieldname = s.F_fieldname)"},
    {"cfg_import", "F_tablename, F_iFlag, F_fieldName, F_Field, S_Field",
     "NOT EXISTS (SELECT 1 FROM main.cfg_import m WHERE m.F_tablename = s.F_tablename AND "
     "m.S_Field = s.S_Field)"},
    {"cfg_stat", "F_name, F_flag, F_SQLtext",
     "NOT EXISTS (SELECT 1 FROM main.cfg_stat m WHERE m.F_name = s.F_name)"},
    // A code type the office already keeps is its own; only types it has never had get codes.
    {"t_code", "F_type, F_name",
     "NOT EXISTS (SELECT 1 FROM main.t_code m WHERE m.F_type = s.F_type)"},
};

QString readResource(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The CREATE statement of one table in schema.sql, turned into a temporary table of the same
// name. Unqualified names resolve to the temporary schema first, so seed.sql runs into these
// shadow copies unchanged.
QString shadowTableSql(const QString &schema, const QString &table)
{
    const QRegularExpression re(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 \\((.*?)\\);")
                                    .arg(QRegularExpression::escape(table)),
                                QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = re.match(schema);
    if (!match.hasMatch())
        return {};
    // Without AUTOINCREMENT, which would leave a temporary sequence table behind.
    QString columns = match.captured(1);
    columns.replace(QStringLiteral(" AUTOINCREMENT"), QString());
    return QStringLiteral("CREATE TEMP TABLE %1 (%2);").arg(table, columns);
}

void dropShadowTables(Db &db)
{
    for (const MergeRule &rule : mergeRules)
        db.exec(QStringLiteral("DROP TABLE IF EXISTS temp.%1").arg(QLatin1String(rule.table)));
}

bool failWith(const QString &message, QString *error)
{
    if (error)
        *error = message;
    return false;
}

// The layouts of the record lists ("cl..infoman") and of the vehicle archive's record pages
// ("cardetail1".."cardetail11") come from the kinds' design-time columns: 80 wide, the money and
// quantity columns summed in the footer.
bool stageRecordLayouts(Db &db, QString *error)
{
    Statement insert = db.prepare(
        QStringLiteral("INSERT INTO cfg_grid (F_name, F_fieldname, F_caption, F_width, "
                       "F_readonly, F_visible, F_order, F_alignMent, F_displayFormat, "
                       "F_footerValue, F_footerType) VALUES (:name, :field, :caption, 80, 1, 1, "
                       ":order, 0, '', '', :footer)"),
        error);
    if (!insert.isValid())
        return false;
    for (const RecordKind &kind : RecordKinds::all()) {
        for (int i = 0; i < kind.columns.size(); ++i) {
            const RecordColumn &column = kind.columns.at(i);
            const QString lower = column.field.toLower();
            const bool summed =
                std::any_of(kind.columnFormats.cbegin(), kind.columnFormats.cend(),
                            [&lower](const ColumnFormatRule &rule) { return rule.matches(lower); });
            for (const QString &key : {kind.layoutKey(), kind.archiveLayoutKey()}) {
                const DbResult done = insert.run({{QStringLiteral("name"), key},
                                                  {QStringLiteral("field"), column.field},
                                                  {QStringLiteral("caption"), column.title},
                                                  {QStringLiteral("order"), i},
                                                  {QStringLiteral("footer"), summed ? 2 : 0}});
                if (!done)
                    return failWith(done.error, error);
            }
        }
    }
    // The partner and employee lists: one layout per list from its columns.
    const auto stageList = [&](const QString &key, const QList<RecordColumn> &columns) {
        for (int i = 0; i < columns.size(); ++i) {
            const DbResult done = insert.run({{QStringLiteral("name"), key},
                                              {QStringLiteral("field"), columns.at(i).field},
                                              {QStringLiteral("caption"), columns.at(i).title},
                                              {QStringLiteral("order"), i},
                                              {QStringLiteral("footer"), 0}});
            if (!done)
                return failWith(done.error, error);
        }
        return true;
    };
    for (const PartnerKind &kind : PartnerKinds::all())
        if (!stageList(kind.layoutKey(), PartnerKinds::columns()))
            return false;
    return stageList(EmployeeTable::LayoutKey, EmployeeTable::columns());
}

} // namespace

DatabaseCreator::DatabaseCreator(QString adminPasswordCode)
    : m_adminPasswordCode(std::move(adminPasswordCode))
{
}

QString DatabaseCreator::schemaSql()
{
    Q_INIT_RESOURCE(db);
    return readResource(QStringLiteral(":/db/schema.sql"));
}

QString DatabaseCreator::seedSql()
{
    Q_INIT_RESOURCE(db);
    return readResource(QStringLiteral(":/db/seed.sql"));
}

QString DatabaseCreator::placeholderCompanyName()
{
    return QStringLiteral("我的公司");
}

bool DatabaseCreator::create(const QString &path, QString *error, SeedReport *report,
                             const QString &key) const
{
    if (QFileInfo::exists(path))
        return failWith(QStringLiteral("file already exists: %1").arg(path), error);
    bool ok = false;
    {
        Db db;
        if (!db.create(path, key, error))
            return false;
        ok = upgrade(db, error, report);
    }
    if (!ok) {
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-journal"));
    }
    return ok;
}

bool DatabaseCreator::upgrade(Db &db, QString *error, SeedReport *report) const
{
    if (!db.isOpen())
        return failWith(QStringLiteral("database is not open"), error);
    const QString schema = schemaSql();
    if (schema.isEmpty())
        return failWith(QStringLiteral("the schema resource is missing"), error);

    Transaction transaction(db);
    if (!transaction.isActive())
        return failWith(db.lastError(), error);
    if (!db.execScript(schema, error))
        return false;
    SeedReport added;
    const bool ok = addMissingRows(db, added, error);
    dropShadowTables(db);
    if (!ok)
        return false;
    if (!transaction.commit())
        return failWith(db.lastError(), error);
    if (report)
        *report = added;
    return true;
}

bool DatabaseCreator::addMissingRows(Db &db, SeedReport &report, QString *error) const
{
    const QString schema = schemaSql();
    dropShadowTables(db);
    for (const MergeRule &rule : mergeRules) {
        const QString sql = shadowTableSql(schema, QLatin1String(rule.table));
        if (sql.isEmpty() || !db.execScript(sql, error))
            return failWith(QStringLiteral("cannot stage the rows of %1: %2")
                                .arg(QLatin1String(rule.table), db.lastError()),
                            error);
    }
    if (!db.execScript(seedSql(), error) || !stageRecordLayouts(db, error))
        return false;

    for (const MergeRule &rule : mergeRules) {
        const QString table = QLatin1String(rule.table);
        const QString columns = QLatin1String(rule.columns);
        const DbResult r = db.exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM "
                                                  "temp.%1 AS s WHERE %3 ORDER BY s.rowid")
                                       .arg(table, columns, QLatin1String(rule.missing)));
        if (!r)
            return failWith(r.error, error);
        report.append({table, r.changes});
    }

    const QueryResult companies = db.query(QStringLiteral("SELECT count(*) FROM SysInfo"));
    if (!companies)
        return failWith(companies.error, error);
    qint64 addedCompanies = 0;
    if (companies.rows.integer(0, 0) == 0) {
        const QString backupFolder =
            QFileInfo(db.path()).absolutePath() + QStringLiteral("/backup");
        const DbResult r =
            db.exec(QStringLiteral("INSERT INTO SysInfo (F_Code, F_Name, F_Manager, F_Phone, "
                                   "F_HandPhone, F_Homepage, F_Email, F_Enroler, F_Mem, F_BakPath) "
                                   "VALUES (:code, '', '', '', '', '', '', '', '', :bak)"),
                    {{QStringLiteral("code"), placeholderCompanyName()},
                     {QStringLiteral("bak"), backupFolder}});
        if (!r)
            return failWith(r.error, error);
        addedCompanies = r.changes;
    }
    report.append({QStringLiteral("SysInfo"), addedCompanies});

    // The administrator is recognised by the trimmed name in any case (NOCASE column).
    const QueryResult admins =
        db.query(QStringLiteral("SELECT count(*) FROM OperList WHERE trim(F_Name) = 'admin'"));
    if (!admins)
        return failWith(admins.error, error);
    qint64 addedOperators = 0;
    if (admins.rows.integer(0, 0) == 0) {
        const DbResult r = db.exec(
            QStringLiteral("INSERT INTO OperList (F_Name, F_PassWord, F_Mem, F_flag, F_clFlag, "
                           "F_carS) VALUES ('admin', :pass, :mem, 0, 0, '')"),
            {{QStringLiteral("pass"), m_adminPasswordCode},
             {QStringLiteral("mem"), QStringLiteral("系统管理员")}});
        if (!r)
            return failWith(r.error, error);
        addedOperators = r.changes;
    }
    report.append({QStringLiteral("OperList"), addedOperators});
    return true;
}
