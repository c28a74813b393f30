#include "LoginAttempts.h"

#include "app/DataModule.h"
#include "app/Messages.h"
#include "app/Passwords.h"

LoginAttempts::Outcome LoginAttempts::check(const QString &typedName, const QString &password)
{
    const QString name = typedName.trimmed();
    if (name.isEmpty())
        return Outcome::NoName;

    // One statement for the key and the stored password, so that a failure between two reads
    // can never pass for an empty stored password.
    const QueryResult found = dm().db().query(
        QStringLiteral("select F_ID, F_PassWord from OperList where F_Name = :name"),
        {{QStringLiteral("name"), name}});
    if (!found.ok) {
        ShowMess(DataModule::OperationFailed, 3);
        return Outcome::UnknownOperator;
    }
    if (found.rows.rowCount() == 0 || found.rows.integer(0, 0) <= 0)
        return Outcome::UnknownOperator;

    const std::optional<QString> stored = tryGetPass(found.rows.text(0, 1));
    if (stored && *stored == password)
        return Outcome::Accepted;

    if (++m_count < MaxAttempts)
        return Outcome::WrongPassword;
    dm().WriteLog(m_mode == LoginMode::FirstLogin ? FirstLoginFailed : ChangeFailed);
    return Outcome::Refused;
}
