#pragma once
#include "db/SqlParams.h"

#include <QString>
#include <array>
#include <memory>

class IniFile;

// The program's constant texts.
inline const QString ProductName = QStringLiteral("澄舟车辆信息管理软件 ");
inline const QString VersionText = QStringLiteral("v1.90(企业版) ");
inline const QString PublisherName = QStringLiteral("澄舟软件工作室");
inline const QString ApplicationTitle = QStringLiteral("澄舟车辆信息管理软件(企业版)");

// The session globals: one instance each for the process, set at login, by the main window on
// show and by the settings windows, read by every window. Reset() puts them back to their start
// values (tests, change of operator).
struct Globals {
    static inline QString CurrentOperator;
    static inline QString CompanyName;
    static inline QString QuantityFormat;
    static inline QString PriceFormat;
    static inline QString AmountFormat;
    static inline QString InputMethodName;
    // The operator's owning units as stored: 'A','B' (quotes inside a name doubled).
    static inline QString OperatorOffices;
    // Owning-unit restrictions appended to statements. The unit names are not part of the text:
    // the filters name parameters (:office0, :office1 ...) whose values are in OfficeParams, which
    // every statement that appends a filter binds as well.
    static inline QString CarOfficeFilter;
    static inline QString JoinedCarOfficeFilter;
    static inline QString PlateOfficeFilter;
    static inline SqlParams OfficeParams;
    static inline int AutoBackupMode = 0;
    static inline bool AutoCode = false;
    static inline bool AutoDocCode = false;
    // Settings 1 to 15 of KeyValue; index 0 is unused so that KeyValues[n] is setting n.
    static inline std::array<QString, 16> KeyValues;
    // The shared "config.ini" beside the executable.
    static inline std::shared_ptr<IniFile> ConfigFile;

    static void Reset();
};
