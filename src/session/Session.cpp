#include "Session.h"

#include "OfficeFilters.h"
#include "SessionView.h"

#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/IniFile.h"
#include "app/NumberFormat.h"
#include "app/Platform.h"

namespace {

const QString LoggedIn = QStringLiteral("操作员登录成功！");

void loadKeyValues()
{
    Globals::KeyValues.fill(QString());
    DataSet rows;
    if (!dm().OpenQuery(QStringLiteral("select * from KeyValue order by F_ID"), rows))
        return;
    const int value = rows.fieldIndex(u"F_Value");
    for (int row = 0; row < rows.rowCount() && row + 1 < int(Globals::KeyValues.size()); ++row)
        Globals::KeyValues[std::size_t(row + 1)] = value < 0 ? QString() : rows.text(row, value);
}

int decimalsSetting(int n)
{
    return Globals::KeyValues[std::size_t(n)].trimmed().toInt();
}

} // namespace

bool Session::isAdministrator(const QString &operatorName)
{
    return operatorName.trimmed().toLower() == QLatin1String("admin");
}

QSet<QString> Session::grantedCodes(const QStringList &codes)
{
    QSet<QString> granted;
    const bool all = isAdministrator(Globals::CurrentOperator);
    for (const QString &code : codes) {
        if (all || dm().HasPermission(code))
            granted.insert(code);
    }
    return granted;
}

void Session::SetLimits(SessionView &view)
{
    view.applyPermissions(grantedCodes(view.permissionCodes()));
}

void Session::StartSession(const QString &typedName, SessionView *view)
{
    Globals::CurrentOperator = typedName.trimmed();
    if (Globals::ConfigFile)
        Globals::ConfigFile->writeString(QStringLiteral("Config"), QStringLiteral("CurOperName"),
                                         Globals::CurrentOperator);

    Globals::OperatorOffices =
        dm().QueryString(QStringLiteral("select F_carS from OperList where F_name = :name"),
                         {{QStringLiteral("name"), Globals::CurrentOperator}});
    const OfficeFilters filters = OfficeFilters::fromStoredList(Globals::OperatorOffices);
    Globals::CarOfficeFilter = filters.car;
    Globals::JoinedCarOfficeFilter = filters.joined;
    Globals::PlateOfficeFilter = filters.plate;
    Globals::OfficeParams = filters.params;

    dm().WriteLog(LoggedIn);

    Globals::CompanyName = dm().QueryString(QStringLiteral("select f_code from SysInfo"));
    loadKeyValues();
    Globals::QuantityFormat = MakeDisplayFormat(decimalsSetting(12), 1);
    Globals::PriceFormat = MakeDisplayFormat(decimalsSetting(13), 2);
    Globals::AmountFormat = MakeDisplayFormat(decimalsSetting(14), 3);

    if (view) {
        SetLimits(*view);
        view->showSession(Globals::CurrentOperator, platform().now());
    }
}
