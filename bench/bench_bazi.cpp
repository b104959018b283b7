// Speed of the four-pillars engine with its 21 database lookups, and of the
// single lookups it is made of, on the built databases.

#include <benchmark/benchmark.h>

#include "bazi/four_pillars.h"
#include "bazi/lookups.h"

namespace {

using namespace velmora;

void BM_ComputeFourPillars(benchmark::State& state) {
    int day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(bazi::ComputeFourPillars(1980, 2, 1 + day, 10, 30, "男"));
        day = (day + 1) % 28;
    }
}
BENCHMARK(BM_ComputeFourPillars)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_NayinOf(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bazi::NayinOf("丁巳"));
}
BENCHMARK(BM_NayinOf)->Unit(benchmark::kMicrosecond);

void BM_BoneWeightLine(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bazi::BoneWeightLine("1980", "1", "1", "10", 1));
}
BENCHMARK(BM_BoneWeightLine)->Unit(benchmark::kMicrosecond);

}  // namespace
