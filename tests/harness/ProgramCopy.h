#pragma once
// A copy of the program in a helper process, as the crash and two-copy runs start it: the
// scripted platform (a message box would wait for nobody) and the data module connected to the
// file. A copy that cannot connect reports it as a failed save.
#include "app/DataModule.h"
#include "app/ScriptedPlatform.h"

namespace harness {

class ProgramCopy {
public:
    explicit ProgramCopy(const QString &database);
    bool connected() const { return m_dm.IsConnected; }
    DataModule &dm() { return m_dm; }

private:
    ScriptedPlatform m_platform;
    DataModule m_dm;
};

} // namespace harness
