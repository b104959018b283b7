#include "bazi/four_pillars.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <span>
#include <vector>

#include "base/errors.h"
#include "base/text.h"
#include "bazi/lookups.h"
#include "calendar/lunar_calendar.h"
#include "store/connection.h"
#include "store/query.h"
#include "store/table_cache.h"

namespace velmora::bazi {
namespace {

constexpr int Mod(int x, int n) { return ((x % n) + n) % n; }

// The engine's codes are the calendar's cycle shifted by one: code 1 is 甲
// and 子, code 0 the last of each cycle.
constexpr bool CodesFollowTheCycle() {
    for (size_t i = 0; i < calendar::StemNames.size(); ++i)
        if (StemCodeNames[(i + 1) % 10] != calendar::StemNames[i]) return false;
    for (size_t i = 0; i < calendar::BranchNames.size(); ++i)
        if (BranchCodeNames[(i + 1) % 12] != calendar::BranchNames[i]) return false;
    return true;
}
static_assert(CodesFollowTheCycle());

// Each branch hides one to three stems and nothing else; a few rows checked
// by hand pin the table's 子-first order.
constexpr bool HiddenStemsAreStems() {
    for (std::string_view hidden : HiddenStemTable) {
        if (hidden.empty() || hidden.size() > 9 || hidden.size() % 3 != 0) return false;
        for (size_t at = 0; at < hidden.size(); at += 3) {
            bool found = false;
            for (std::string_view stem : StemCodeNames)
                found = found || hidden.substr(at, 3) == stem;
            if (!found) return false;
        }
    }
    return true;
}
static_assert(HiddenStemsAreStems());
static_assert(HiddenStemTable[0] == "癸" && HiddenStemTable[2].starts_with("甲") &&
              HiddenStemTable[3] == "乙" && HiddenStemTable[9] == "辛" &&
              HiddenStemTable[11].starts_with("壬"));

// Every 节 is the calendar's solar term two places on from the one before.
constexpr bool JieNamesAreSolarTerms() {
    for (size_t n = 0; n < JieNames.size(); ++n)
        if (JieNames[n] != calendar::SolarTermNames[(2 + 2 * n) % 24]) return false;
    return true;
}
static_assert(JieNamesAreSolarTerms());

// Fixed start key (month * 100 + day) of each Gregorian month's 节, January first.
constexpr std::array<int, 12> kMonthStartKeys = {106, 204, 306, 405,  505,  606,
                                                 707, 808, 908, 1008, 1107, 1208};

// Month branch code by MonthDayKey: the first row whose start the key reaches,
// searched from the end of the year backward.
struct MonthRange {
    int fromKey;
    int branchCode;
};
constexpr std::array<MonthRange, 12> kMonthTable = {{
    {1208, 1},
    {1107, 0},
    {1008, 11},
    {908, 10},
    {808, 9},
    {707, 8},
    {606, 7},
    {505, 6},
    {405, 5},
    {306, 4},
    {204, 3},
    {106, 2},
}};

// The month table runs backward through the year from 大雪, and its start
// keys are the fixed start days, each month's branch one before the next's.
constexpr bool MonthTableMatchesStartKeys() {
    for (size_t i = 0; i < kMonthTable.size(); ++i) {
        if (kMonthTable[i].fromKey != kMonthStartKeys[11 - i]) return false;
        if (i > 0 && Mod(kMonthTable[i - 1].branchCode - 1, 12) != kMonthTable[i].branchCode)
            return false;
    }
    return true;
}
static_assert(MonthTableMatchesStartKeys());
static_assert(kMonthTable.front().branchCode == 1);  // from 大雪 on: the 子 month

int MonthBranchOfKey(int key) {
    for (const MonthRange& r : kMonthTable)
        if (key >= r.fromKey) return r.branchCode;
    return 1;  // 101..105 belong to the 子 month
}

// The day's number in its Gregorian year, 1 for January 1.
int DayOfYear(int year, int month, int day) {
    return DaySerial(year, month, day) - DaySerial(year, 1, 1) + 1;
}

bool IsJieDay(DateValue day) { return IsJieName(calendar::SolarTermOn(day)); }

// Days to the nearest formula 节 after (or before) the birth day, 1..32.
int DaysToJie(DateValue birthDay, bool backward) {
    for (int j = 1; j <= 32; ++j)
        if (IsJieDay(backward ? birthDay - j : birthDay + j)) return j;
    return 32;
}

PillarCodes Pillar(int stemCode, int branchCode) {
    return {Mod(stemCode, 10), Mod(branchCode, 12)};
}

std::string StemName(int code) { return std::string(StemCodeNames[Mod(code, 10)]); }
std::string BranchName(int code) { return std::string(BranchCodeNames[Mod(code, 12)]); }

}  // namespace

bool IsJieName(std::string_view name) {
    for (std::string_view jie : JieNames)
        if (name == jie) return true;
    return false;
}

std::string_view JieOfMonth(int month) { return JieNames[Mod(month - 2, 12)]; }

int MonthStartKey(int month) { return kMonthStartKeys[Mod(month - 1, 12)]; }

namespace {

// The 节 rows of `JQ` in memory, by year and then in file order.
class JieTable {
  public:
    static std::shared_ptr<const JieTable> Current() {
        static store::TableCache<JieTable> cache(&JieTable::Read);
        return cache.Get(store::BuildConnectionString(store::DataFile::Tgcode));
    }

