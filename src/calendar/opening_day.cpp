#include "calendar/opening_day.h"

#include <cmath>

#include "base/text.h"
#include "bazi/four_pillars.h"
#include "calendar/almanac.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::calendar {

namespace {

// Stems and branches in 甲-first and 子-first order.
constexpr const char* kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr const char* kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                       "午", "未", "申", "酉", "戌", "亥"};
constexpr const char* kAnimals[12] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                      "马", "羊", "猴", "鸡", "狗", "猪"};
// The twelve day officers, counted from the day whose branch is the month's.
constexpr const char* kOfficers[12] = {"建", "除", "满", "平", "定", "执",
                                       "破", "危", "成", "收", "开", "闭"};
// 满, 定, 成 and 开 are the officers under which a shop traditionally opens.
constexpr bool kOpeningOfficer[12] = {false, false, true, false, true, false,
                                      false, false, true, false, true, false};
constexpr const char* kDirectionNames[4] = {"东", "南", "西", "北"};
constexpr const char* kWeekdays[7] = {"星期日", "星期一", "星期二", "星期三",
                                      "星期四", "星期五", "星期六"};

// 1900-01-01 (day 2) was a 甲戌 day, the 11th of the cycle.
constexpr int kCycleOffset = 8;

// The activity an opening day must not avoid.
constexpr std::string_view kOpening = "开市";

int OfficerIndex(std::string_view name) {
    for (int i = 0; i < 12; ++i)
        if (name == kOfficers[i]) return i;
    return -1;
}

// The 子-first index (子 = 0) of a branch in the pillars engine's codes (亥 = 0).
int BranchIndex(int branchCode) { return (branchCode + 11) % 12; }

// The direction of the day's 三合煞: 申子辰 days face south, 寅午戌 north,
// 亥卯未 west, 巳酉丑 east.
Direction ShaDirection(int day_branch) {
    switch (day_branch % 4) {
        case 0:
            return Direction::South;
        case 2:
            return Direction::North;
        case 3:
            return Direction::West;
        default:
            return Direction::East;
    }
}

bool Clashes(int a, int b) { return (a - b + 12) % 12 == 6; }
bool SixHarmony(int a, int b) { return (a + b) % 12 == 1; }
bool ThreeHarmony(int a, int b) { return a != b && a % 4 == b % 4; }

struct PersonBranches {
    std::string Role;
    std::string Pillars;  // "庚申 戊寅 己未 己巳"
    int YearBranch;
    int DayBranch;
};

