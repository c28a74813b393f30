#include "codes/CodeDictionaryWindow.h"
#include "session/WorkLogWindow.h"
#include "support/ModalHelper.h"
#include "support/TestMain.h"
#include "support/program/ProgramFixture.h"

#include <QAction>
#include <QTest>

// The work log and the code dictionary filter by no owning unit: a restricted operator sees what
// the administrator sees.
class RestrictedOperatorTest : public QObject {
    Q_OBJECT
private slots:
    void workLogAndCodesAreNotNarrowedByUnits()
    {
        orvtest::LoggedInProgram program(orvtest::Operator::Restricted);
        QVERIFY(program.loggedIn());
        int logRows = -1;
        orvtest::whenModalNamed(QStringLiteral("TfrmRZlistGL"), [&](QWidget *w) {
            auto *log = static_cast<WorkLogWindow *>(w);
            log->action(QStringLiteral("tbQuery"))->trigger();
            logRows = log->log()->rowCount();
            log->close();
        });
        program.openCommand(104);
        QCOMPARE(logRows, 1); // the operator's own login
        int codes = -1;
        orvtest::whenModalNamed(QStringLiteral("TFrmCodeMan"), [&](QWidget *w) {
            auto *dictionary = static_cast<CodeDictionaryWindow *>(w);
            codes = dictionary->codes().rowCount();
            dictionary->close();
        });
        program.openCommand(206);
        QVERIFY(codes > 0);
    }
};

ORV_TEST(RestrictedOperatorTest)
#include "RestrictedOperatorTest.moc"
