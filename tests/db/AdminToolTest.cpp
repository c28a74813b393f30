// orvcars-admin as a script or an operator runs it: exit status, output and messages.
#include "support/TestMain.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

QString toolPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/orvcars-admin");
}

Run admin(const QStringList &args)
{
    QProcess process;
    process.start(toolPath(), args);
    Run run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class AdminToolTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_db;

private slots:
    void initTestCase()
    {
        if (!QFileInfo(toolPath()).isExecutable())
            QSKIP("orvcars-admin is not built beside the tests");
        m_db = m_dir.filePath(QStringLiteral("seeded.mdb"));
        const Run run = admin({QStringLiteral("init"), m_db});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("Limits\t37")));
    }

    void initRefusesAnExistingFile()
    {
        const Run run = admin({QStringLiteral("init"), m_db});
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.err.contains(QStringLiteral("exists")));
    }

    void sqlPrintsHeaderAndTabSeparatedRows()
    {
        const Run run = admin({QStringLiteral("sql"), m_db,
                               QStringLiteral("select F_code, F_name from Limits where F_code "
                                              "like '10%' and F_flag = true order by F_code")});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("F_code\tF_name"));
        QCOMPARE(lines.value(1), QStringLiteral("101\t公司信息资料"));
        QCOMPARE(lines.size(), 10); // 101 … 109
    }

    void sqlPrintsRowsChanged_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("printed");
        QTest::newRow("insert")
            << QStringLiteral("insert into LogRec(F_EmpName,F_OperType,F_OperDate,F_OperTime) "
                              "values('admin','压缩数据库！',#2024-1-5#,'10:00:00')")
            << QStringLiteral("1");
        QTest::newRow("update with a date literal")
            << QStringLiteral("update LogRec set F_OperTime = '11:00:00' where F_OperDate = "
                              "#2024-01-05#")
            << QStringLiteral("1");
        QTest::newRow("delete nothing")
            << QStringLiteral("delete from LogRec where F_OperDate < #1901-1-1#")
            << QStringLiteral("0");
        QTest::newRow("statement without rows")
            << QStringLiteral("create index ix_x on LogRec (F_EmpName)") << QStringLiteral("0");
    }
    void sqlPrintsRowsChanged()
    {
        QFETCH(QString, statement);
        QFETCH(QString, printed);
        const Run run = admin({QStringLiteral("sql"), m_db, statement});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out.trimmed(), printed);
    }

    void sqlReportsTheEnginesMessage()
    {
        const Run run =
            admin({QStringLiteral("sql"), m_db, QStringLiteral("select * from nowhere")});
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.err.contains(QStringLiteral("no such table: nowhere")));
        QVERIFY(run.out.isEmpty());
    }

    // The plan is the normalized statement's: the date literal reaches the engine as text and
    // the work log's date index serves the range.
    void planPrintsTheEnginesSteps()
    {
        Run run = admin({QStringLiteral("plan"), m_db,
                         QStringLiteral("select * from LogRec where F_OperDate >= #2024-1-5# "
                                        "and F_OperTime <> :time")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QStringLiteral("LogRec USING INDEX ix_LogRec_F_OperDate")),
                 qPrintable(run.out));
        run = admin({QStringLiteral("plan"), m_db, QStringLiteral("select * from nowhere")});
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.err.contains(QStringLiteral("no such table: nowhere")));
    }

    void openFailuresAreReported_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("upgrade") << QStringLiteral("upgrade");
        QTest::newRow("check") << QStringLiteral("check");
        QTest::newRow("compact") << QStringLiteral("compact");
    }
    void openFailuresAreReported()
    {
        QFETCH(QString, command);
        const QString plain = m_dir.filePath(QStringLiteral("plain.txt"));
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        const Run run = admin({command, plain});
        QVERIFY(run.exitCode != 0);
        QVERIFY(!run.err.trimmed().isEmpty());
        QVERIFY(admin({command, m_dir.filePath(QStringLiteral("missing.mdb"))}).exitCode != 0);
    }

    void maintenanceCommandsSucceedOnAGoodFile()
    {
        Run run = admin({QStringLiteral("check"), m_db});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.trimmed(), QStringLiteral("ok"));
        run = admin({QStringLiteral("upgrade"), m_db});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("Limits\t0")));
        QCOMPARE(admin({QStringLiteral("compact"), m_db}).exitCode, 0);
        QCOMPARE(admin({QStringLiteral("sql"), m_db, QStringLiteral("select count(*) from Limits")})
                     .out.split(u'\n')
                     .value(1),
                 QStringLiteral("37"));
    }

    void demoPrintsCountsPerTable()
    {
        const QString path = m_dir.filePath(QStringLiteral("demo.mdb"));
        const Run run = admin({QStringLiteral("demo"), path, QStringLiteral("--vehicles"),
                               QStringLiteral("3"), QStringLiteral("--months"), QStringLiteral("2"),
                               QStringLiteral("--seed"), QStringLiteral("9")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(QStringLiteral("T_cars\t3\n")));
        QVERIFY(run.out.contains(QStringLiteral("T_YHrec\t")));
    }

    void badArgumentsShowTheUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"frobnicate", "x.mdb"};
        QTest::newRow("sql without statement") << QStringList{"sql", "x.mdb"};
        QTest::newRow("plan without statement") << QStringList{"plan", "x.mdb"};
        QTest::newRow("demo with a bad count")
            << QStringList{"demo", "x.mdb", "--vehicles", "many"};
        QTest::newRow("demo with an unknown option")
            << QStringList{"demo", "x.mdb", "--colour", "1"};
    }
    void badArgumentsShowTheUsage()
    {
        QFETCH(QStringList, args);
        const Run run = admin(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QStringLiteral("usage")));
        QVERIFY(!QFile::exists(QStringLiteral("x.mdb")));
    }
};

ORV_TEST(AdminToolTest)
#include "AdminToolTest.moc"
