#include "TestMain.h"

#include <QApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace orvtest {
namespace {
struct Entry {
    const char *name;
    TestFactory factory;
};
std::vector<Entry> &registry()
{
    static std::vector<Entry> entries;
    return entries;
}
std::map<QString, HelperMain> &helpers()
{
    static std::map<QString, HelperMain> entries;
    return entries;
}
const char *const HelperOption = "--helper";
} // namespace

int registerTestClass(const char *name, TestFactory factory)
{
    registry().push_back({name, std::move(factory)});
    return int(registry().size());
}

int registerHelper(const char *name, HelperMain main)
{
    helpers()[QString::fromLatin1(name)] = std::move(main);
    return int(helpers().size());
}

QString helperProgram()
{
    return QCoreApplication::applicationFilePath();
}

QStringList helperArguments(const QString &name, const QStringList &arguments)
{
    return QStringList{QString::fromLatin1(HelperOption), name} + arguments;
}
} // namespace orvtest

// With more than one class to run, each class runs in a child process of its own: Qt Test keeps
// state between qExec calls (a skipped initTestCase silences the classes after it), and the
// program's globals are process-wide.
int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], orvtest::HelperOption) == 0) {
        // Helpers save through the program's editors too, which are widgets.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        const auto helper = orvtest::helpers().find(QString::fromLocal8Bit(argv[2]));
        if (helper == orvtest::helpers().end()) {
            std::fprintf(stderr, "no helper %s\n", argv[2]);
            return 2;
        }
        return helper->second(app.arguments().mid(3));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList only = qEnvironmentVariable("ORV_TEST_CLASS").split(',', Qt::SkipEmptyParts);
    QStringList selected;
    for (const auto &entry : orvtest::registry())
        if (only.isEmpty() || only.contains(QString::fromLatin1(entry.name)))
            selected << QString::fromLatin1(entry.name);

    int failed = 0;
    if (selected.size() == 1) {
        for (const auto &entry : orvtest::registry()) {
            if (QString::fromLatin1(entry.name) != selected.first())
                continue;
            std::unique_ptr<QObject> test(entry.factory());
            failed = QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
        }
        return failed;
    }
    QStringList failures;
    for (const QString &name : selected) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORV_TEST_CLASS"), name);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), app.arguments().mid(1));
        child.waitForFinished(-1);
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            ++failed;
            failures << name;
        }
    }
    qInfo("%lld test classes run, %d failed%s%s", qlonglong(selected.size()), failed,
          failures.isEmpty() ? "" : ": ", qPrintable(failures.join(QStringLiteral(", "))));
    return failed == 0 ? 0 : 1;
}
