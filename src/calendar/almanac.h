#pragma once
// The almanac (黄历) of one day: the typed entry of the table `huangdao` in
// KelBirth.db, its look-up by date (a bound parameter on `gn`), and the
// nineteen lines in which the almanac page shows it. The entries themselves
// are computed once by velmora-databuild from the rule tables under
// data/sources/; nothing here computes an almanac.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/dates.h"
#include "base/report_sink.h"

namespace velmora::store {
class Query;
}

namespace velmora::calendar {

// The ten stored columns after `gn`, in table order.
inline constexpr std::array<std::string_view, 10> AlmanacColumns = {
    "nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"};

// What `yi` says on a day that suits nothing, and `ji` on a day that avoids everything.
inline constexpr std::string_view kNothingSuits = "诸事不宜";

// One day's entry, every value trimmed.
struct AlmanacEntry {
    std::string Overview;      // nn: lunar date, two blanks, weekday
    std::string Pillars;       // suici: "甲辰年 丙寅月 甲辰日"
    std::string FetalGod;      // tszf: "门鸡栖房内东"
    std::string Element;       // wuhang: nayin, blank, officer + "执位"
    std::string Clash;         // cong: "冲狗(戊戌)煞南"
    std::string PengzuTaboos;  // pzbj: stem saying, blank, branch saying
    std::string GoodSpirits;   // jsyq
    std::string Suits;         // yi
    std::string BadSpirits;    // xsyq
    std::string Avoids;        // ji

    // The day's officer (建 .. 闭) from `wuhang`, or empty when it has none.
    std::string_view Officer() const;
    // The ten values in the order of AlmanacColumns.
    std::array<std::string_view, 10> Values() const;
    // True when `activity` is one of the listed 宜.
    bool SuitsActivity(std::string_view activity) const;
    // True when `activity` is one of the listed 忌; when the 忌 say "诸事不宜",
    // true for every activity the 宜 do not name.
    bool AvoidsActivity(std::string_view activity) const;
};

// The entry of the whole day `date`, or nullopt when the table has no row
// for it. `query` must be bound to KelBirth.db; it is closed on return.
// Raises DatabaseError when the table cannot be read.
std::optional<AlmanacEntry> LookupAlmanac(store::Query& query, DateValue date);
// The same with a query of its own on KelBirth.db in the data folder.
std::optional<AlmanacEntry> LookupAlmanac(DateValue date);

// The headline of an entry: the date text as entered, two blanks, `nn`.
std::string AlmanacHeadline(std::string_view dateText, const AlmanacEntry& entry);

// Clears the sink and writes the entry as ten labelled lines ("当日统览:"
// with the headline, "岁次:", ..., "忌:"), an empty line after each but the last.
void WriteAlmanacEntry(std::string_view dateText, const AlmanacEntry& entry, ReportSink& sink);

}  // namespace velmora::calendar
