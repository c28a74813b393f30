#include "support/program/GuiSession.h"

#include "app/DataModule.h"
#include "app/Globals.h"
#include "db/DataSet.h"
#include "grids/DataGrid.h"
#include "mainwin/MainWindow.h"
#include "output/GridPrinter.h"
#include "output/PrintPreviewDialog.h"
#include "session/WorkLogWindow.h"
#include "support/ModalHelper.h"
#include "support/OperatorFixture.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"
#include "widgets/DatePicker.h"

#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QTest>

namespace {

void addEntries()
{
    const char *rows[][4] = {{"admin", "操作员登录成功！", "2024-01-05", "08:00:00"},
                             {"admin", "增加车辆维修记录！", "2024-02-01", "09:00:00"},
                             {"li", "增加车辆信息档案资料！", "2024-02-10", "10:00:00"},
                             {"li", "修改车辆维修记录！", "2024-03-01", "11:00:00"},
                             {"sadmin", "压缩数据库！", "1999-12-31", "23:59:59"}};
    for (const auto &r : rows) {
        dm().db().exec(QStringLiteral("insert into LogRec(F_EmpName,F_OperType,F_OperDate,"
                                      "F_OperTime) values(:a,:b,:c,:d)"),
                       {{"a", QString::fromUtf8(r[0])},
                        {"b", QString::fromUtf8(r[1])},
                        {"c", QString::fromUtf8(r[2])},
                        {"d", QString::fromUtf8(r[3])}});
    }
}

QStringList actions(const DataSet &rows)
{
    QStringList texts;
    for (int row = 0; row < rows.rowCount(); ++row)
        texts << rows.text(row, u"F_OperType");
    return texts;
}

QStringList tableActions()
{
    QStringList texts;
    for (const auto &entry : orvtest::logEntries())
        texts << entry.second;
    return texts;
}

QAction *tool(QWidget *window, const char *name)
{
    return window->findChild<QAction *>(QString::fromLatin1(name));
}

struct LogWindow {
    TestEnvironment env;
    std::unique_ptr<WorkLogWindow> window;

    LogWindow()
    {
        env.connect();
        env.platform().clock = QDateTime(QDate(2024, 3, 15), QTime(10, 0));
        addEntries();
        window = std::make_unique<WorkLogWindow>();
        window->show();
    }
    void query(const QString &who, const QString &what, QDate from = {}, QDate to = {})
    {
        window->findChild<QComboBox *>("cbbEmpName")->setCurrentText(who);
        window->findChild<QComboBox *>("cbbOperType")->setCurrentText(what);
        auto *fromBox = window->findChild<DatePicker *>("dtpFrom");
        auto *toBox = window->findChild<DatePicker *>("dtpTo");
        fromBox->setChecked(from.isValid());
        if (from.isValid())
            fromBox->setDate(from);
        toBox->setChecked(to.isValid());
        if (to.isValid())
            toBox->setDate(to);
        tool(window.get(), "tbQuery")->trigger();
    }
    QString panel(int n) const
    {
        return window->findChild<QLabel *>(QStringLiteral("StatusPanel%1").arg(n))->text();
    }
};

} // namespace

class WorkLogWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensEmptyWithItsLayout();
    void filtersFindTheEntries_data();
    void filtersFindTheEntries();
    void clearRemovesOnlyTheQueriedEntries();
    void printsOnlyAResult();
    void pickListsOfferWhatTheLogHolds();
    void closingWritesTheLogEntry();
};

void WorkLogWindowTest::opensEmptyWithItsLayout()
{
    LogWindow w;
    WorkLogWindow &window = *w.window;
    QCOMPARE(window.windowTitle(), QStringLiteral("工作日志管理"));
    QVERIFY(!tool(&window, "tbClear")->isEnabled());
    QVERIFY(!tool(&window, "tbExport")->isEnabled());
    QVERIFY(window.log()->isEmpty());
    QStringList titles;
    for (const GridColumn &column : window.grid()->columns())
        titles << column.title;
    QCOMPARE(titles, (QStringList{"操作员", "操作类型", "操作日期", "操作时间"}));
    auto *from = window.findChild<DatePicker *>("dtpFrom");
    auto *to = window.findChild<DatePicker *>("dtpTo");
    QCOMPARE(from->date(), QDate(2024, 3, 1));
    QCOMPARE(to->date(), QDate(2024, 3, 15));
    QVERIFY(!from->isChecked());
    QVERIFY(!to->isChecked());
    QCOMPARE(w.panel(4), PublisherName + QStringLiteral("  "));

    w.query({}, {});
    QVERIFY(tool(&window, "tbClear")->isEnabled());
    QVERIFY(tool(&window, "tbExport")->isEnabled());
    // Both dates clear: every entry, in date and time order.
    QCOMPARE(actions(*window.log()),
             (QStringList{"压缩数据库！", "操作员登录成功！", "增加车辆维修记录！",
                          "增加车辆信息档案资料！", "修改车辆维修记录！"}));
    QCOMPARE(w.panel(3), QStringLiteral("记录数/5"));
    QCOMPARE(window.grid()->cellText(0, 3), QStringLiteral("23:59:59"));

    // End and Home move through the rows like the browse buttons.
    window.grid()->view()->setFocus();
    QTest::keyClick(window.grid()->view(), Qt::Key_End);
    QCOMPARE(window.log()->currentRow(), 4);
    QVERIFY(!tool(&window, "tbLast")->isEnabled());
    QTest::keyClick(window.grid()->view(), Qt::Key_Home);
    QCOMPARE(window.log()->currentRow(), 0);
    QVERIFY(!tool(&window, "tbFirst")->isEnabled());
}

