// Speed of the lunar calendar core: SolarToLunar over the whole range, the
// reverse conversion and the solar-term lookup of a day.

#include <benchmark/benchmark.h>

#include "calendar/lunar_calendar.h"

namespace {

using namespace velmora;

constexpr int kFirstDay = 32;     // 1900-01-31
constexpr int kDayCount = 73384;  // through 2100-12-31

void BM_SolarToLunar(benchmark::State& state) {
    int day = kFirstDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::SolarToLunar(day));
        if (++day >= kFirstDay + kDayCount) day = kFirstDay;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolarToLunar);

void BM_LunarToSolar(benchmark::State& state) {
    int day = kFirstDay + 366;
    for (auto _ : state) {
        const calendar::LunarDate lunar = calendar::SolarToLunar(day);
        benchmark::DoNotOptimize(calendar::LunarToSolar(lunar));
        if (++day >= kFirstDay + kDayCount - 366) day = kFirstDay + 366;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LunarToSolar);

void BM_SolarTermOn(benchmark::State& state) {
    int day = kFirstDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::SolarTermOn(day));
        if (++day >= kFirstDay + kDayCount) day = kFirstDay;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolarTermOn);

}  // namespace
