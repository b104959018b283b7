// KelBirth.db: the almanac (huangdao), one row for every day of 1901..2100,
// computed from the rule tables and the solar-term instants.

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "almanac_rules.h"
#include "base/dates.h"
#include "builder.h"
#include "calendar/lunar_calendar.h"
#include "solar_terms.h"

namespace velmora::databuild {
namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2100;

constexpr std::array<std::string_view, 7> kWeekdays = {"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};
// The direction of the day's 煞 by the branch's three-harmony group: 申子辰
// south, 寅午戌 north, 亥卯未 west, 巳酉丑 east (indexed by branch % 4).
constexpr std::array<std::string_view, 4> kShaByGroup = {"南", "东", "北", "西"};

// 1899-12-30 (day 0) was a 壬申 day, position 8 of the sixty-day cycle.
constexpr int CyclePosition(int day) { return ((day + 8) % 60 + 60) % 60; }
static_assert(CyclePosition(18172) == 0, "1949-10-01 is a 甲子 day");

// The day a solar term falls on, in China Standard Time.
int TermDay(int year, int term) {
    return static_cast<int>(std::floor(SolarTermInstantCst(year, term)));
}

// From its first day on, a pillar month has this branch and belongs to this
// year of the cycle (counted from 立春).
struct MonthStart {
    int day;
    int branch;
    int year;
};

std::string Pillar(int stem, int branch) {
    return std::string(calendar::StemNames[stem]) + std::string(calendar::BranchNames[branch]);
}

}  // namespace

void FillKelBirth(BuildContext& context) {
    const AlmanacRules rules(context.sources);
    const auto nayin = ReadTsv(context.sources / "nayin.tsv");
    if (nayin.size() != 30 ||
        std::ranges::any_of(nayin, [](const auto& r) { return r.size() < 3; }))
        throw std::runtime_error("nayin.tsv: expected 30 lines of two pairs and their nayin");

    // Every 节 opens a month (小寒 丑, 立春 寅 and the year, ..., 大雪 子); the
    // day before each term's day is kept for the spirits counted from it.
    std::vector<MonthStart> starts;
    std::vector<std::pair<int, int>> termEves;  // (day, term)
    for (int year = kFirstYear - 1; year <= kLastYear + 1; ++year) {
        for (int term = 0; term < 24; ++term) {
            const int day = TermDay(year, term);
            termEves.emplace_back(day - 1, term);
            if (term % 2 == 0)
                starts.push_back({day, (term / 2 + 1) % 12, term == 0 ? year - 1 : year});
        }
    }
    std::ranges::sort(starts, {}, &MonthStart::day);
    std::ranges::sort(termEves);

    const int first = DaySerial(kFirstYear, 1, 1);
    const int last = DaySerial(kLastYear, 12, 31);
    auto month = std::ranges::upper_bound(starts, first, {}, &MonthStart::day) - 1;
    auto eve = std::ranges::lower_bound(termEves, std::pair{first, -1});

    Inserter rows(
        *context.kelbirth, "huangdao",
        {"gn", "nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"});
    for (int day = first; day <= last; ++day) {
        while ((month + 1)->day <= day) ++month;
        while (eve->first < day) ++eve;
        const int cycle = CyclePosition(day);
        const int stem = cycle % 10, branch = cycle % 12;
        const int yearStem = ((month->year - 4) % 10 + 10) % 10;
        const int yearBranch = ((month->year - 4) % 12 + 12) % 12;
        // The 寅 month of a 甲 or 己 year is 丙寅, of an 乙 or 庚 year 戊寅, ...
        const int monthStem = (yearStem % 5 * 2 + 2 + (month->branch + 10) % 12) % 10;

        AlmanacDay facts{stem, branch, month->branch, eve->first == day ? eve->second : -1};
        const AlmanacVerdict verdict = rules.Judge(facts);

        const int clashBranch = (branch + 6) % 12;
        std::string cong = "冲" + std::string(calendar::ZodiacNames[clashBranch]) + "(" +
                           Pillar((stem + 4) % 10, clashBranch) + ")煞" +
                           std::string(kShaByGroup[branch % 4]);
        rows.Row({FormatDate(day),
                  calendar::LunarText(calendar::SolarToLunar(day)) + "  " +
                      std::string(kWeekdays[(day + 6) % 7]),
                  Pillar(yearStem, yearBranch) + "年 " + Pillar(monthStem, month->branch) + "月 " +
                      Pillar(stem, branch) + "日",
                  rules.FetalGod(cycle), nayin[cycle / 2][2] + " " + verdict.officer + "执位",
                  std::move(cong), rules.PengzuSayings(stem, branch), verdict.goodSpirits,
                  verdict.suits, verdict.badSpirits, verdict.avoids});
    }
}

}  // namespace velmora::databuild
