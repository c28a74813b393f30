// The data module's services over a real database: results, failure messages, the log, code
// series, permissions, the daily backup and compaction.
#include "app/DataModule.h"
#include "app/Globals.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTest>

class DataModuleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    DataModule &dm() { return *env->dataModule(); }
    ScriptedPlatform &ui() { return env->platform(); }

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->connect();
        QVERIFY(dm().IsConnected);
    }
    void cleanup() { env.reset(); }

    void failingStatementsShowTheirMessageAndGiveEmptyResults()
    {
        DataSet ds;
        QVERIFY(!dm().ExecSql(QStringLiteral("update T_none set F_x = 1")));
        QCOMPARE(dm().QueryString(QStringLiteral("select x from T_none")), QString());
        QCOMPARE(dm().QueryInt(QStringLiteral("select x from T_none")), 0);
        QVERIFY(!dm().OpenQuery(QStringLiteral("select * from T_none"), ds));
        QVERIFY(!dm().DeleteById(QStringLiteral("T_none"), 1));
        QVERIFY(!dm().DeleteById(QStringLiteral("T_cars; drop table T_cars"), 1));
        QCOMPARE(ui().texts(),
                 QStringList({DataModule::OperationFailed, DataModule::OperationFailed,
                              DataModule::OperationFailed, DataModule::OpenFailed,
                              DataModule::DeleteFailed, DataModule::DeleteFailed}));
        for (const auto &shown : ui().shown)
            QCOMPARE(shown.kind, Platform::MessageKind::Error);
        QVERIFY(ds.isEmpty());
        QVERIFY(dm().db().tableExists(QStringLiteral("T_cars")));
    }

    void queriesGiveFirstCellOrNothing()
    {
        QCOMPARE(dm().QueryInt(QStringLiteral("select F_ID from T_cars where 1<>1")), 0);
        QCOMPARE(dm().QueryString(QStringLiteral("select F_code from T_cars where false")), QString());
        QVERIFY(dm().ExecSql(QStringLiteral("insert into T_cars(F_code) values(:c)"),
                             {{QStringLiteral("c"), QStringLiteral("浙B00001")}}));
        const int id = dm().QueryInt(QStringLiteral("select max(F_ID) from T_cars"));
        QVERIFY(id > 0);
        QCOMPARE(dm().QueryString(QStringLiteral("select F_code from T_cars")), QStringLiteral("浙B00001"));
        DataSet ds;
        QVERIFY(dm().OpenQuery(QStringLiteral("select * from T_cars"), ds));
        QCOMPARE(ds.rowCount(), 1);
        QVERIFY(dm().DeleteById(QStringLiteral("T_cars"), id));
        QVERIFY(dm().Requery(ds));
        QCOMPARE(ds.rowCount(), 0);
        QVERIFY(ui().shown.isEmpty());
    }

    void writeLogStampsOperatorDateAndTime()
    {
        ui().clock = QDateTime(QDate(2026, 3, 2), QTime(9, 5, 7));
        Globals::CurrentOperator = QStringLiteral("张'三");
        dm().WriteLog(QStringLiteral("增加车辆维修记录！"));
        const QueryResult r = dm().db().query(QStringLiteral(
            "select F_EmpName, F_OperType, F_OperDate, F_OperTime from LogRec"));
        QCOMPARE(r.rows.rowCount(), 1);
        QCOMPARE(r.rows.text(0, 0), QStringLiteral("张'三"));
        QCOMPARE(r.rows.text(0, 1), QStringLiteral("增加车辆维修记录！"));
        QCOMPARE(r.rows.text(0, 2), QStringLiteral("2026-03-02"));
        QCOMPARE(r.rows.text(0, 3), QStringLiteral("09:05:07"));
        // A log that cannot be written says nothing.
        dm().db().exec(QStringLiteral("drop table LogRec"));
        dm().WriteLog(QStringLiteral("x"));
        QVERIFY(ui().shown.isEmpty());
    }

    void nextCodeFollowsTheLargestCode_data()
    {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("ok");
        QTest::newRow("empty table") << QStringList() << "0001" << true;
        QTest::newRow("prefix kept") << QStringList({"E0009", "E0012"}) << "E0013" << true;
        QTest::newRow("wraps") << QStringList({"A9999"}) << "A0000" << true;
        QTest::newRow("non-numeric tail") << QStringList({"E00X1"}) << "" << false;
    }
    void nextCodeFollowsTheLargestCode()
    {
        QFETCH(QStringList, codes);
        QFETCH(QString, expected);
        QFETCH(bool, ok);
        for (const QString &code : codes)
            dm().ExecSql(QStringLiteral("insert into T_employee(F_code) values(:c)"),
                         {{QStringLiteral("c"), code}});
        bool done = !ok;
        QCOMPARE(dm().NextCode(QStringLiteral("select max(F_code) from T_employee "), 4, &done), expected);
        QCOMPARE(done, ok);
        QCOMPARE(ui().shown.size(), ok ? 0 : 1);
    }

    void permissionsComeFromTheTables()
    {
        Globals::CurrentOperator = QStringLiteral("王'五");
        QVERIFY(!dm().HasPermission(QStringLiteral("202")));
        const QString name = dm().QueryString(QStringLiteral("select F_name from Limits where F_code = '202'"));
        QVERIFY(!name.isEmpty());
        QVERIFY(dm().ExecSql(QStringLiteral("insert into OperLimit(F_OperName,F_lmtName) values(:o,:n)"),
                             {{QStringLiteral("o"), Globals::CurrentOperator},
                              {QStringLiteral("n"), name}}));
        QVERIFY(dm().HasPermission(QStringLiteral("202")));
        QVERIFY(!dm().HasPermission(QStringLiteral("201")));
        Globals::CurrentOperator = QStringLiteral("王");
        QVERIFY(!dm().HasPermission(QStringLiteral("202")));
    }

    void autoBackupCopiesOncePerDay()
    {
        ui().clock = QDateTime(QDate(2026, 12, 11), QTime(18, 0));
        const QString folder = env->path(QStringLiteral("bak/daily"));
        dm().ExecSql(QStringLiteral("update SysInfo set F_BakPath = :p"), {{QStringLiteral("p"), folder}});
        ui().answers.enqueue(Platform::Answer::Yes); // create the folder
        dm().AutoBackup();
        const QString target = QDir(folder).filePath(QStringLiteral("dp20261211.back"));
        QVERIFY(QFile::exists(target));
        QCOMPARE(ui().texts(), QStringList({QStringLiteral("当前目录") + folder +
                                            QStringLiteral(" 不存在，是否创建！")}));
        Db copy;
        QVERIFY(copy.open(target));
        QVERIFY(copy.tableExists(QStringLiteral("T_cars")));
        copy.close();

        // The second time the same day leaves the first copy.
        QFile::resize(target, 10);
        dm().AutoBackup();
        QCOMPARE(QFileInfo(target).size(), 10);
        QCOMPARE(ui().shown.size(), 1);
    }

    void autoBackupFolderProblems()
    {
        // Declined: nothing is made.
        const QString folder = env->path(QStringLiteral("nobak"));
        dm().ExecSql(QStringLiteral("update SysInfo set F_BakPath = :p"), {{QStringLiteral("p"), folder}});
        ui().answers.enqueue(Platform::Answer::No);
        dm().AutoBackup();
        QVERIFY(!QDir(folder).exists());

        // A folder that cannot be made: below a plain file.
        QFile blocker(env->path(QStringLiteral("plainfile")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString bad = env->path(QStringLiteral("plainfile/sub"));
        dm().ExecSql(QStringLiteral("update SysInfo set F_BakPath = :p"), {{QStringLiteral("p"), bad}});
        ui().clearRecord();
        ui().answers.enqueue(Platform::Answer::Yes);
        dm().AutoBackup();
        QCOMPARE(ui().texts().last(),
                 QStringLiteral("目录") + bad + QStringLiteral(" 创建失败,请检测路径是否合法!"));
        QCOMPARE(ui().shown.last().kind, Platform::MessageKind::Error);

        // A relative folder lies beside the database file.
        dm().ExecSql(QStringLiteral("update SysInfo set F_BakPath = 'backup'"));
        QCOMPARE(dm().backupFolder(), env->path(QStringLiteral("data/backup")));
    }

    void compactionNeedsADatabaseOfThatKey()
    {
        const QString path = env->databasePath();
        dm().disconnect();
        QVERIFY(CompactDatabase(path, QString::fromLatin1(Db::DefaultKey)) != 0);
        QCOMPARE(CompactDatabase(path, QStringLiteral("wrong")), 0);
        QCOMPARE(CompactDatabase(env->path(QStringLiteral("missing.mdb")), QString::fromLatin1(Db::DefaultKey)), 0);
        QVERIFY(dm().connectTo(path));
        QVERIFY(dm().db().tableExists(QStringLiteral("SysInfo")));
    }
};

ORV_TEST(DataModuleTest)
#include "DataModuleTest.moc"
