#pragma once
#include "app/ScriptedPlatform.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class DataModule;

// A program folder of its own for one test: a temporary folder standing in for the executable's
// folder (config.ini, data/OrvCARs.mdb, Qr/ ...), a scripted platform installed, the session
// globals reset. Destroying it undoes all of that.
//
//   TestEnvironment env;
//   DataModule &dm = env.connect();          // a fresh seeded encrypted database
//   env.platform().answers.enqueue(Platform::Answer::Yes);
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    QString folder() const;
    QString path(const QString &relative) const; // a path inside the program folder
    QString databasePath() const;                // data/OrvCARs.mdb inside it
    ScriptedPlatform &platform() { return *m_platform; }

    // A fresh seeded database at databasePath() (copied from one made once per test run).
    bool createDatabase();
    // A small demo database instead (made once per run for each size, then copied).
    bool createDemoDatabase(int vehicles = 6, int months = 3);
    // Creates the database when there is none, then a data module connected to it, with
    // Globals::ConfigFile on the folder's config.ini. The module lives as long as this object.
    DataModule &connect();
    DataModule *dataModule() { return m_dm.get(); }
    // Sets the session globals as a login of that operator would (no window).
    void setOperator(const QString &name);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<DataModule> m_dm;
};
