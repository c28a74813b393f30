#pragma once
// Every test executable links one main that runs all test classes registered with ORV_TEST.
// ORV_TEST_CLASS=Name (comma-separated) runs only the named classes.
#include <QObject>
#include <QStringList>
#include <functional>

namespace orvtest {
using TestFactory = std::function<QObject *()>;
int registerTestClass(const char *name, TestFactory factory);

// A helper program inside the test program, for tests that need processes of their own (a copy
// of the program to kill, two copies on one file). `test_x --helper NAME ARGS...` runs it under
// a QCoreApplication instead of the tests; its result is the exit status.
using HelperMain = std::function<int(const QStringList &arguments)>;
int registerHelper(const char *name, HelperMain main);
// The program and arguments that start the helper.
QString helperProgram();
QStringList helperArguments(const QString &name, const QStringList &arguments);
} // namespace orvtest

#define ORV_TEST(Class)                                                                            \
    static const int orvRegistered_##Class =                                                       \
        orvtest::registerTestClass(#Class, [] { return new Class; });

#define ORV_TEST_HELPER(Name, Function)                                                            \
    static const int orvHelper_##Function = orvtest::registerHelper(Name, Function);
