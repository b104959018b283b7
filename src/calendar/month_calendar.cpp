#include "calendar/month_calendar.h"

#include <chrono>

namespace velmora::calendar {
namespace {

constexpr std::array<std::string_view, 13> kLunarMonthNames = {
    "", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};

constexpr std::array<std::string_view, 31> kLunarDayNames = {
    "",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十", "廿一",
    "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

// Index 0 is the 子鼠 year 1972 and every twelfth year from it.
constexpr std::array<std::string_view, 12> kAnimalNames = {
    "子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇", "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};

constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInYear(int year) { return IsLeapYear(year) ? 366 : 365; }

constexpr int DayOfYear(int year, int month, int day) {
    constexpr std::array<int, 12> kDaysBefore = {0,   31,  59,  90,  120, 151,
                                                 181, 212, 243, 273, 304, 334};
    return kDaysBefore[month - 1] + day + (month > 2 && IsLeapYear(year) ? 1 : 0);
}

// One year's record taken apart.
struct YearRun {
    int firstMonth;  // 11 or 12: the lunar month holding 1 January
    int firstDay;    // lunar day of 1 January
    int lengths;     // bit 15 - k: month k of the run has 30 days
    int leapAfter;   // the month a leap month follows, 0 for none

    constexpr explicit YearRun(std::uint32_t record)
        : firstMonth(record & 0x80000000u ? 12 : 11),
          firstDay(static_cast<int>(record >> 24) & 127),
          lengths(static_cast<int>(record >> 8) & 0xFFFF),
          leapAfter(static_cast<int>(record & 0xFF)) {}

    constexpr int Length(int k) const { return lengths & (1 << (15 - k)) ? 30 : 29; }

    // The month after `month` in the run; negative numbers are leap months.
    constexpr int Next(int month) const {
        if (month == leapAfter) return -leapAfter;
        const int next = (month < 0 ? -month : month) + 1;
        return next == 13 ? 1 : next;
    }
};

constexpr YearRun RunOf(int year) { return YearRun(LunarInfoTable[year - kFirstTableYear]); }

constexpr LunarCode CodeOf(int year, int dayIndex);

// Whether the last day of the year before lies in a leap month.
constexpr bool YearOpensInLeapMonth(int year) {
    return year > kFirstTableYear && CodeOf(year - 1, DaysInYear(year - 1) - 1) < 0;
}

// dayIndex: 0 for 1 January.
constexpr LunarCode CodeOf(int year, int dayIndex) {
    if (year < kFirstTableYear || year > kLastTableYear) return 0;
    const YearRun run = RunOf(year);
    int month = run.firstMonth;
    int day = 0;
    int passed = run.Length(0) - run.firstDay;  // days of the run before month k
    if (dayIndex <= passed) {
        day = run.firstDay + dayIndex;
        if (YearOpensInLeapMonth(year)) month = -month;
    } else {
        int k = 1;
        month = run.Next(month);
        while (dayIndex > passed + run.Length(k)) {
            passed += run.Length(k);
            ++k;
            month = run.Next(month);
        }
        day = dayIndex - passed;
    }
    return month > 0 ? month * 100 + day : month * 100 - day;
}

// Every record must start on a real lunar day, name a real month as the one
// followed by a leap month, and run its 16 months past 31 December.
constexpr bool RecordsAreWellFormed() {
    for (int year = kFirstTableYear; year <= kLastTableYear; ++year) {
        const YearRun run = RunOf(year);
        if (run.firstDay < 1 || run.firstDay > run.Length(0) || run.leapAfter > 12) return false;
        int covered = -run.firstDay;
        for (int k = 0; k < 16; ++k) covered += run.Length(k);
        if (covered < DaysInYear(year)) return false;
    }
    return true;
}
static_assert(RecordsAreWellFormed());

// Each month's first term on day 3..9 (high nibble 6..12) and its second on
// day 18..24 (low nibble 3..9), so the two never meet across day 15.
constexpr bool TermDaysInRange() {
    for (const auto& row : SolarTermDayTable)
        for (std::uint8_t b : row)
            if (b / 16 < 6 || b / 16 > 12 || b % 16 < 3 || b % 16 > 9) return false;
    return true;
}
static_assert(TermDaysInRange());

std::chrono::sys_days DaysOf(CivilDate date) {
    using namespace std::chrono;
    return sys_days{year{date.year} / month{static_cast<unsigned>(date.month)} /
                    day{static_cast<unsigned>(date.day)}};
}

CivilDate NextDay(CivilDate date) {
    const std::chrono::year_month_day next{DaysOf(date) + std::chrono::days{1}};
    return {static_cast<int>(next.year()), static_cast<int>(static_cast<unsigned>(next.month())),
            static_cast<int>(static_cast<unsigned>(next.day()))};
}

}  // namespace

int DaysInMonthOf(int year, int month) {
    return month == 12 ? 31 : DayOfYear(year, month + 1, 1) - DayOfYear(year, month, 1);
}

int GetDayOfYear(CivilDate date) { return DayOfYear(date.year, date.month, date.day); }

LunarCode GetLunarCode(CivilDate date) { return CodeOf(date.year, GetDayOfYear(date) - 1); }

std::string GetLunarMonthText(CivilDate date) {
    const int month = GetLunarCode(date) / 100;
    if (month > 0) return std::string(kLunarMonthNames[month]) + "月";
    if (month < 0) return "闰" + std::string(kLunarMonthNames[-month]);
    return {};
}

std::string_view GetLunarDayText(CivilDate date) {
    const LunarCode code = GetLunarCode(date);
    return kLunarDayNames[(code < 0 ? -code : code) % 100];
}

std::string_view GetLunarHoliday(CivilDate date) {
    const LunarCode code = GetLunarCode(date);
    if (code == 0) return {};
    const int day = (code < 0 ? -code : code) % 100;
    const std::string month = GetLunarMonthText(date);
    struct Festival {
        int day;
        std::string_view month;
        std::string_view name;
    };
    static constexpr Festival kFestivals[] = {
        {1, "正月", "春节"},    {5, "五月", "端午节"}, {7, "七月", "七夕节"},
        {8, "腊月", "腊八节"},  {9, "九月", "重阳节"}, {15, "八月", "中秋节"},
        {15, "正月", "元宵节"},
    };
    for (const Festival& f : kFestivals)
        if (f.day == day && f.month == month) return f.name;
    // The last day of the lunar year: tomorrow opens the first month.
    if (month != "正月" && GetLunarMonthText(NextDay(date)) == "正月") return "除夕";
    return {};
}

std::string_view GetZodiacText(CivilDate date) {
    int index = ((date.year - 1972) % 12 + 12) % 12;
    if (date.month <= 3) {
        const std::string month = GetLunarMonthText(date);
        if (month.find("腊") != std::string::npos || month.find("冬") != std::string::npos)
            index = (index + 11) % 12;
    }
    return kAnimalNames[index];
}

int GetSolarTermIndex(int year, int month, int day) {
    if (year < kFirstTableYear || year > kLastTableYear) return 0;
    const std::uint8_t days = SolarTermDayTable[year - kFirstTableYear][month - 1];
    if (day < 15) return day == 15 - days / 16 ? 2 * month - 1 : 0;
    return day == 15 + days % 16 ? 2 * month : 0;
}

std::string_view GetSolarTermText(CivilDate date) {
    return SolarTermTexts[GetSolarTermIndex(date.year, date.month, date.day)];
}

std::string_view GetSolarHoliday(int day, CivilDate date) {
    using std::chrono::Sunday;
    using std::chrono::Thursday;
    const std::chrono::weekday weekday{DaysOf({date.year, date.month, day})};
    const int week = (day - 1) / 7;  // 1: second occurrence, 2: third, 3: fourth
    switch (date.month) {
        case 1:
            if (day == 1) return "元旦节";
            break;
        case 2:
            if (day == 14) return "情人节";
            break;
        case 3:
            if (day == 8) return "妇女节";
            break;
        case 4:
            if (day == 1) return "愚人节";
            break;
        case 5:
            if (day == 1) return "劳动节";
            if (day == 4) return "青年节";
            if (weekday == Sunday && week == 1) return "母亲节";
            break;
        case 6:
            if (day == 1) return "儿童节";
            if (weekday == Sunday && week == 2) return "父亲节";
            break;
        case 7:
            if (day == 1) return "建党节";
            break;
        case 8:
            if (day == 1) return "建军节";
            break;
        case 9:
            if (day == 10) return "教师节";
            break;
        case 10:
            if (day == 1) return "国庆节";
            if (day == 6) return "老人节";
            if (day == 31) return "万圣节";
            break;
        case 11:
            if (day == 8) return "记者日";
            if (weekday == Thursday && week == 3) return "感恩节";
            break;
        case 12:
            if (day == 25) return "圣诞节";
            break;
    }
    return {};
}

std::string_view GetConstellation(CivilDate date) {
    struct Boundary {
        int lastDay;  // the last day of the month under the earlier sign
        std::string_view earlier;
        std::string_view later;
    };
    static constexpr std::array<Boundary, 12> kBoundaries = {{
        {19, "摩羯座", "水瓶座"},
        {18, "水瓶座", "双鱼座"},
        {20, "双鱼座", "白羊座"},
        {19, "白羊座", "金牛座"},
        {20, "金牛座", "双子座"},
        {21, "双子座", "巨蟹座"},
        {22, "巨蟹座", "狮子座"},
        {22, "狮子座", "处女座"},
        {22, "处女座", "天秤座"},
        {23, "天秤座", "天蝎座"},
        {21, "天蝎座", "射手座"},
        {21, "射手座", "摩羯座"},
    }};
    const Boundary& b = kBoundaries[date.month - 1];
    return date.day <= b.lastDay ? b.earlier : b.later;
}

CellText GetCellText(CivilDate date) {
    CellText cell{std::string(GetLunarDayText(date)), CellKind::Lunar};
    if (cell.text == "初一") cell = {GetLunarMonthText(date), CellKind::Month};
    if (std::string_view festival = GetSolarHoliday(date.day, date); !festival.empty())
        cell = {std::string(festival), CellKind::SolarFestival};
    if (std::string_view term = GetSolarTermText(date); !term.empty())
        cell = {std::string(term), CellKind::Term};
    if (std::string_view festival = GetLunarHoliday(date); !festival.empty())
        cell = {std::string(festival), CellKind::LunarFestival};
    return cell;
}

std::string_view CellKindName(CellKind kind) {
    switch (kind) {
        case CellKind::Lunar:
            return "lunar";
        case CellKind::Month:
            return "month";
        case CellKind::SolarFestival:
            return "solar-festival";
        case CellKind::Term:
            return "term";
        case CellKind::LunarFestival:
            return "lunar-festival";
    }
    return {};
}

}  // namespace velmora::calendar