    static JieTable Read(const std::string& connection) {
        store::Query query(connection, store::Query::kDefaultTimeout);
        query.SetSql(
            "SELECT YearA, JQ, SJ FROM JQ WHERE JQ IN ('立春','惊蛰','清明','立夏','芒种','小暑',"
            "'立秋','白露','寒露','立冬','大雪','小寒') ORDER BY YearA, rowid");
        JieTable table;
        query.Scan([&](const store::ResultRows& row) {
            const std::string name = row.FieldAt(1, 1).AsText();
            const auto jie = std::find(JieNames.begin(), JieNames.end(), name);
            table.rows_.push_back({static_cast<int>(row.FieldAt(1, 0).AsInteger()),
                                   static_cast<int>(jie - JieNames.begin()),
                                   row.FieldAt(1, 2).AsDate()});
        });
        return table;
    }

    // The instant of the 节 `name` of `year`; of several rows, the last.
    std::optional<DateValue> Moment(int year, std::string_view name) const {
        std::optional<DateValue> moment;
        for (const Row& r : Year(year))
            if (JieNames[r.jie] == name) moment = r.instant;
        return moment;
    }

    // The first 节 of `year` on the day of `moment`.
    std::optional<DateValue> OnDay(int year, DateValue moment) const {
        for (const Row& r : Year(year))
            if (std::floor(r.instant) == std::floor(moment)) return r.instant;
        return std::nullopt;
    }

