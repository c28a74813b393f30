#include "Globals.h"

#include "IniFile.h"

void Globals::Reset()
{
    CurrentOperator.clear();
    CompanyName.clear();
    QuantityFormat.clear();
    PriceFormat.clear();
    AmountFormat.clear();
    InputMethodName.clear();
    OperatorOffices.clear();
    CarOfficeFilter.clear();
    JoinedCarOfficeFilter.clear();
    PlateOfficeFilter.clear();
    OfficeParams.clear();
    AutoBackupMode = 0;
    AutoCode = false;
    AutoDocCode = false;
    KeyValues.fill(QString());
}
