#include "bazi/four_pillars.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "bazi/lookups.h"
#include "calendar/lunar_calendar.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::bazi {
namespace {

constexpr int Mod(int x, int n) { return ((x % n) + n) % n; }

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

std::string Pillar(int stemCode, int branchCode) {
    return std::string(StemCodeNames[Mod(stemCode, 10)]) +
           std::string(BranchCodeNames[Mod(branchCode, 12)]);
}

}  // namespace

bool IsJieName(std::string_view name) {
    for (std::string_view jie : JieNames)
        if (name == jie) return true;
    return false;
}

std::string_view JieOfMonth(int month) { return JieNames[Mod(month - 2, 12)]; }

int MonthStartKey(int month) { return kMonthStartKeys[Mod(month - 1, 12)]; }

namespace {

// The 节 instants of the month before, of the birth's Gregorian month and of
// the month after, from JQ; a missing row (or a database error) stays empty.
struct JieMoments {
    std::optional<DateValue> previous, current, next;
};

JieMoments JieMomentsAround(store::Query& tgcode, int year, int month) {
    const int previousYear = month == 1 ? year - 1 : year;
    const int previousMonth = month == 1 ? 12 : month - 1;
    const int nextYear = month == 12 ? year + 1 : year;
    const int nextMonth = month == 12 ? 1 : month + 1;
    auto param = [](int y, int m) {
        return std::pair{store::Param(static_cast<long long>(y)),
                         store::Param(std::string(JieOfMonth(m)))};
    };
    const auto [y0, n0] = param(previousYear, previousMonth);
    const auto [y1, n1] = param(year, month);
    const auto [y2, n2] = param(nextYear, nextMonth);
    JieMoments moments;
    try {
        tgcode.Close();
        tgcode.SetSql(
            "SELECT YearA, JQ, SJ FROM JQ WHERE (YearA = ? AND JQ = ?) OR (YearA = ? AND JQ = ?) "
            "OR (YearA = ? AND JQ = ?)");
        tgcode.SetParams({y0, n0, y1, n1, y2, n2});
        tgcode.Open();
        for (tgcode.First(); !tgcode.AtEnd(); tgcode.Next()) {
            const long long rowYear = tgcode.FieldAt(0).AsInteger();
            const std::string name = tgcode.FieldAt(1).AsText();
            const DateValue instant = tgcode.FieldAt(2).AsDate();
            if (rowYear == year && name == JieOfMonth(month))
                moments.current = instant;
            else if (rowYear == previousYear && name == JieOfMonth(previousMonth))
                moments.previous = instant;
            else if (rowYear == nextYear && name == JieOfMonth(nextMonth))
                moments.next = instant;
        }
        tgcode.Close();
    } catch (const std::exception&) {
        tgcode.Close();
        return {};
    }
    return moments;
}

}  // namespace

std::optional<DateValue> JieMomentOfMonth(int year, int month) {
    store::Query query = OpenTgcodeQuery();
    return JieMomentsAround(query, year, month).current;
}

bool IsBeforeJieMoment(int year, DateValue moment) {
    try {
        store::Query query = OpenTgcodeQuery();
        query.SetSql(
            "SELECT SJ FROM JQ WHERE YearA = ? AND JQ IN ('立春','惊蛰','清明','立夏','芒种',"
            "'小暑','立秋','白露','寒露','立冬','大雪','小寒') AND date(SJ) = ? LIMIT 1");
        query.SetParams(
            {store::Param(static_cast<long long>(year)), store::Param(FormatDate(moment))});
        query.Open();
        return query.RowCount() == 1 && moment < query.FieldAt(0).AsDate();
    } catch (const std::exception&) {
        return false;
    }
}

std::string FourPillars::PillarsText() const {
    return YearStem + YearBranch + " " + MonthStem + MonthBranch + " " + DayStem + DayBranch + " " +
           HourStem + HourBranch;
}

FourPillars ComputeFourPillars(int year, int month, int day, int hour, int minute,
                               std::string_view sexText) {
    // The moment text is parsed like any typed date and time, so an hour above
    // 23 or a minute above 59 raises the usual conversion error.
    const DateValue moment = ParseDateTime(
        std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day) + " " +
            std::to_string(hour) + ":" + std::to_string(minute) + ":00",
        "出生时间");
    const DateValue birthDay = std::floor(moment);

    FourPillars p;
    // One temporary query serves the 21 lookups of the call.
    store::Query tgcode = OpenTgcodeQuery();

    // Month and year change at the month's 节 instant; a month without a row
    // in JQ uses its fixed start day.
    const JieMoments jieMoments = JieMomentsAround(tgcode, year, month);
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

    p.YearStem = StemCodeNames[p.YearStemCode];
    p.YearBranch = BranchCodeNames[p.YearBranchCode];
    p.MonthStem = StemCodeNames[p.MonthStemCode];
    p.MonthBranch = BranchCodeNames[p.MonthBranchCode];
    p.DayStem = StemCodeNames[p.DayStemCode];
    p.DayBranch = BranchCodeNames[p.DayBranchCode];
    p.HourStem = StemCodeNames[p.HourStemCode];
    p.HourBranch = BranchCodeNames[p.HourBranchCode];

    p.TaiYuan = Pillar(p.MonthStemCode + 1, p.MonthBranchCode + 3) + " ";

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
    p.StartAgeText = std::to_string(age);

    // Nayin first, then ten gods, so each run reuses its prepared statement.
    p.LuckNayinLine = "纳音：";
    p.LuckTenGodLine = "十神：";
    for (int k = 0; k < 10; ++k) {
        const int s = p.Backward ? -k : k;
        const std::string pillar = Pillar(p.MonthStemCode + s, p.MonthBranchCode + s);
        if (k > 0) p.LuckPillars += "   ";
        p.LuckPillars += pillar;
        p.LuckNayinLine += NayinOf(tgcode, pillar) + " ";
    }
    for (int k = 0; k < 10; ++k) {
        const int s = p.Backward ? -k : k;
        const std::string stem(StemCodeNames[Mod(p.MonthStemCode + s, 10)]);
        p.LuckTenGodLine += TenGodOf(tgcode, p.DayStem + stem) + "   ";
    }

    // The branch of the lunar year in which the next 节 falls.
    const int f = DaysToJie(birthDay, false);
    const int lunarYear = calendar::SolarToLunar(birthDay + f).Year;
    p.YearHidden = HiddenStemTable[Mod(lunarYear - 1924, 12)];
    p.MonthHidden = HiddenStemTable[Mod(month, 12)];
    p.DayHidden = HiddenStemTable[Mod(p.DayBranchCode - 1, 12)];
    p.HourHidden = HiddenStemTable[Mod(static_cast<int>(std::lround((hour + 0.6) / 2)), 12)];
    return p;
}

std::string ElementLineOf(const FourPillars& p) {
    const std::string_view characters[8] = {p.YearStem, p.YearBranch, p.MonthStem, p.MonthBranch,
                                            p.DayStem,  p.DayBranch,  p.HourStem,  p.HourBranch};
    return ElementLine(characters);
}

}  // namespace velmora::bazi
