// A console reporter that, after the usual table, prints each benchmark's time beside the
// baseline measured in the same run and their ratio against the target.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Pair {
        std::string subject;  // benchmark name of what we measure
        std::string baseline; // benchmark name of its baseline
        double target;        // the ratio subject/baseline we aim to stay below
    };

    explicit RatioReporter(std::vector<Pair> pairs) : m_pairs(std::move(pairs)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
                m_units[run.benchmark_name()] = benchmark::GetTimeUnitString(run.time_unit);
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-34s %14s %14s %8s %8s\n", "subject", "time", "baseline", "ratio",
                    "target");
        for (const Pair& pair : m_pairs) {
            const auto subject = m_times.find(pair.subject);
            const auto baseline = m_times.find(pair.baseline);
            if (subject == m_times.end() || baseline == m_times.end() || baseline->second <= 0) {
                continue;
            }
            const double ratio = subject->second / baseline->second;
            const std::string unit = m_units[pair.subject];
            std::printf("%-34s %11.1f %-2s %11.1f %-2s %8.2f %7.1fx %s\n", pair.subject.c_str(),
                        subject->second, unit.c_str(), baseline->second, unit.c_str(), ratio,
                        pair.target, ratio <= pair.target ? "met" : "MISSED");
        }
        std::fflush(stdout);
    }

private:
    std::vector<Pair> m_pairs;
    std::map<std::string, double> m_times;
    std::map<std::string, std::string> m_units;
};
