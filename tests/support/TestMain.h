#pragma once
// Every test executable links one main that runs all test classes registered with ORV_TEST.
// ORV_TEST_CLASS=Name (comma-separated) runs only the named classes.
#include <QObject>
#include <functional>

namespace orvtest {
using TestFactory = std::function<QObject *()>;
int registerTestClass(const char *name, TestFactory factory);
} // namespace orvtest

#define ORV_TEST(Class)                                                                            \
    static const int orvRegistered_##Class =                                                       \
        orvtest::registerTestClass(#Class, [] { return new Class; });
