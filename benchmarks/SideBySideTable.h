#pragma once
// The console output of the side-by-side benchmarks, followed by one table: per case the
// program's time, the engine's time for the same statements and their ratio.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace benchdata {

class SideBySideTable : public benchmark::ConsoleReporter {
public:
    SideBySideTable() : ConsoleReporter(OO_Tabular) {}

    static constexpr const char *ProgramPrefix = "program/";
    static constexpr const char *EnginePrefix = "engine/";

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration)
                continue;
            const std::string name = run.run_name.function_name;
            const double ms = run.GetAdjustedRealTime() *
                              benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                              benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (take(name, ProgramPrefix, ms, run.counters, &Row::program))
                continue;
            take(name, EnginePrefix, ms, run.counters, &Row::engine);
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-22s %12s %12s %8s %10s %10s\n", "case", "program ms", "engine ms", "ratio",
                    "rows", "statements");
        for (const std::string &name : m_order) {
            const Row &row = m_rows[name];
            char ratio[32] = "-";
            if (row.program >= 0 && row.engine > 0)
                std::snprintf(ratio, sizeof ratio, "%.2f", row.program / row.engine);
            std::printf("%-22s %12.2f %12.2f %8s %10.0f %10.0f\n", name.c_str(), row.program,
                        row.engine, ratio, row.rows, row.statements);
        }
        std::fflush(stdout);
    }

private:
    struct Row {
        double program = -1;
        double engine = -1;
        double rows = -1;       // what the program produced
        double statements = -1; // what it asked of the engine
    };

    static double counter(const benchmark::UserCounters &counters, const char *name)
    {
        const auto it = counters.find(name);
        return it == counters.end() ? -1 : double(it->second);
    }

    bool take(const std::string &name, const char *prefix, double ms,
              const benchmark::UserCounters &counters, double Row::*field)
    {
        const std::string p(prefix);
        if (name.compare(0, p.size(), p) != 0)
            return false;
        const std::string key = name.substr(p.size());
        if (!m_rows.count(key))
            m_order.push_back(key);
        Row &row = m_rows[key];
        row.*field = ms;
        if (field == &Row::program) {
            row.rows = counter(counters, "rows");
            row.statements = counter(counters, "statements");
        }
        return true;
    }

    std::map<std::string, Row> m_rows;
    std::vector<std::string> m_order;
};

} // namespace benchdata
