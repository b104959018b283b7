// The candidate search on the real databases: every query shape with and
// without the element filter, from the query to a filled page of rows, and
// the page fill alone.
#include <benchmark/benchmark.h>

#include "naming/candidate_grid.h"
#include "naming/candidate_search.h"
#include "naming/stroke_patterns.h"
#include "query_shapes.h"
#include "store/connection.h"

namespace {

using namespace velmora::naming;

// Fixed positions as a bit set: bit k set = position k + 1 holds a character.
void BM_Search(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0));
    const int fixedBits = static_cast<int>(state.range(1));
    const bool filtered = state.range(2) != 0;
    SearchInput input;
    input.Length = length;
    const char* chars[] = {"天", "华", "明", "达"};
    for (int k = 0; k < 4; ++k)
        if (fixedBits & (1 << k)) input.FixedChars[k] = chars[k];
    SearchState search;
    search.MissingWuhang = filtered ? "水" : "";
    search.WuhangFilter = BuildWuhangFilter(search.MissingWuhang);
    const RowDraw draw = DefaultRowDraw();
    long long rows = 0;
    for (auto _ : state) {
        const std::vector<Candidate> candidates = RunSearch(input, search);
        benchmark::DoNotOptimize(BuildNamePage(candidates, search, "上海", "科技有限公司", draw));
        rows = static_cast<long long>(candidates.size());
    }
    state.counters["rows"] = static_cast<double>(rows);
}

BENCHMARK(BM_Search)
    ->Apply(AllQueryShapes)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One page of 100 random rows from a large result (继续显示).
void BM_FillPage(benchmark::State& state) {
    SearchInput input;
    input.Length = 4;
    SearchState search;
    const std::vector<Candidate> candidates = RunSearch(input, search);
    const RowDraw draw = DefaultRowDraw();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildNamePage(candidates, search, "上海", "科技有限公司", draw));
    state.counters["rows"] = static_cast<double>(candidates.size());
}
BENCHMARK(BM_FillPage)->Unit(benchmark::kMicrosecond);

// Reading the scored patterns of one body length, which the first search of
// that length in a run of the program waits for.
void BM_LoadPatterns(benchmark::State& state) {
    const std::string connection =
        velmora::store::BuildConnectionString(velmora::store::DataFile::Vudazod);
    size_t patterns = 0;
    for (auto _ : state)
        patterns = StrokePatterns::Load(connection, static_cast<int>(state.range(0))).size();
    state.counters["patterns"] = static_cast<double>(patterns);
}
BENCHMARK(BM_LoadPatterns)->DenseRange(2, 4)->Unit(benchmark::kMillisecond);

}  // namespace
