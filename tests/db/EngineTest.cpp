// The engine layer over real encrypted files: what opens, what does not, binding, transactions.
#include "db/Database.h"
#include "support/TestMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <thread>

class EngineTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString makeDatabase(const QString &name,
                         const QString &key = QString::fromLatin1(Db::DefaultKey))
    {
        const QString path = dir.filePath(name);
        Db db;
        if (!db.create(path, key) ||
            !db.execScript(QStringLiteral("create table T_x(F_ID integer primary key "
                                          "autoincrement, F_name text collate nocase, F_num real, "
                                          "F_flag integer, F_pic blob);")))
            return {};
        return path;
    }

private slots:
    void createdFileOpensWithItsKeyOnly()
    {
        const QString path = makeDatabase(QStringLiteral("a.db"));
        QVERIFY(!path.isEmpty());
        Db db;
        QVERIFY2(db.open(path), qPrintable(db.lastError()));
        QVERIFY(db.tableExists(QStringLiteral("t_X")));
        Db other;
        QString error;
        QVERIFY(!other.open(path, QStringLiteral("another"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!other.isOpen());
    }

    void unusableFilesFailCleanly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("empty") << "empty";
        QTest::newRow("random bytes") << "random";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("plain sqlite") << "plain";
        QTest::newRow("folder") << "folder";
    }
    void unusableFilesFailCleanly()
    {
        QFETCH(QString, kind);
        const QString path = dir.filePath(QStringLiteral("bad-") + kind);
        if (kind == QLatin1String("empty")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (kind == QLatin1String("random")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray bytes(64 * 1024, Qt::Uninitialized);
            for (char &c : bytes)
                c = char(QRandomGenerator::global()->bounded(256));
            f.write(bytes);
        } else if (kind == QLatin1String("truncated")) {
            const QString good = makeDatabase(QStringLiteral("to-truncate.db"));
            QFile f(good);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray head = f.read(700);
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(head);
        } else if (kind == QLatin1String("plain")) {
            if (QProcess::execute(QStringLiteral("sqlite3"),
                                  {path, QStringLiteral("create table SysInfo(F_ID integer);")}) !=
                0)
                QSKIP("the sqlite3 shell is not installed");
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        }
        Db db;
        QString error;
        QVERIFY(!db.open(path, QString::fromLatin1(Db::DefaultKey), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!db.isOpen());
        // The failed attempt leaves no file behind where there was none.
        if (kind == QLatin1String("missing"))
            QVERIFY(!QFile::exists(path));
    }

    void createRefusesAnExistingFile()
    {
        const QString path = makeDatabase(QStringLiteral("exists.db"));
        const QByteArray before = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        Db db;
        QVERIFY(!db.create(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void parametersBindByNameAndKind()
    {
        Db db;
        QVERIFY(db.open(makeDatabase(QStringLiteral("bind.db"))));
        const QByteArray picture("\x89PNG\0\x01\x02", 7);
        const DbResult ins =
            db.exec(QStringLiteral(
                        "insert into T_x(F_name,F_num,F_flag,F_pic) values(:Name,:num,:FLAG,:pic)"),
                    {{QStringLiteral("name"), QStringLiteral("李'记; --%#")},
                     {QStringLiteral("Num"), 12.5},
                     {QStringLiteral("flag"), true},
                     {QStringLiteral("pic"), picture}});
        QVERIFY2(ins.ok, qPrintable(ins.error));
        QCOMPARE(ins.changes, 1);
        QVERIFY(ins.lastInsertId > 0);
        QVERIFY(db.exec(QStringLiteral("insert into T_x(F_name,F_num) values(:n,:v)"),
                        {{QStringLiteral("n"), QVariant()}, {QStringLiteral("v"), qint64(7)}})
                    .ok);

        const QueryResult r = db.query(QStringLiteral("select * from T_x order by F_ID"));
        QVERIFY(r.ok);
        QCOMPARE(r.rows.rowCount(), 2);
        QCOMPARE(r.rows.text(0, QStringLiteral("f_name")), QStringLiteral("李'记; --%#"));
        QCOMPARE(r.rows.number(0, 2), 12.5);
        QCOMPARE(r.rows.integer(0, 3), 1);
        QCOMPARE(r.rows.blob(0, 4), picture);
        QVERIFY(r.rows.isNull(1, 1));
        QCOMPARE(r.rows.kind(1, 2), ResultSet::Kind::Real); // real affinity
        QCOMPARE(r.rows.number(1, 2), 7.0);
        QCOMPARE(r.rows.columnNames(), QStringList({"F_ID", "F_name", "F_num", "F_flag", "F_pic"}));
    }

    void textsReadBackExactly_data()
    {
        QTest::addColumn<QString>("literal"); // an SQL expression giving a text
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii and controls")
            << "'a' || char(9) || char(1) || 'b'" << QStringLiteral("a\t") + QChar(1) + u'b';
        QTest::newRow("two and three bytes") << "'é李'" << QStringLiteral("é李");
        QTest::newRow("four bytes") << "'😀x𠀀'" << QStringLiteral("😀x𠀀");
        QTest::newRow("empty") << "''" << QString();
        // Bytes that are no UTF-8 (a blob cast to text) read as replacement characters.
        QTest::newRow("malformed") << "cast(x'ff41c3' as text)" << QStringLiteral("\uFFFDA\uFFFD");
        QTest::newRow("encoded surrogate") << "cast(x'eda080' as text)" << QStringLiteral("\uFFFD");
    }

    void textsReadBackExactly()
    {
        QFETCH(QString, literal);
        QFETCH(QString, text);
        Db db;
        QVERIFY(db.open(makeDatabase(QString::fromLatin1(QTest::currentDataTag()) + ".db")));
        const QueryResult r = db.query(QStringLiteral("select ") + literal);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.rows.text(0, 0), text);
    }

    void errorsAreResultsWithTheEngineMessage()
    {
        Db db;
        QVERIFY(db.open(makeDatabase(QStringLiteral("err.db"))));
        const QueryResult q = db.query(QStringLiteral("select * from T_nothing"));
        QVERIFY(!q.ok);
        QVERIFY(q.error.contains(QStringLiteral("T_nothing")));
        QCOMPARE(q.rows.rowCount(), 0);
        const DbResult missing = db.exec(QStringLiteral("insert into T_x(F_name) values(:n)"));
        QVERIFY(!missing.ok);
        QVERIFY(missing.error.contains(QStringLiteral(":n")));
        // A second statement in one text is never run.
        const DbResult two =
            db.exec(QStringLiteral("insert into T_x(F_name) values('a'); delete from T_x"));
        QVERIFY(!two.ok);
        QCOMPARE(db.query(QStringLiteral("select count(*) from T_x")).rows.integer(0, 0), 0);
        QVERIFY(db.exec(QStringLiteral("insert into T_x(F_name) values('a');  ")).ok);
    }

    void transactionsRollBackUnlessCommitted()
    {
        Db db;
        QVERIFY(db.open(makeDatabase(QStringLiteral("tx.db"))));
        {
            Transaction t(db);
            QVERIFY(t.isActive());
            QVERIFY(db.exec(QStringLiteral("insert into T_x(F_name) values('gone')")).ok);
        }
        {
            Transaction t(db);
            QVERIFY(db.exec(QStringLiteral("insert into T_x(F_name) values('kept')")).ok);
            QVERIFY(t.commit());
        }
        const QueryResult r = db.query(QStringLiteral("select F_name from T_x"));
        QCOMPARE(r.rows.rowCount(), 1);
        QCOMPARE(r.rows.text(0, 0), QStringLiteral("kept"));
        QVERIFY(!db.inTransaction());
    }

    void twoConnectionsShareOneFile()
    {
        const QString path = makeDatabase(QStringLiteral("shared.db"));
        Db a, b;
        QVERIFY(a.open(path));
        QVERIFY(b.open(path));
        QVERIFY(a.begin());
        QVERIFY(a.exec(QStringLiteral("insert into T_x(F_name) values('a')")).ok);
        // The reader sees the state before the open write transaction.
        QCOMPARE(b.query(QStringLiteral("select count(*) from T_x")).rows.integer(0, 0), 0);
        QVERIFY(a.commit());
        QCOMPARE(b.query(QStringLiteral("select count(*) from T_x")).rows.integer(0, 0), 1);
        QVERIFY(b.exec(QStringLiteral("insert into T_x(F_name) values('b')")).ok);
        QCOMPARE(a.query(QStringLiteral("select count(*) from T_x")).rows.integer(0, 0), 2);
    }

    // A connection that finds the file locked by another copy waits for the lock (up to the busy
    // timeout) instead of failing: here the other connection, in a thread of its own, holds its
    // write lock for a moment.
    void aLockedFileIsWaitedFor()
    {
        const QString path = makeDatabase(QStringLiteral("busy.db"));
        Db holder;
        QVERIFY(holder.open(path));
        Db waiter;
        QVERIFY(waiter.open(path));
        QVERIFY(holder.begin());
        QVERIFY(holder.exec(QStringLiteral("insert into T_x(F_name) values('first')")).ok);
        std::thread release([&holder] {
            QThread::msleep(300);
            holder.commit();
        });
        QElapsedTimer took;
        took.start();
        const DbResult second = waiter.exec(QStringLiteral("insert into T_x(F_name) values('b')"));
        const qint64 waited = took.elapsed();
        release.join();
        QVERIFY2(second.ok, qPrintable(second.error));
        QVERIFY2(waited >= 250 && waited < Db::BusyTimeoutMs, qPrintable(QString::number(waited)));
        QCOMPARE(waiter.query(QStringLiteral("select count(*) from T_x")).rows.integer(0, 0), 2);
    }

    void fileCopyAndCompactionKeepTheKey()
    {
        const QString path = makeDatabase(QStringLiteral("copy.db"));
        Db db;
        QVERIFY(db.open(path));
        for (int i = 0; i < 50; ++i)
            db.exec(QStringLiteral("insert into T_x(F_name) values(:n)"),
                    {{QStringLiteral("n"), QString(200, QChar(u'x'))}});
        db.exec(QStringLiteral("delete from T_x where F_ID > 10"));
        const QString copy = dir.filePath(QStringLiteral("copy.back"));
        QVERIFY(db.copyFileTo(copy));
        QVERIFY(!QFile::exists(copy + QStringLiteral(".part")));
        const qint64 before = QFileInfo(path).size();
        QVERIFY(db.compact());
        QVERIFY(QFileInfo(path).size() < before);
        db.exec(QStringLiteral("delete from T_x where F_ID > 9"));
        QVERIFY(db.copyFileTo(copy)); // replaces the first copy
        Db back;
        QVERIFY(back.open(copy));
        QCOMPARE(back.query(QStringLiteral("select count(*) from T_x")).rows.integer(0, 0), 9);
        QCOMPARE(back.integrityCheck(), QStringLiteral("ok"));
        QVERIFY(!db.copyFileTo(dir.filePath(QStringLiteral("no/such/folder/x.back"))));
    }
};

ORV_TEST(EngineTest)
#include "EngineTest.moc"
