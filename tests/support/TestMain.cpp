#include "TestMain.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
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
} // namespace

int registerTestClass(const char *name, TestFactory factory)
{
    registry().push_back({name, std::move(factory)});
    return int(registry().size());
}
} // namespace orvtest

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList only = qEnvironmentVariable("ORV_TEST_CLASS").split(',', Qt::SkipEmptyParts);
    int failed = 0;
    int run = 0;
    for (const auto &entry : orvtest::registry()) {
        if (!only.isEmpty() && !only.contains(QString::fromLatin1(entry.name)))
            continue;
        std::unique_ptr<QObject> test(entry.factory());
        failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
        ++run;
    }
    qInfo("%d test classes run, %d failed", run, failed);
    return failed == 0 ? 0 : 1;
}
