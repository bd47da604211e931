// Nanoseconds per call of each conversion on typical inputs, beside the bare C library work on
// the same numbers: strtod, log10 or pow, and snprintf "%f".
#include "line_calculations.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Typical typing: a length and an SWR or a loss, as texts.
const char* const kLengths[] = {"10", "25", "30.5", "100", "12.75"};
const char* const kSwrs[] = {"1.5", "2", "3.2", "1.25", "4"};
const char* const kLosses[] = {"5", "0.5", "10", "2.25", "7.3"};
constexpr int kInputs = 5;

void LossFromSwr(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcLossFromSwr(kLengths[i], kSwrs[i]));
        i = (i + 1) % kInputs;
    }
}

void LossFromSwrBaseline(benchmark::State& state) {
    int i = 0;
    char text[400];
    for (auto _ : state) {
        const double length = std::strtod(kLengths[i], nullptr);
        const double swr = std::strtod(kSwrs[i], nullptr);
        const double loss = (std::log10((swr + 1) / (swr - 1)) * 1000) / length;
        benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%f", loss));
        benchmark::ClobberMemory();
        i = (i + 1) % kInputs;
    }
}

void SwrFromLoss(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcSwrFromLoss(kLosses[i], kLengths[i]));
        i = (i + 1) % kInputs;
    }
}

void SwrFromLossBaseline(benchmark::State& state) {
    int i = 0;
    char text[400];
    for (auto _ : state) {
        const double loss = std::strtod(kLosses[i], nullptr);
        const double length = std::strtod(kLengths[i], nullptr);
        const double m = std::pow(10.0, (loss * length) * 0.001);
        benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%f", (m + 1) / (m - 1)));
        benchmark::ClobberMemory();
        i = (i + 1) % kInputs;
    }
}

BENCHMARK(LossFromSwr);
BENCHMARK(LossFromSwrBaseline);
BENCHMARK(SwrFromLoss);
BENCHMARK(SwrFromLossBaseline);

} // namespace

int main(int argc, char** argv) {
    RatioReporter reporter(
        {{"LossFromSwr", "LossFromSwrBaseline", 1.5}, {"SwrFromLoss", "SwrFromLossBaseline", 1.5}},
        argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