  private:
    struct Row {
        int year;
        int jie;  // index in JieNames
        DateValue instant;
    };
    std::span<const Row> Year(int year) const {
        auto [first, last] =
            std::equal_range(rows_.begin(), rows_.end(), Row{year, 0, 0},
                             [](const Row& a, const Row& b) { return a.year < b.year; });
        return {first, last};
    }
    std::vector<Row> rows_;
};

// The 节 instants of the month before, of the birth's Gregorian month and of
// the month after; a month without a row stays empty.
struct JieMoments {
    std::optional<DateValue> previous, current, next;
};

JieMoments JieMomentsAround(const JieTable& table, int year, int month) {
    const int previousYear = month == 1 ? year - 1 : year;
    const int previousMonth = month == 1 ? 12 : month - 1;
    const int nextYear = month == 12 ? year + 1 : year;
    const int nextMonth = month == 12 ? 1 : month + 1;
    return {table.Moment(previousYear, JieOfMonth(previousMonth)),
            table.Moment(year, JieOfMonth(month)), table.Moment(nextYear, JieOfMonth(nextMonth))};
}

}  // namespace

std::optional<DateValue> JieMomentOfMonth(int year, int month) {
    return JieTable::Current()->Moment(year, JieOfMonth(month));
}

bool IsBeforeJieMoment(int year, DateValue moment) {
    const std::optional<DateValue> jie = JieTable::Current()->OnDay(year, moment);
    return jie && moment < *jie;
}

std::string PillarCodes::Text() const { return StemName(StemCode) + BranchName(BranchCode); }

std::string FourPillars::YearStem() const { return StemName(YearStemCode); }
std::string FourPillars::YearBranch() const { return BranchName(YearBranchCode); }
std::string FourPillars::MonthStem() const { return StemName(MonthStemCode); }
std::string FourPillars::MonthBranch() const { return BranchName(MonthBranchCode); }
std::string FourPillars::DayStem() const { return StemName(DayStemCode); }
std::string FourPillars::DayBranch() const { return BranchName(DayBranchCode); }
std::string FourPillars::HourStem() const { return StemName(HourStemCode); }
std::string FourPillars::HourBranch() const { return BranchName(HourBranchCode); }

std::array<std::string_view, 8> FourPillars::Characters() const {
    return {StemCodeNames[YearStemCode],  BranchCodeNames[YearBranchCode],
            StemCodeNames[MonthStemCode], BranchCodeNames[MonthBranchCode],
            StemCodeNames[DayStemCode],   BranchCodeNames[DayBranchCode],
            StemCodeNames[HourStemCode],  BranchCodeNames[HourBranchCode]};
}

std::string_view FourPillars::Hidden(int pillar) const {
    return HiddenStemTable[HiddenRows[static_cast<size_t>(pillar)]];
}

std::string FourPillars::PillarsText() const {
    return YearStem() + YearBranch() + " " + MonthStem() + MonthBranch() + " " + DayStem() +
           DayBranch() + " " + HourStem() + HourBranch();
}

namespace {

// The pillars of `moment`, whose civil parts the caller passes along.
FourPillars ComputeAt(int year, int month, int day, int hour, DateValue moment,
                      std::string_view sexText) {
    const DateValue birthDay = std::floor(moment);

    FourPillars p;

    // Month and year change at the month's 节 instant; a month without a row
    // in JQ uses its fixed start day.
    const JieMoments jieMoments = JieMomentsAround(*JieTable::Current(), year, month);
    const std::optional<DateValue>& jie = jieMoments.current;
    p.BeforeJie = jie && std::floor(*jie) == birthDay && moment < *jie;
    int monthDayKey;
    if (jie)
        monthDayKey = MonthStartKey(month) - (moment < *jie ? 1 : 0);
    else
        monthDayKey = month * 100 + day;

    p.MonthBranchCode = MonthBranchOfKey(monthDayKey);
    const int cycleYear = monthDayKey <= 203 ? year - 1 : year;
    p.YearStemCode = Mod(cycleYear - 3, 10);
    p.YearBranchCode = Mod(cycleYear - 3, 12);
    p.MonthStemCode = p.MonthBranchCode >= 3 ? Mod(2 * p.YearStemCode + p.MonthBranchCode + 8, 10)
                                             : Mod(2 * p.YearStemCode + p.MonthBranchCode, 10);

    const int h = year - 1;
    const int c = Mod(5 * h + h / 4 - h / 100 + h / 400 + DayOfYear(year, month, day) + 6015, 60);
    p.DayStemCode = c % 10;
    p.DayBranchCode = c % 12;

    // The hour stems run on from day to day, one 子 hour after the other, and
    // the 子 hour that begins at 23:00 is the first hour of the coming day's
    // round: it takes the stem of the next day's 子 hour (夜子时). The day
    // itself turns at midnight, so the day pillar stays the birth day's.
    p.HourBranchCode = ((hour + 3) / 2) % 12;
    const int hourRoundStem = hour == 23 ? p.DayStemCode + 1 : p.DayStemCode;
    p.HourStemCode = p.HourBranchCode != 0 ? Mod(2 * hourRoundStem + p.HourBranchCode + 8, 10)
                                           : Mod(2 * hourRoundStem, 10);

    p.TaiYuan = Pillar(p.MonthStemCode + 1, p.MonthBranchCode + 3);

    const bool yinYear = p.YearStemCode % 2 == 0;  // 乙丁己辛癸 have even codes
    p.Backward = (sexText == "男") == yinYear;

    // Days from the birth day to the 节 that bounds the pillar month in the
    // luck direction: the real instants where JQ has them, so a birth an hour
    // after (or before) its month's 节 starts its luck at 1, not 10.
    std::optional<DateValue> bound;
    if (jie) {
        const bool inNewMonth = moment >= *jie;
        bound = p.Backward ? (inNewMonth ? jie : jieMoments.previous)
                           : (inNewMonth ? jieMoments.next : jie);
    }
    const int j = bound ? std::max(1, static_cast<int>(std::fabs(std::floor(*bound) - birthDay)))
                        : DaysToJie(birthDay, p.Backward);
    int age = j / 3 + (j % 3 != 0 ? 1 : 0);
    if (age == 0)
        age = 10;
    else if (age != 10)
        age %= 10;
    p.StartAge = age;

    for (int k = 0; k < 10; ++k) {
        const int s = p.Backward ? -k : k;
        p.LuckPillars[static_cast<size_t>(k)] = Pillar(p.MonthStemCode + s, p.MonthBranchCode + s);
    }

    // The branch of the lunar year in which the next 节 falls.
    const int f = DaysToJie(birthDay, false);
    const int lunarYear = calendar::SolarToLunar(birthDay + f).Year;
    p.HiddenRows = {Mod(lunarYear - 1924, 12), Mod(month, 12), Mod(p.DayBranchCode - 1, 12),
                    Mod(static_cast<int>(std::lround((hour + 0.6) / 2)), 12)};
    return p;
}

}  // namespace

FourPillars ComputeFourPillars(int year, int month, int day, int hour, int minute,
                               std::string_view sexText) {
    // The same check as a typed date and time, with the same message.
    if (year < 1000 || year > 9999 || !IsValidDate(year, month, day) || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59)
        throw ConversionError(
            FieldText("出生时间", std::to_string(year) + "-" + std::to_string(month) + "-" +
                                      std::to_string(day) + " " + std::to_string(hour) + ":" +
                                      std::to_string(minute) + ":00") +
            "不是有效的日期和时间");
    return ComputeAt(year, month, day, hour, MakeDateValue(year, month, day, hour, minute),
                     sexText);
}

FourPillars ComputeFourPillars(DateValue moment, std::string_view sexText) {
    const CivilDate day = CivilFromDate(moment);
    return ComputeAt(day.year, day.month, day.day, TimeFromDate(moment).hour, moment, sexText);
}

std::string ElementLineOf(const FourPillars& p) {
    const std::array<std::string_view, 8> c = p.Characters();
    const std::string_view characters[8] = {c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]};
    return ElementLine(characters);
}

}  // namespace velmora::bazi
