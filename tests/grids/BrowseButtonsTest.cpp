// The browse buttons over a real data set of three rows: where each click sequence leaves the
// current row and which of 首项 / 前项 / 后项 / 末项 are enabled.
#include "grids/BrowseButtons.h"
#include "GridFixture.h"
#include "support/TestEnvironment.h"
#include "support/TestMain.h"

#include <QAction>
#include <QTest>
#include <QToolButton>

using namespace gridtest;

class BrowseButtonsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<DataSet> ds;

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        env->connect();
        ds = std::make_unique<DataSet>();
    }
    void cleanup()
    {
        ds.reset();
        env.reset();
    }

    void clicksMoveAndSwitchButtons_data()
    {
        // Clicks: F 首项, P 前项, N 后项, L 末项 (a click on a disabled button does nothing, as
        // for the operator). Enabled: four flags in that order.
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("first") << 3 << "LF" << 0 << "--++";
        QTest::newRow("last") << 3 << "L" << 2 << "++--";
        QTest::newRow("prior at the opened first row") << 3 << "P" << 0 << "--++";
        QTest::newRow("prior after first") << 3 << "FP" << 0 << "--++";
        QTest::newRow("next at the last row") << 3 << "LN" << 2 << "++--";
        QTest::newRow("prior from the last row") << 3 << "LP" << 1 << "++++";
        QTest::newRow("stepping onto the first row") << 3 << "LPP" << 0 << "++++";
        QTest::newRow("stepping past the first row") << 3 << "LPPP" << 0 << "++++";
        QTest::newRow("one more click at BOF") << 3 << "LPPPP" << 0 << "--++";
        QTest::newRow("stepping onto the last row") << 3 << "NN" << 2 << "++++";
        QTest::newRow("stepping past the last row") << 3 << "NNN" << 2 << "++++";
        QTest::newRow("one more click at EOF") << 3 << "NNNN" << 2 << "++--";
        QTest::newRow("next after first") << 3 << "FN" << 1 << "++++";
        QTest::newRow("single row, next") << 1 << "N" << 0 << "++++";
        QTest::newRow("single row, next twice") << 1 << "NN" << 0 << "++--";
        QTest::newRow("empty, first") << 0 << "F" << -1 << "--++";
        QTest::newRow("empty, prior") << 0 << "P" << -1 << "--++";
        QTest::newRow("empty, next") << 0 << "N" << -1 << "++--";
    }
    void clicksMoveAndSwitchButtons()
    {
        QFETCH(int, rows);
        QFETCH(QString, clicks);
        QFETCH(int, current);
        QFETCH(QString, enabled);
        std::vector<Repair> repairs;
        for (int i = 0; i < rows; ++i)
            repairs.push_back({QStringLiteral("浙A%1").arg(i), "2009-03-01", 1.0, ""});
        QVERIFY(insertRepairs(*env->dataModule(), repairs));
        QVERIFY(openRepairs(*env->dataModule(), *ds));

        QWidget window;
        QToolButton first(&window), prior(&window), next(&window), last(&window);
        BrowseButtons browse(ds.get(), &first, &prior, &next, &last);
        for (const QChar c : clicks) {
            QToolButton *button = c == u'F'   ? &first
                                  : c == u'P' ? &prior
                                  : c == u'N' ? &next
                                              : &last;
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(ds->currentRow(), current);
        QString state;
        for (QToolButton *b : {&first, &prior, &next, &last})
            state += b->isEnabled() ? u'+' : u'-';
        QCOMPARE(state, enabled);
    }

    void actionsWorkAsButtonsDo()
    {
        QVERIFY(insertRepairs(*env->dataModule(),
                              {{"浙A1", "2009-03-01", 1.0, ""}, {"浙A2", "2009-03-01", 1.0, ""}}));
        QVERIFY(openRepairs(*env->dataModule(), *ds));
        QAction first, prior, next, last;
        BrowseButtons browse(ds.get(), &first, &prior, &next, &last);
        last.trigger();
        QCOMPARE(ds->currentRow(), 1);
        QVERIFY(first.isEnabled() && prior.isEnabled() && !next.isEnabled() && !last.isEnabled());
        first.trigger();
        QCOMPARE(ds->currentRow(), 0);
        QVERIFY(!first.isEnabled() && !prior.isEnabled() && next.isEnabled() && last.isEnabled());
    }
};

ORV_TEST(BrowseButtonsTest)
#include "BrowseButtonsTest.moc"
