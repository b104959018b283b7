#include "calendar/lunar_calendar.h"

#include <cmath>
#include <limits>

#include "base/errors.h"
#include "base/gbk.h"
#include "base/text.h"

namespace velmora::calendar {
namespace {

constexpr int kYearCount = kLastLunarYear - kFirstLunarYear + 1;
constexpr int kFirstDay = 32;           // 1900-01-31, lunar 1900 month 1 day 1
constexpr int kEndDay = 73416;          // 2101-01-01, first day past the range
constexpr int kLunar2000Start = 36561;  // 2000-02-05, lunar 2000 month 1 day 1

constexpr int Code(int year) { return LunarInfo[year - kFirstLunarYear]; }

constexpr int LeapOf(int year) {
    const int leap = Code(year) & 15;
    return leap == 15 ? 0 : leap;
}

constexpr int LeapDaysOf(int year) {
    if (LeapOf(year) == 0) return 0;
    return (year < kLastLunarYear && (Code(year + 1) & 15) == 15) ? 30 : 29;
}

constexpr int MonthDaysOf(int year, int month) {
    const int shift = month < 2 ? 0 : month - 1;
    if (shift > 15) return 29;
    return (Code(year) & (0x8000 >> shift)) ? 30 : 29;
}

constexpr int YearDaysOf(int year) {
    int days = 348;
    for (int bit = 15; bit >= 4; --bit)
        if (Code(year) & (1 << bit)) ++days;
    return days + LeapDaysOf(year);
}

// Day offset (from 1900-01-31) of the first day of each lunar year, plus one
// entry for the end of 2100.
constexpr std::array<int, kYearCount + 1> kYearStarts = [] {
    std::array<int, kYearCount + 1> starts{};
    for (int i = 0; i < kYearCount; ++i)
        starts[i + 1] = starts[i] + YearDaysOf(kFirstLunarYear + i);
    return starts;
}();

static_assert(kYearStarts[2000 - kFirstLunarYear] == kLunar2000Start - kFirstDay,
              "the year codes must put lunar 2000 on 2000-02-05");

constexpr double kMeanYearMs = 31556925974.7;

// Milliseconds from day 0 to the formula's moment: the first 小寒 at
// 1900-01-06 02:05:00, plus whole mean years and the term's fixed minutes.
long long TermMs(int year, int term) {
    static const long long base =
        static_cast<long long>(DaySerial(1900, 1, 6)) * 86400000LL + (2 * 3600 + 5 * 60) * 1000LL;
    const double r = (year - 1900) * kMeanYearMs + SolarTermMinutes[term] * 60000.0;
    return base + std::llround(r);
}

long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

int ToInt32(const std::string& text, std::string_view field) {
    const long long value = ToInteger(text, field);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw ConversionError(FieldText(field, text) + "不是有效的整数");
    return static_cast<int>(value);
}

// The names of the owner panel's boxes in the messages.
constexpr std::string_view kYearField = "出生年";
constexpr std::string_view kMonthField = "出生月";
constexpr std::string_view kDayField = "出生日";
constexpr std::string_view kHourField = "出生小时";
constexpr std::string_view kMinuteField = "出生分钟";

std::optional<std::string> CheckRange(std::string_view field, const std::string& text, int low,
                                      int high) {
    const std::optional<long long> value = ParseInteger(text);
    if (!value || (*value >= low && *value <= high)) return std::nullopt;
    return FieldText(field, Trim(text)) + "超出范围，须在" + std::to_string(low) + "至" +
           std::to_string(high) + "之间!";
}

}  // namespace

int LunarYearDays(int year) { return YearDaysOf(year); }
int LeapMonth(int year) { return LeapOf(year); }
int LeapMonthDays(int year) { return LeapDaysOf(year); }
int LunarMonthDays(int year, int month) { return MonthDaysOf(year, month); }

LunarDate SolarToLunar(DateValue date) {
    if (!(date >= kFirstDay) || date >= kEndDay) return {};
    const int offset = static_cast<int>(date - kFirstDay);

    // Start from an estimate of the year and correct it against the year starts.
    int index = static_cast<int>(offset / 365.2422);
    if (index >= kYearCount) index = kYearCount - 1;
    while (index > 0 && kYearStarts[index] > offset) --index;
    while (index + 1 < kYearCount && kYearStarts[index + 1] <= offset) ++index;

    const int year = kFirstLunarYear + index;
    int rest = offset - kYearStarts[index];
    const int leap = LeapOf(year);
    for (int month = 1; month <= 12; ++month) {
        const int days = MonthDaysOf(year, month);
        if (rest < days) return {year, month, rest + 1, 0};
        rest -= days;
        if (month == leap) {
            const int leapDays = LeapDaysOf(year);
            if (rest < leapDays) return {year, month, rest + 1, 1};
            rest -= leapDays;
        }
    }
    return {};  // unreachable: the year starts cover every day of the range
}

bool IsValidLunarDate(const LunarDate& d) {
    if (d.Year < 1901 || d.Year > 2099 || d.Month < 1 || d.Month > 12 || d.Day < 1 || d.Day > 30)
        return false;
    if (d.IsLeap) return d.Month == LeapOf(d.Year) && d.Day <= LeapDaysOf(d.Year);
    return d.Day <= MonthDaysOf(d.Year, d.Month);
}

DateValue InvalidSolarDate() {
    static const DateValue value = DaySerial(1, 1, 1);
    return value;
}

DateValue LunarToSolarChecked(const LunarDate& d) {
    if (IsValidLunarDate(d)) return LunarToSolar(d);
    throw ConversionError("农历日期“" + std::to_string(d.Year) + "年" + (d.IsLeap ? "闰" : "") +
                          std::to_string(d.Month) + "月" + std::to_string(d.Day) +
                          "日”不存在（农历年须在1901至2099之间）");
}

DateValue LunarToSolar(const LunarDate& d) {
    if (!IsValidLunarDate(d)) return InvalidSolarDate();
    const int leap = LeapOf(d.Year);
    long long sum = 0;
    for (int i = 1; i < d.Month; ++i) {
        sum += MonthDaysOf(d.Year, i);
        if (i == leap) sum += LeapDaysOf(d.Year);
    }
    sum += static_cast<long long>(d.Day) - 1;
    if (d.IsLeap && d.Month == leap) sum += MonthDaysOf(d.Year, d.Month);
    sum += kYearStarts[d.Year - kFirstLunarYear] - kYearStarts[2000 - kFirstLunarYear];
    return static_cast<DateValue>(kLunar2000Start + sum);
}

DateValue SolarTermMoment(int year, int term) {
    return static_cast<DateValue>(TermMs(year, term)) / 86400000.0;
}

std::string_view SolarTermOn(DateValue date) {
    if (date != std::floor(date)) return {};
    const CivilDate civil = CivilFromDate(date);
    const long long day = static_cast<long long>(date);
    for (int term : {2 * civil.month - 2, 2 * civil.month - 1})
        if (FloorDiv(TermMs(civil.year, term), 86400000LL) == day) return SolarTermNames[term];
    return {};
}

std::string CycleYearName(int n) {
    if (n < 0) return {};
    std::string name;
    name += StemNames[n % 10];
    name += BranchNames[n % 12];
    name += "(";
    name += ZodiacNames[n % 12];
    name += "年)";
    return name;
}

std::string LunarMonthName(int month, bool leap) {
    std::string name = leap ? "闰" : "";
    if (month >= 1 && month <= 10) {
        name += NumeralNames[month];
    } else if (month == 11 || month == 12) {
        name += "十";
        name += NumeralNames[month - 10];
    }
    return name + "月";
}

std::string LunarDayName(int day) {
    std::string name;
    if (day >= 1 && day <= 10) {
        name = "初";
        name += NumeralNames[day];
    } else if (day >= 11 && day <= 19) {
        name = "十";
        name += NumeralNames[day - 10];
    } else if (day == 20) {
        name = "二十";
    } else if (day >= 21 && day <= 29) {
        name = "廿";
        name += NumeralNames[day - 20];
    } else if (day == 30) {
        name = "三十";
    }
    return name;
}

std::string LunarText(const LunarDate& date) {
    return CycleYearName(date.Year - 1864) + LunarMonthName(date.Month, date.IsLeap != 0) +
           LunarDayName(date.Day);
}

int HourNumber(const BirthInput& input) {
    const std::string typed = Trim(input.HourText);
    if (ParseInteger(typed)) return ToInt32(typed, kHourField);
    const std::optional<long long> hour = ParseInteger(gbk::ByteSlice(input.HourText, 4, 2));
    if (!hour) throw ConversionError(FieldText(kHourField, typed) + "不是有效的小时");
    return static_cast<int>(*hour);
}

std::string HourBranchLabel(const BirthInput& input) {
    return gbk::ByteSlice(input.HourText, 1, 2);
}

SolarBirthDate ResolveSolarBirthDate(const BirthInput& input, std::string_view dateField) {
    SolarBirthDate result{"", Trim(input.YearText), Trim(input.MonthText), Trim(input.DayText)};
    if (input.DateKind == 0) {
        result.DateText = result.YearText + "-" + result.MonthText + "-" + result.DayText;
        result.Date = ParseDate(result.DateText, dateField);
        return result;
    }
    LunarDate lunar;
    lunar.Year = ToInt32(result.YearText, kYearField);
    lunar.Month = ToInt32(result.MonthText, kMonthField);
    lunar.Day = ToInt32(result.DayText, kDayField);
    result.Date = std::floor(LunarToSolarChecked(lunar));
    result.DateText = FormatDate(result.Date);
    result.YearText = result.DateText.substr(0, 4);
    result.MonthText = result.DateText.substr(5, 2);
    result.DayText = result.DateText.substr(8, 2);
    return result;
}

std::optional<std::string> CheckBirthYear(int year) {
    return CheckRange(kYearField, std::to_string(year), kFirstBirthYear, kLastBirthYear);
}

std::optional<std::string> CheckBirthNumbers(const BirthInput& input) {
    const std::string hour = Trim(input.HourText);
    const bool typedHour = ParseInteger(hour).has_value();
    for (auto problem : {
             CheckRange(kYearField, input.YearText, kFirstBirthYear, kLastBirthYear),
             CheckRange(kMonthField, input.MonthText, 1, 12),
             CheckRange(kDayField, input.DayText, 1, input.DateKind == 0 ? 31 : 30),
             CheckRange(kHourField, typedHour ? hour : gbk::ByteSlice(input.HourText, 4, 2), 0, 23),
             CheckRange(kMinuteField, input.MinuteText, 0, 59),
         })
        if (problem) return problem;
    return std::nullopt;
}

}  // namespace velmora::calendar