void WorkLogWindowTest::filtersFindTheEntries_data()
{
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("adm finds admin anywhere in the name")
        << "adm"
        << "" << QDate() << QDate()
        << QStringList{"压缩数据库！", "操作员登录成功！", "增加车辆维修记录！"};
    QTest::newRow("增加 from the start")
        << ""
        << " 增加 " << QDate() << QDate()
        << QStringList{"增加车辆维修记录！", "增加车辆信息档案资料！"};
    QTest::newRow("车辆 is not a start") << ""
                                         << "车辆" << QDate() << QDate() << QStringList{};
    QTest::newRow("both filters") << "LI"
                                  << "修改" << QDate() << QDate()
                                  << QStringList{"修改车辆维修记录！"};
    QTest::newRow("from date only") << ""
                                    << "" << QDate(2024, 2, 10) << QDate()
                                    << QStringList{"增加车辆信息档案资料！", "修改车辆维修记录！"};
    QTest::newRow("both dates, inclusive")
        << ""
        << "" << QDate(2024, 2, 1) << QDate(2024, 2, 10)
        << QStringList{"增加车辆维修记录！", "增加车辆信息档案资料！"};
    QTest::newRow("a quote is only text") << "a' or '1'='1"
                                          << "" << QDate() << QDate() << QStringList{};
}

void WorkLogWindowTest::filtersFindTheEntries()
{
    QFETCH(QString, who);
    QFETCH(QString, what);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, found);
    LogWindow w;
    w.query(who, what, from, to);
    QCOMPARE(actions(*w.window->log()), found);
    QCOMPARE(w.panel(3), QStringLiteral("记录数/%1").arg(found.size()));
    QVERIFY(w.env.platform().shown.isEmpty());
}

void WorkLogWindowTest::clearRemovesOnlyTheQueriedEntries()
{
    LogWindow w;
    w.query({}, QStringLiteral("增加"));
    QCOMPARE(w.window->log()->rowCount(), 2);

    w.env.platform().answers.enqueue(Platform::Answer::No);
    tool(w.window.get(), "tbClear")->trigger();
    QCOMPARE(tableActions().size(), 5);

    // An entry written after the query matches the filter but was not found by it.
    dm().db().exec(QStringLiteral("insert into LogRec(F_EmpName,F_OperType,F_OperDate,F_OperTime)"
                                  " values('li','增加车辆出车记录！','2024-03-15','10:00:00')"));
    w.env.platform().answers.enqueue(Platform::Answer::Yes);
    tool(w.window.get(), "tbClear")->trigger();
    QCOMPARE(w.env.platform().texts(),
             (QStringList{WorkLogWindow::ClearQuestion, WorkLogWindow::ClearQuestion}));
    QCOMPARE(tableActions(), (QStringList{"操作员登录成功！", "修改车辆维修记录！", "压缩数据库！",
                                          "增加车辆出车记录！"}));
    QCOMPARE(actions(*w.window->log()), QStringList{"增加车辆出车记录！"});
    QCOMPARE(w.panel(3), QStringLiteral("记录数/1"));
}

void WorkLogWindowTest::printsOnlyAResult()
{
    LogWindow w;
    QStringList printed;
    QString footer;
    const auto previous =
        PrintPreviewDialog::setInterceptor([&](PrintPages &pages, const QString &name) {
            printed << name;
            if (auto *grid = dynamic_cast<GridPrinter *>(&pages))
                footer = grid->texts().footerRight;
        });
    tool(w.window.get(), "tbPrint")->trigger();
    QCOMPARE(printed, QStringList());
    w.query(QStringLiteral("nobody"), {});
    tool(w.window.get(), "tbPrint")->trigger();
    QCOMPARE(printed, QStringList());
    w.query({}, {});
    tool(w.window.get(), "tbPrint")->trigger();
    PrintPreviewDialog::setInterceptor(previous);
    QCOMPARE(printed, QStringList{"工作日志列表"});
    QCOMPARE(footer, QStringLiteral("打印日期：2024年03月15日"));
}

void WorkLogWindowTest::pickListsOfferWhatTheLogHolds()
{
    LogWindow w;
    auto *who = w.window->findChild<QComboBox *>("cbbEmpName");
    QApplication::setActiveWindow(w.window.get());
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    who->setFocus();
    QTRY_COMPARE(who->count(), 4); // the empty item, admin, li, sadmin
    QCOMPARE(who->itemText(0), QString());
    dm().db().exec(QStringLiteral("insert into LogRec(F_EmpName,F_OperType) values('wang','x')"));
    w.window->findChild<QComboBox *>("cbbOperType")->setFocus();
    who->setFocus(); // entering again fills again
    QTRY_COMPARE(who->count(), 5);
}

void WorkLogWindowTest::closingWritesTheLogEntry()
{
    TestEnvironment env;
    env.connect();
    MainWindow main;
    main.show();
    QVERIFY(loginThroughWindow(main, QStringLiteral("admin"), QString()));

    QStringList seen;
    const auto openAndLook = [&] {
        orvtest::whenModalNamed(QStringLiteral("TfrmRZlistGL"), [&](QWidget *window) {
            auto *log = static_cast<WorkLogWindow *>(window);
            tool(log, "tbQuery")->trigger();
            seen = actions(*log->log());
            tool(log, "tbExit")->trigger();
        });
        main.commandAction(104)->trigger();
    };
    openAndLook();
    QCOMPARE(seen, QStringList{"操作员登录成功！"});
    QCOMPARE(orvtest::logEntries().constLast(),
             qMakePair(QStringLiteral("admin"), QStringLiteral("操作员日志管理！")));
    openAndLook();
    QCOMPARE(seen, (QStringList{"操作员登录成功！", "操作员日志管理！"}));
}

ORV_TEST(WorkLogWindowTest)
#include "WorkLogWindowTest.moc"
