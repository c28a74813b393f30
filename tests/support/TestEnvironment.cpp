#include "TestEnvironment.h"

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/Globals.h"
#include "app/IniFile.h"
#include "app/Passwords.h"
#include "db/DatabaseCreator.h"
#include "db/DemoData.h"

#include <QDir>
#include <QFile>
#include <QMap>

namespace {

// Databases made once per test run and copied for every test: creating one takes far longer.
QString cachedDatabase(const QString &name, const std::function<bool(const QString &)> &make)
{
    static QTemporaryDir cache;
    static QMap<QString, QString> made;
    if (made.contains(name))
        return made.value(name);
    const QString path = cache.filePath(name + QStringLiteral(".mdb"));
    if (!make(path))
        return {};
    made.insert(name, path);
    return path;
}

bool copyInto(const QString &source, const QString &target)
{
    if (source.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    return QFile::copy(source, target) &&
           QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

TestEnvironment::TestEnvironment() : m_platform(std::make_unique<ScriptedPlatform>())
{
    AppPaths::setProgramFolder(m_dir.path());
    Globals::Reset();
    Globals::ConfigFile = std::make_shared<IniFile>(AppPaths::configFile());
}

TestEnvironment::~TestEnvironment()
{
    m_dm.reset();
    Globals::Reset();
    Globals::ConfigFile.reset();
    AppPaths::setProgramFolder(QString());
}

QString TestEnvironment::folder() const
{
    return m_dir.path();
}

QString TestEnvironment::path(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

QString TestEnvironment::databasePath() const
{
    return path(QStringLiteral("data/OrvCARs.mdb"));
}

bool TestEnvironment::createDatabase()
{
    const QString seeded = cachedDatabase(QStringLiteral("seeded"), [](const QString &target) {
        return DatabaseCreator(SavePass(QString())).create(target);
    });
    return copyInto(seeded, databasePath());
}

bool TestEnvironment::createDemoDatabase(int vehicles, int months)
{
    const QString name = QStringLiteral("demo-%1-%2").arg(vehicles).arg(months);
    const QString demo = cachedDatabase(name, [vehicles, months](const QString &target) {
        DemoOptions options;
        options.vehicles = vehicles;
        options.months = months;
        options.seed = 7;
        return DemoData::create(DatabaseCreator(SavePass(QString())), target, options);
    });
    return copyInto(demo, databasePath());
}

DataModule &TestEnvironment::connect()
{
    if (!QFile::exists(databasePath()))
        createDatabase();
    if (!m_dm)
        m_dm = std::make_unique<DataModule>();
    if (!m_dm->IsConnected)
        m_dm->connectTo(databasePath());
    return *m_dm;
}

void TestEnvironment::setOperator(const QString &name)
{
    Globals::CurrentOperator = name;
}
