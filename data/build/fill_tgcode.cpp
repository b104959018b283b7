// Tgcode.db: elements of stems and branches (hzwh), ten gods of every pair of
// stems (Shishen), nayin and growth stage of the sixty pairs (jiazi), and the
// instants of the 24 solar terms of 1900..2101 (JQ).

#include <array>
#include <stdexcept>
#include <string_view>

#include "builder.h"
#include "solar_terms.h"

namespace velmora::databuild {
namespace {

// Stems and branches in 甲-first and 子-first order.
constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊",
                                                     "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                        "午", "未", "申", "酉", "戌", "亥"};

// Element of a stem: 0 木, 1 火, 2 土, 3 金, 4 水; even stems are yang.
constexpr int StemElement(int stem) { return stem / 2; }
constexpr bool IsYang(int stem) { return stem % 2 == 0; }

// Ten-god name of `other` seen from the day stem: by how the other's element
// stands to the day's (same, produced by it, controlled by it, controlling it,
// producing it) and whether the two stems share their polarity.
std::string_view TenGod(int day, int other) {
    constexpr std::array<std::array<std::string_view, 2>, 5> kNames = {{
        {"比肩", "劫财"},  // same element
        {"食神", "伤官"},  // the day stem produces it
        {"偏财", "正财"},  // the day stem controls it
        {"七杀", "正官"},  // it controls the day stem
        {"偏印", "正印"},  // it produces the day stem
    }};
    // Steps from the day's element to the other's along 木 -> 火 -> 土 -> 金 -> 水.
    const int step = (StemElement(other) - StemElement(day) + 5) % 5;
    const bool samePolarity = IsYang(day) == IsYang(other);
    return kNames[step][samePolarity ? 0 : 1];
}

// The twelve growth stages (十二长生) of a stem across the branches.
constexpr std::array<std::string_view, 12> kGrowthStages = {
    "长生", "沐浴", "冠带", "临官", "帝旺", "衰", "病", "死", "墓", "绝", "胎", "养"};
// Branch (子 = 0) where each stem's 长生 stands; yang stems go forward
// through the branches, yin stems backward.
constexpr std::array<int, 10> kBirthBranch = {11, 6, 2, 9, 2, 9, 5, 0, 8, 3};

std::string_view GrowthStage(int stem, int branch) {
    const int start = kBirthBranch[stem];
    const int steps = IsYang(stem) ? (branch - start + 12) % 12 : (start - branch + 12) % 12;
    return kGrowthStages[steps];
}

void FillElements(BuildContext& context) {
    Inserter rows(*context.tgcode, "hzwh", {"hz", "wh"});
    for (const auto& r : ReadTsv(context.sources / "stem_branch_elements.tsv")) {
        if (r.size() < 2) throw std::runtime_error("stem_branch_elements.tsv: short line");
        rows.Row({r[0], r[1]});
    }
}

void FillTenGods(BuildContext& context) {
    Inserter rows(*context.tgcode, "Shishen", {"jiazi", "ShiShen"});
    for (int day = 0; day < 10; ++day)
        for (int other = 0; other < 10; ++other)
            rows.Row({std::string(kStems[day]) + std::string(kStems[other]),
                      std::string(TenGod(day, other))});
}

void FillCyclePairs(BuildContext& context) {
    const auto nayin = ReadTsv(context.sources / "nayin.tsv");
    if (nayin.size() != 30) throw std::runtime_error("nayin.tsv: expected 30 lines");
    Inserter rows(*context.tgcode, "jiazi", {"jiazi", "layin", "ws"});
    for (int n = 0; n < 60; ++n) {
        const int stem = n % 10, branch = n % 12;
        const std::string pair = std::string(kStems[stem]) + std::string(kBranches[branch]);
        const auto& line = nayin[n / 2];
        if (line.size() < 3 || line[n % 2] != pair)
            throw std::runtime_error("nayin.tsv: line " + std::to_string(n / 2 + 1) +
                                     " does not hold " + pair);
        rows.Row({pair, line[2], std::string(GrowthStage(stem, branch))});
    }
}

void FillSolarTerms(BuildContext& context) {
    constexpr std::array<std::string_view, 24> kTermNames = {
        "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
        "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
        "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
    Inserter rows(*context.tgcode, "JQ", {"YearA", "JQ", "SJ"});
    for (int year = 1900; year <= 2101; ++year)
        for (int term = 0; term < 24; ++term)
            rows.Row({static_cast<long long>(year), std::string(kTermNames[term]),
                      FormatDateTime(SolarTermInstantCst(year, term))});
}

}  // namespace

void FillTgcode(BuildContext& context) {
    FillElements(context);
    FillTenGods(context);
    FillCyclePairs(context);
    FillSolarTerms(context);
}

}  // namespace velmora::databuild
