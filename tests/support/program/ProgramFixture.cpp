#include "ProgramFixture.h"

#include "GuiSession.h"

#include "app/DataModule.h"
#include "mainwin/CommandTable.h"
#include "mainwin/MainWindow.h"
#include "mainwin/ShowOrActivateChild.h"
#include "support/OperatorFixture.h"
#include "support/TestData.h"

namespace orvtest {

LoggedInProgram::LoggedInProgram(Operator who, bool demoFleet)
{
    if (demoFleet)
        m_env.createDemoDatabase();
    m_env.connect();
    QString name = QStringLiteral("admin");
    if (who == Operator::Restricted) {
        QStringList permissions;
        const QueryResult all = dm().db().query(QStringLiteral("select F_name from Limits"));
        for (int row = 0; all.ok && row < all.rows.rowCount(); ++row)
            permissions << all.rows.text(row, 0);
        name = RestrictedName;
        if (!addOperator(name, QString(), restrictedUnitsStored(), permissions))
            return;
    }
    m_main = std::make_unique<MainWindow>();
    m_main->show();
    m_loggedIn = loginThroughWindow(*m_main, name, QString());
}

LoggedInProgram::~LoggedInProgram() = default;

QWidget *LoggedInProgram::openCommand(int number)
{
    m_main->runCommand(number);
    const Command *command = CommandTable::find(number);
    if (!command || command->opening != Command::Opening::Child)
        return nullptr;
    return findChildWindow(m_main->mdiArea(), command->windowClass);
}

} // namespace orvtest
