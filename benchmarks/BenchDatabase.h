#pragma once
// A new seeded encrypted database in a temporary folder, connected through the data module so
// that dm() works, for the benchmarks that measure windows' statements.
#include "app/DataModule.h"
#include "app/Passwords.h"
#include "db/DatabaseCreator.h"

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace benchdata {

struct SeededDatabase {
    QTemporaryDir dir;
    DataModule module;
    SeededDatabase()
    {
        const QString path = dir.filePath(QStringLiteral("OrvCARs.mdb"));
        QString error;
        if (!DatabaseCreator(SavePass(QString())).create(path, &error) ||
            !module.connectTo(path, &error)) {
            std::fprintf(stderr, "database: %s\n", qPrintable(error));
            std::exit(1);
        }
    }
    Db &db() { return module.db(); }
};

} // namespace benchdata
