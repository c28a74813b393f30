#pragma once
#include <QApplication>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <vector>

namespace benchdata {

// What runGuiBenchmarks destroys before the application object.
inline std::vector<std::function<void()>> &guiFixtureTeardowns()
{
    static std::vector<std::function<void()>> teardowns;
    return teardowns;
}

// The one fixture of type T, made on first use and shared by the benchmarks after it. A plain
// function-local static would outlive QApplication, and widgets destroyed after it crash the
// program at exit; this one dies at the end of runGuiBenchmarks instead.
template <typename T> T &guiFixture()
{
    static std::unique_ptr<T> fixture;
    if (!fixture) {
        fixture = std::make_unique<T>();
        guiFixtureTeardowns().push_back([] { fixture.reset(); });
    }
    return *fixture;
}

} // namespace benchdata

// The main() of a benchmark that needs widgets: offscreen unless a platform is chosen, so that it
// runs on a machine without a display. `display` replaces the console output when given.
inline int runGuiBenchmarks(int argc, char **argv, benchmark::BenchmarkReporter *display = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(display);
    benchmark::Shutdown();
    auto &teardowns = benchdata::guiFixtureTeardowns();
    for (auto it = teardowns.rbegin(); it != teardowns.rend(); ++it)
        (*it)();
    teardowns.clear();
    return 0;
}