PersonBranches PillarsOf(const OpeningDayPerson& person) {
    const calendar::SolarBirthDate solar =
        calendar::ResolveSolarBirthDate(person.Birth, person.Role + "的出生日期");
    const CivilDate birth = CivilFromDate(solar.Date);
    const int hour = calendar::HourNumber(person.Birth);
    const int minute =
        static_cast<int>(ToInteger(Trim(person.Birth.MinuteText), person.Role + "的出生分钟"));
    const bazi::FourPillars pillars =
        bazi::ComputeFourPillars(birth.year, birth.month, birth.day, hour, minute, "男");
    return {person.Role, pillars.PillarsText(), BranchIndex(pillars.YearBranchCode),
            BranchIndex(pillars.DayBranchCode)};
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

int DayCycleIndex(DateValue date) {
    const long long serial = static_cast<long long>(std::floor(date));
    return static_cast<int>(((serial + kCycleOffset) % 60 + 60) % 60);
}

std::optional<std::string> CheckOpeningDayInput(const OpeningDayInput& input) {
    if (input.Persons.empty()) return "请至少勾选一个出生日期!";
    for (const OpeningDayPerson& person : input.Persons) {
        const calendar::BirthInput& birth = person.Birth;
        if (Trim(birth.YearText).empty()) return "请选择" + person.Role + "的出生年!";
        if (Trim(birth.MonthText).empty()) return "请选择" + person.Role + "的出生月!";
        if (Trim(birth.DayText).empty()) return "请选择" + person.Role + "的出生日!";
        if (Trim(birth.HourText).empty()) return "请选择" + person.Role + "的出生小时!";
        if (Trim(birth.MinuteText).empty()) return "请选择" + person.Role + "的出生分钟!";
        if (auto message = calendar::CheckBirthNumbers(birth)) return person.Role + "的" + *message;
    }
    return std::nullopt;
}

void WriteOpeningDays(const OpeningDayInput& input, DateValue first_day, ReportSink& sink) {
    std::vector<PersonBranches> persons;
    for (const OpeningDayPerson& person : input.Persons) persons.push_back(PillarsOf(person));

    const int first = static_cast<int>(std::floor(first_day));
    const int last = first + kOpeningDaySpan - 1;
    std::string avoided;
    for (int d = 0; d < 4; ++d)
        if (input.AvoidDirection[d])
            avoided += std::string(avoided.empty() ? "" : "、") + kDirectionNames[d];

    // Every day is chosen before anything is written, so a failed look-up
    // leaves no half report behind.
    store::Query almanac(store::BuildConnectionString(store::DataFile::KelBirth),
                         store::Query::kDefaultTimeout);
    std::vector<std::string> lines;
    int avoided_by_almanac = 0;  // days that pass every other rule but avoid 开市
    for (int day = first; day <= last; ++day) {
        const int cycle = DayCycleIndex(day);
        const int branch = cycle % 12;
        bool suitable = true;
        for (const PersonBranches& person : persons) {
            if (Clashes(branch, person.YearBranch) || Clashes(branch, person.DayBranch))
                suitable = false;
        }
        const Direction sha = ShaDirection(branch);
        if (input.AvoidDirection[static_cast<int>(sha)]) suitable = false;
        if (!suitable) continue;

        // The officer of the almanac, which counts whole days from the day of
        // the month's 节; the pillars at noon only where the almanac ends.
        const CivilDate date = CivilFromDate(day);
        const std::optional<AlmanacEntry> entry = LookupAlmanac(almanac, day);
        int officer = entry ? OfficerIndex(entry->Officer()) : -1;
        if (officer < 0) {
            const bazi::FourPillars of_day =
                bazi::ComputeFourPillars(date.year, date.month, date.day, 12, 0, "男");
            officer = (branch - BranchIndex(of_day.MonthBranchCode) + 12) % 12;
        }
        if (!kOpeningOfficer[officer]) continue;
        if (entry && entry->AvoidsActivity(kOpening)) {
            ++avoided_by_almanac;
            continue;
        }
        if (lines.size() >= static_cast<size_t>(kMaxOpeningDays)) continue;

        std::string line = std::to_string(date.year) + "-" + TwoDigits(date.month) + "-" +
                           TwoDigits(date.day) + "  " + kWeekdays[((day + 6) % 7 + 7) % 7] + "  " +
                           kStems[cycle % 10] + kBranches[branch] + "日  " + kOfficers[officer] +
                           "日  煞" + kDirectionNames[static_cast<int>(sha)];
        if (!entry) {
            line += "  黄历未收此日";
        } else {
            line += entry->SuitsActivity(kOpening) ? "  黄历宜开市" : "  黄历未列开市为宜";
        }
        const int owner_year = persons.front().YearBranch;
        if (SixHarmony(branch, owner_year)) {
            line += "  与" + persons.front().Role + "生肖六合，尤佳";
        } else if (ThreeHarmony(branch, owner_year)) {
            line += "  与" + persons.front().Role + "生肖三合，尤佳";
        }
        lines.push_back(std::move(line));
    }

    sink.Clear();
    sink.AppendLine("开张吉日推算");
    sink.AppendLine("推算范围：" + FormatDate(first) + " 至 " + FormatDate(last));
    for (const PersonBranches& person : persons) {
        sink.AppendLine(person.Role + "八字：" + person.Pillars + "   生肖属" +
                        kAnimals[person.YearBranch]);
    }
    sink.AppendLine("回避煞方：" + (avoided.empty() ? std::string("不限") : avoided));
    sink.AppendLine("");
    for (const std::string& line : lines) sink.AppendLine(line);

    sink.AppendLine("");
    if (lines.empty()) {
        sink.AppendLine("推算范围内没有同时合乎各项条件的日子，可以少选几个煞方后再试。");
    } else {
        sink.AppendLine("共列出" + std::to_string(lines.size()) + "个适合开张的日子。");
    }
    if (avoided_by_almanac > 0) {
        sink.AppendLine("另有" + std::to_string(avoided_by_almanac) +
                        "个日子合乎其余条件，但黄历忌开市，不取。");
    }
    sink.AppendLine(
        "择日原则：日支不冲任何一位参与者的年支和日支；不用所选煞方的日子；"
        "只取建除十二神中的满、定、成、开四日；不取黄历忌开市（或诸事不宜）的日子。");
    sink.AppendLine("以上结果依传统择日方法推算，仅供参考。");
}

}  // namespace velmora::calendar
