// A console reporter that, after the usual table, prints each benchmark's time beside the
// baseline measured in the same run and their ratio against the target.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Pair {
        std::string subject;  // benchmark name of what we measure
        std::string baseline; // benchmark name of its baseline
        double target;        // the ratio subject/baseline we aim to stay below
    };

    // Reads --benchmark_color from the command line (before benchmark::Initialize removes it):
    // a reporter handed to RunSpecifiedBenchmarks keeps the colours it was made with.
    RatioReporter(std::vector<Pair> pairs, int argc, char** argv)
        : ConsoleReporter(ColorWanted(argc, argv) ? OO_ColorTabular : OO_Tabular),
          m_pairs(std::move(pairs)) {}

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
                std::printf("%-34s not run, or its baseline %s not run\n", pair.subject.c_str(),
                            pair.baseline.c_str());
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
    static bool ColorWanted(int argc, char** argv) {
        bool color = isatty(fileno(stdout)) != 0;
        const std::string flag = "--benchmark_color=";
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg.rfind(flag, 0) == 0) {
                const std::string value = arg.substr(flag.size());
                if (value != "auto") {
                    color = value == "true" || value == "yes" || value == "1";
                }
            }
        }
        return color;
    }

    std::vector<Pair> m_pairs;
    std::map<std::string, double> m_times;
    std::map<std::string, std::string> m_units;
};
