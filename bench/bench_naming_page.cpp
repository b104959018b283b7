// 马上起名 on the naming page as a user presses it, with the real databases:
// owner checks and missing elements, the search, the grid's first page in its
// cells. Every body length and set of fixed positions, for an owner who lacks
// no element (no filter) and one who lacks 金 (filtered).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "naming/naming_page.h"
#include "query_shapes.h"
#include "ui/owner_panel.h"
#include "ui/page_context.h"
#include "ui/report_output.h"

namespace {

template <class T>
T* Child(const QWidget& page, const char* name) {
    return page.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

namespace {

using namespace velmora;

void BM_PressSearch(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0));
    const int fixedBits = static_cast<int>(state.range(1));
    const bool filtered = state.range(2) != 0;
    ui::MainQueries queries;
    queries.BindAll();
    ui::SharedSaveDialog dialog;
    ui::PageContext context{queries, dialog};
    naming::NamingPage page(context, nullptr);
    Child<QLineEdit>(page, "surnameEdit")->setText(QStringLiteral("王"));
    Child<QComboBox>(page, "yearBox")
        ->setCurrentText(filtered ? QStringLiteral("1985") : QStringLiteral("1990"));
    Child<QComboBox>(page, "monthBox")
        ->setCurrentText(filtered ? QStringLiteral("6") : QStringLiteral("3"));
    Child<QComboBox>(page, "dayBox")
        ->setCurrentText(filtered ? QStringLiteral("12") : QStringLiteral("15"));
    Child<QComboBox>(page, "hourBox")
        ->setCurrentText(filtered ? QStringLiteral("巳 10") : QStringLiteral("子 0"));
    Child<QComboBox>(page, "minuteBox")->setCurrentText(QStringLiteral("0"));
    Child<QLineEdit>(page, "prefixEdit")->setText(QStringLiteral("上海"));
    Child<QLineEdit>(page, "suffixEdit")->setText(QStringLiteral("科技有限公司"));
    Child<QComboBox>(page, "nameLengthBox")->setCurrentIndex(length - 2);
    QLineEdit* edits[] = {
        Child<QLineEdit>(page, "fixedCharEdit1"), Child<QLineEdit>(page, "fixedCharEdit2"),
        Child<QLineEdit>(page, "fixedCharEdit3"), Child<QLineEdit>(page, "fixedCharEdit4")};
    const QString chars[] = {QStringLiteral("天"), QStringLiteral("华"), QStringLiteral("明"),
                             QStringLiteral("达")};
    for (int k = 0; k < 4; ++k) edits[k]->setText(fixedBits & (1 << k) ? chars[k] : QString());
    page.onSearchClicked();  // the first press of a run also waits for the pattern tables
    for (auto _ : state) page.onSearchClicked();
    state.counters["rows"] = static_cast<double>(page.candidates()->size());
    state.counters["missing"] = static_cast<double>(page.searchState.WuhangFilter.size());
}

BENCHMARK(BM_PressSearch)
    ->Apply(AllQueryShapes)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
