// Speed of the almanac: the look-up of one day as the almanac page and the
// CLI do it, and the part of the database build that computes the table.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "builder.h"
#include "calendar/almanac.h"
#include "store/catalogue.h"
#include "store/connection.h"
#include "store/query.h"

namespace {

using namespace velmora;

constexpr int kFirstDay = 367;    // 1901-01-01
constexpr int kDayCount = 73049;  // through 2100-12-31

// One query object kept for every look-up, like the main window's.
void BM_LookupAlmanacDay(benchmark::State& state) {
    store::Query query(store::BuildConnectionString(store::DataFile::KelBirth),
                       store::Query::kDefaultTimeout);
    int day = kFirstDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::LookupAlmanac(query, day));
        day = kFirstDay + (day - kFirstDay + 7919) % kDayCount;  // hop through the range
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupAlmanacDay)->Unit(benchmark::kMicrosecond);

// A fresh query, and so a fresh connection, per look-up.
void BM_LookupAlmanacDayFreshQuery(benchmark::State& state) {
    int day = kFirstDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::LookupAlmanac(day));
        day = kFirstDay + (day - kFirstDay + 7919) % kDayCount;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupAlmanacDayFreshQuery)->Unit(benchmark::kMicrosecond);

// What the almanac adds to velmora-databuild: KelBirth.db from its rule tables.
void BM_BuildAlmanacTable(benchmark::State& state) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "velmora_bench_KelBirth.db";
    for (auto _ : state) {
        std::filesystem::remove(file);
        {
            databuild::Database kelbirth(file);
            kelbirth.Exec(store::SchemaSql(store::DataFile::KelBirth));
            databuild::BuildContext context{VELMORA_SOURCES_DIR, nullptr, nullptr,
                                            &kelbirth,           nullptr, nullptr};
            databuild::FillKelBirth(context);
        }  // committed and analysed here
        state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_BuildAlmanacTable)->Unit(benchmark::kSecond)->Iterations(2);

}  // namespace
