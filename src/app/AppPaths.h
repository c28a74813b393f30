#pragma once
#include <QString>

// Where the program finds its files: everything lives beside the executable. Tests point the
// program folder at a temporary folder.
namespace AppPaths {
QString programFolder();
void setProgramFolder(const QString &folder); // empty restores the executable's folder
QString configFile();                          // config.ini
QString defaultDatabase();                     // data/OrvCARs.mdb
QString reportFolder();                        // Qr/
QString reportTemplate(const QString &name);   // Qr/<name>.html
QString helpIndex();                           // help/index.html
QString file(const QString &name);             // any other file beside the executable
} // namespace AppPaths
