#include "SavePaths.h"

#include "app/DataModule.h"
#include "codes/CodeBatch.h"
#include "db/DataSet.h"
#include "db/RecordKinds.h"
#include "forms/PictureSlot.h"
#include "records/RecordEditor.h"
#include "session/WorkLogQuery.h"
#include "vehicles/VehicleEditor.h"
#include "widgets/NumberEdit.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QFileInfo>

namespace harness {
namespace {

qint64 count(Db &db, const QString &sql, const SqlParams &params)
{
    const QueryResult r = db.query(sql, params);
    return r.ok && r.rows.rowCount() == 1 ? r.rows.integer(0, 0) : -1;
}

// A save that writes `parts` rows: all of them, none, or a torn save.
Presence parts(qint64 found, qint64 parts)
{
    return found == parts ? Presence::Whole : found == 0 ? Presence::Absent : Presence::Torn;
}

// The code dictionary's 保存: three new codes in one batch.
QString codeName(const SaveContext &c, int n, int part)
{
    return QStringLiteral("%1-%2-%3").arg(c.tag).arg(n).arg(part);
}

bool saveCodes(SaveContext &c, int n, QString *error)
{
    std::vector<CodeBatch::Change> changes;
    for (int part = 0; part < 3; ++part)
        changes.push_back({CodeBatch::Change::Kind::Insert, 0, c.tag, codeName(c, n, part)});
    const DbResult result = CodeBatch::write(c.dm->db(), changes);
    *error = result.error;
    return result.ok;
}

Presence codesPresent(Db &db, const SaveContext &c, int n)
{
    return parts(count(db,
                       QStringLiteral("select count(*) from t_code where F_Name in (:a, :b, :c)"),
                       {{QStringLiteral("a"), codeName(c, n, 0)},
                        {QStringLiteral("b"), codeName(c, n, 1)},
                        {QStringLiteral("c"), codeName(c, n, 2)}}),
                 3);
}

// A work log entry, as every window writes one.
QString logText(const SaveContext &c, int n)
{
    return QStringLiteral("%1 日志 %2").arg(c.tag).arg(n);
}

qint64 logEntries(Db &db, const QString &action)
{
    return count(db, QStringLiteral("select count(*) from LogRec where F_OperType = :type"),
                 {{QStringLiteral("type"), action}});
}

bool saveLogEntry(SaveContext &c, int n, QString *error)
{
    if (c.dm->WriteLog(logText(c, n)))
        return true;
    *error = c.dm->db().lastError();
    return false;
}

Presence logEntryPresent(Db &db, const SaveContext &c, int n)
{
    return parts(logEntries(db, logText(c, n)), 1);
}

// The work log's 清除: three entries of their own, found by the log query and removed. The
// entries are put in beforehand in one transaction, so that what a file holds of them tells a
// torn clearing from one not begun.
QString clearedPrefix(const SaveContext &c, int n)
{
    return QStringLiteral("%1 清除 %2-").arg(c.tag).arg(n);
}

bool clearLogEntries(SaveContext &c, int n, QString *error)
{
    Db &db = c.dm->db();
    {
        Transaction transaction(db);
        for (int part = 0; part < 3; ++part)
            db.exec(QStringLiteral("insert into LogRec(F_EmpName,F_OperType,F_OperDate,"
                                   "F_OperTime) values('harness',:type,'2026-01-01','08:00:00')"),
                    {{QStringLiteral("type"), clearedPrefix(c, n) + QString::number(part)}});
        if (!transaction.commit()) {
            *error = QStringLiteral("putting the entries in: ") + db.lastError();
            return false;
        }
    }
    WorkLogQuery::Filter filter;
    filter.actionText = clearedPrefix(c, n);
    const SqlStatement statement = WorkLogQuery::select(filter);
    DataSet found;
    const QueryResult rows = db.query(statement.sql, statement.params);
    if (!rows.ok) {
        *error = rows.error;
        return false;
    }
    found.setRows(rows.rows);
    if (found.rowCount() != 3) {
        *error = QStringLiteral("the log query found %1 of 3 entries").arg(found.rowCount());
        return false;
    }
    return WorkLogQuery::deleteEntries(found, error);
}

// Cleared is whole; all three left is a clearing not made; one or two left is torn (the
// entries went in together, so none left may also be a clearing whose entries never did).
Presence logEntriesCleared(Db &db, const SaveContext &c, int n)
{
    const qint64 left =
        count(db, QStringLiteral("select count(*) from LogRec where F_OperType like :prefix"),
              {{QStringLiteral("prefix"), clearedPrefix(c, n) + u'%'}});
    return left == 0 ? Presence::Whole : left == 3 ? Presence::Absent : Presence::Torn;
}

// The automatic backup: a copy of the file taken under the write lock. Two names in turn, so
// that a backup also replaces an older one.
QString backupPath(const SaveContext &c, int n)
{
    return QDir(c.folder).filePath(QStringLiteral("%1-backup-%2.back").arg(c.tag).arg(n % 2));
}

bool saveBackup(SaveContext &c, int n, QString *error)
{
    return c.dm->db().copyFileTo(backupPath(c, n), error);
}

// The backup of that name opens with the key and passes the integrity check (it may already be
// the next backup of the name, which is as good).
Presence backupPresent(Db &, const SaveContext &c, int n)
{
    const QString path = backupPath(c, n);
    if (!QFileInfo::exists(path))
        return Presence::Absent;
    Db copy;
    return copy.open(path) && copy.integrityCheck() == QLatin1String("ok") ? Presence::Whole
                                                                           : Presence::Torn;
}

// A refuelling record saved through its editor, as 确定 saves it: the plate names the save.
QString recordPlate(const SaveContext &c, int n)
{
    return QStringLiteral("%1-rec-%2").arg(c.tag).arg(n);
}

bool saveRecord(SaveContext &c, int n, QString *error)
{
    RecordEditor editor(*RecordKinds::byWord(QStringLiteral("yh")));
    editor.LoadFields(false);
    static_cast<QLineEdit *>(editor.input(RecordKinds::PlateControl))->setText(recordPlate(c, n));
    static_cast<QComboBox *>(editor.input(QStringLiteral("cbbJSempname")))
        ->setEditText(QStringLiteral("司机"));
    static_cast<NumberEdit *>(editor.input(QStringLiteral("rceYLnum")))->setValue(n);
    static_cast<QPlainTextEdit *>(editor.input(QStringLiteral("Memo1")))
        ->setPlainText(recordPlate(c, n));
    if (editor.save())
        return true;
    *error = QStringLiteral("the record editor did not save");
    return false;
}

Presence recordPresent(Db &db, const SaveContext &c, int n)
{
    const SqlParams plate{{QStringLiteral("p"), recordPlate(c, n)}};
    const qint64 rows = count(db, QStringLiteral("select count(*) from T_YHrec where F_CPcode = :p"),
                              plate);
    const qint64 whole = count(db,
                               QStringLiteral("select count(*) from T_YHrec where F_CPcode = :p "
                                              "and F_memo1 = :p and F_YLnum = :n"),
                               {{QStringLiteral("p"), recordPlate(c, n)}, {QStringLiteral("n"), n}});
    return rows == 0 ? Presence::Absent : rows == 1 && whole == 1 ? Presence::Whole : Presence::Torn;
}

// A vehicle with a picture saved through the vehicle editor.
QString vehiclePlate(const SaveContext &c, int n)
{
    return QStringLiteral("%1-car-%2").arg(c.tag).arg(n);
}

QByteArray pictureOf(int n)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(n % 256, (n / 256) % 256, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool saveVehicle(SaveContext &c, int n, QString *error)
{
    VehicleEditor editor;
    editor.LoadFields(false);
    static_cast<QLineEdit *>(editor.input(QStringLiteral("edtCode")))->setText(vehiclePlate(c, n));
    editor.picture(2)->setStored(pictureOf(n), QStringLiteral("side.png"));
    if (editor.save())
        return true;
    *error = QStringLiteral("the vehicle editor did not save");
    return false;
}

Presence vehiclePresent(Db &db, const SaveContext &c, int n)
{
    const QueryResult r =
        db.query(QStringLiteral("select F_carImage2, F_imagePath2 from T_cars where F_code = :p"),
                 {{QStringLiteral("p"), vehiclePlate(c, n)}});
    if (!r.ok || r.rows.rowCount() == 0)
        return Presence::Absent;
    const bool whole = r.rows.rowCount() == 1 && r.rows.blob(0, 0) == pictureOf(n) &&
                       r.rows.text(0, 1) == QLatin1String("side.png");
    return whole ? Presence::Whole : Presence::Torn;
}

// 压缩数据库: rewrites the whole file; what must hold afterwards is every other save.
bool compact(SaveContext &c, int, QString *error)
{
    return c.dm->db().compact(error);
}

Presence nothingToSee(Db &, const SaveContext &, int)
{
    return Presence::Whole;
}

} // namespace

const std::vector<SavePath> &savePaths()
{
    static const std::vector<SavePath> all = {
        {"code batch", saveCodes, codesPresent},
        {"work log entry", saveLogEntry, logEntryPresent},
        {"work log clearing", clearLogEntries, logEntriesCleared},
        {"automatic backup", saveBackup, backupPresent, 2},
        {"compaction", compact, nothingToSee, 0, true},
        {"record save", saveRecord, recordPresent},
        {"vehicle save", saveVehicle, vehiclePresent},
    };
    return all;
}

QString firstLost(Db &db, const SaveContext &context, const QMap<int, QString> &saves,
                  qint64 *checks)
{
    QMap<QString, int> seen;
    const QList<int> numbers = saves.keys();
    for (auto n = numbers.crbegin(); n != numbers.crend(); ++n) {
        const QString name = saves.value(*n);
        const SavePath *path = savePath(name);
        if (!path)
            return QStringLiteral("no save path %1").arg(name);
        if (path->latestSeen > 0 && seen[name]++ >= path->latestSeen)
            continue;
        ++*checks;
        if (path->presence(db, context, *n) != Presence::Whole)
            return QStringLiteral("save %1 (%2) of %3 is lost").arg(*n).arg(name, context.tag);
    }
    return {};
}

bool indexForChecks(Db &db)
{
    return db.execScript(
        QStringLiteral("create index if not exists harness_code_name on t_code (F_Name);"
                       "create index if not exists harness_log_action on LogRec (F_OperType);"));
}

const SavePath *savePath(const QString &name)
{
    for (const SavePath &path : savePaths())
        if (name == QLatin1String(path.name))
            return &path;
    return nullptr;
}

} // namespace harness
