#include "ProgramCopy.h"

#include "SaveRun.h"

namespace harness {

ProgramCopy::ProgramCopy(const QString &database)
{
    QString error;
    if (!m_dm.connectTo(database, &error))
        report(QStringLiteral("failed -1 connect 0 ") + error);
}

} // namespace harness
