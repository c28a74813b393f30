#include "CommandWindows.h"

#include "archive/VehicleArchiveWindow.h"
#include "codes/CodeDictionaryWindow.h"
#include "db/PartnerKinds.h"
#include "db/RecordKinds.h"
#include "partners/EmployeeListWindow.h"
#include "partners/PartnerListWindow.h"
#include "records/RecordListWindow.h"
#include "session/WorkLogWindow.h"

#include <map>

namespace {

using Registry = std::map<int, CommandWindow>;

// The windows built so far, by command number. A window of a later part of the program adds
// its line here.
Registry builtWindows()
{
    Registry r;
    r[104].create = [](QWidget *parent) -> QWidget * { return new WorkLogWindow(parent); };
    r[202].create = [](QWidget *parent) -> QWidget * { return new VehicleArchiveWindow(parent); };
    r[201].create = [](QWidget *parent) -> QWidget * { return new EmployeeListWindow(parent); };
    for (const PartnerKind &kind : PartnerKinds::all()) {
        const PartnerKind *k = &kind;
        r[kind.command].create = [k](QWidget *parent) -> QWidget * {
            return new PartnerListWindow(*k, parent);
        };
    }
    r[206].run = [](QWidget *mainWindow) { CodeDictionaryWindow::run(mainWindow); };
    for (const RecordKind &kind : RecordKinds::all()) {
        const RecordKind *k = &kind;
        r[kind.command()].create = [k](QWidget *parent) -> QWidget * {
            return new RecordListWindow(*k, parent);
        };
    }
    return r;
}

Registry &registry()
{
    static Registry windows = builtWindows();
    return windows;
}

} // namespace

void CommandWindows::registerWindow(int number,
                                    std::function<QWidget *(QWidget *mainWindow)> create)
{
    registry()[number] = CommandWindow{std::move(create), {}};
}

void CommandWindows::registerRunner(int number, std::function<void(QWidget *mainWindow)> run)
{
    registry()[number] = CommandWindow{{}, std::move(run)};
}

void CommandWindows::unregister(int number)
{
    registry().erase(number);
}

const CommandWindow *CommandWindows::find(int number)
{
    const auto found = registry().find(number);
    return found == registry().end() ? nullptr : &found->second;
}
