// Speed of the numerology lookups on the built databases.
#include <benchmark/benchmark.h>

#include "numerology/shuli.h"
#include "numerology/strokes.h"
#include "store/connection.h"
#include "store/query.h"

namespace {

using namespace velmora;

constexpr const char* kTenCharacterName = "上海华鑫科技有限公司";

void BM_GetStrokeCount_TenCharacters(benchmark::State& state) {
    store::Query query(store::BuildConnectionString(store::DataFile::Vudazod),
                       store::Query::kLookupTimeout);
    for (auto _ : state)
        benchmark::DoNotOptimize(numerology::GetStrokeCount(query, kTenCharacterName));
}
BENCHMARK(BM_GetStrokeCount_TenCharacters)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_GetTraditionalForm_TenCharacters(benchmark::State& state) {
    store::Query query(store::BuildConnectionString(store::DataFile::Vudazod),
                       store::Query::kLookupTimeout);
    for (auto _ : state)
        benchmark::DoNotOptimize(numerology::GetTraditionalForm(query, kTenCharacterName));
}
BENCHMARK(BM_GetTraditionalForm_TenCharacters)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_GetNameFxText(benchmark::State& state) {
    store::Query query(store::BuildConnectionString(store::DataFile::KelFile),
                       store::Query::kDefaultTimeout);
    long long number = 0;
    for (auto _ : state) benchmark::DoNotOptimize(numerology::GetNameFxText(query, ++number));
}
BENCHMARK(BM_GetNameFxText)->Unit(benchmark::kMicrosecond);

void BM_GetShuliText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(numerology::GetShuliText("13800138000"));
}
BENCHMARK(BM_GetShuliText)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {
void BM_CharacterKeys_TenCharacters(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(velmora::numerology::CharacterKeys(kTenCharacterName));
}
BENCHMARK(BM_CharacterKeys_TenCharacters)->Unit(benchmark::kMicrosecond);
}  // namespace
