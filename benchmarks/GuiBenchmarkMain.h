#pragma once
#include <QApplication>
#include <benchmark/benchmark.h>

// The main() of a benchmark that needs widgets: offscreen unless a platform is chosen, so that it
// runs on a machine without a display.
inline int runGuiBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
