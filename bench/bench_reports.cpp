// The two reports from input to the last line, on the real databases:
// the company-name analysis and the bazi reading.

#include <benchmark/benchmark.h>

#include "base/report_sink.h"
#include "bazi/bazi_report.h"
#include "naming/name_analysis.h"
#include "store/connection.h"
#include "store/query.h"

namespace {

using namespace velmora;

calendar::BirthInput Owner() { return {"张", "三", "男", 0, "1980", "1", "1", "巳 10", "5"}; }

void BM_NameAnalysisReport(benchmark::State& state) {
    store::Query strokes(store::BuildConnectionString(store::DataFile::Vudazod),
                         store::Query::kLookupTimeout);
    store::Query texts(store::BuildConnectionString(store::DataFile::KelFile),
                       store::Query::kDefaultTimeout);
    const naming::NameAnalysisInput input{Owner(), "上海", "华夏之光", "科技有限公司"};
    for (auto _ : state) {
        VectorSink sink;
        naming::WriteNameAnalysis(input, sink, strokes, texts, 2026);
        if (sink.lines.empty()) state.SkipWithError("no report written");
        benchmark::DoNotOptimize(sink.lines.data());
    }
}
BENCHMARK(BM_NameAnalysisReport)->Unit(benchmark::kMillisecond);

void BM_BaziReport(benchmark::State& state) {
    const calendar::BirthInput input = Owner();
    for (auto _ : state) {
        VectorSink sink;
        bazi::WriteBaziReport(input, sink, 2026);
        if (sink.lines.empty()) state.SkipWithError("no report written");
        benchmark::DoNotOptimize(sink.lines.data());
    }
}
BENCHMARK(BM_BaziReport)->Unit(benchmark::kMillisecond);

}  // namespace
