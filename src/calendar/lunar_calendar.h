#pragma once
// The Chinese calendar under the naming, analysis and bazi features: lunar
// dates of the years 1900 to 2100 from a table of year codes, the names of
// cycle years, lunar months and days, the solar-term formula, and the owner's
// birth input with its solar birth date. Everything here is a pure function
// of its arguments and the built-in tables.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/dates.h"

namespace velmora::calendar {

inline constexpr int kFirstLunarYear = 1900;
inline constexpr int kLastLunarYear = 2100;

// One code per lunar year 1900..2100. Bits 15..4: months 1..12, set = 30 days,
// clear = 29. Bits 3..0: the month after which the leap month comes (0 or 15:
// none). The leap month has 30 days when the NEXT year's low bits are 15.
inline constexpr std::array<std::uint16_t, 201> LunarInfo = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x5554, 0x56AF, 0x9AD0, 0x55D2,  // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD295, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977,  // 1910
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970,  // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F,  // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557,  // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0,  // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0,  // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6,  // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570,  // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0,  // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5,  // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930,  // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530,  // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45,  // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0,  // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF,  // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4,  // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0,  // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD260,  // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF, 0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252,  // 2090
    0xD520,                                                                          // 2100
};

// Name tables, stems and branches in 甲-first and 子-first order.
inline constexpr std::array<std::string_view, 10> StemNames = {"甲", "乙", "丙", "丁", "戊",
                                                               "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> BranchNames = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 12> ZodiacNames = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
// Index 0 is never used by the name functions.
inline constexpr std::array<std::string_view, 11> NumeralNames = {
    "日", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
inline constexpr std::array<std::string_view, 24> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
// Minutes of each term after the year's 小寒 moment, for the closed formula.
inline constexpr std::array<int, 24> SolarTermMinutes = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

struct LunarDate {
    std::int32_t Year = 0;    // 1900..2100; 0 in the empty value
    std::int32_t Month = 0;   // 1..12; a leap month carries the number of the month it follows
    std::int32_t Day = 0;     // 1..30
    std::uint8_t IsLeap = 0;  // 1 inside the leap month
    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// Days of the lunar year (year 1900..2100).
int LunarYearDays(int year);
// The month followed by the leap month, 0 when the year has none.
int LeapMonth(int year);
// 29 or 30, or 0 when the year has no leap month.
int LeapMonthDays(int year);
// 29 or 30 for the regular month; a month below 2 reads month 1's bit.
int LunarMonthDays(int year, int month);

// The lunar date of a whole day; the empty LunarDate outside 1900-01-31..2100-12-31.
LunarDate SolarToLunar(DateValue date);

// Lunar years 1901..2099, month 1..12, day 1 to the month's length; a leap
// month only where the year has one.
bool IsValidLunarDate(const LunarDate& date);

// The solar whole day of a lunar date; 0001-01-01 when the date is not valid.
DateValue LunarToSolar(const LunarDate& date);

// Serial of 0001-01-01, what LunarToSolar gives for an invalid lunar date.
DateValue InvalidSolarDate();

// LunarToSolar for a typed lunar date: raises ConversionError
// "农历日期“2021年1月30日”不存在…" when it has no solar day.
DateValue LunarToSolarChecked(const LunarDate& date);

// Moment of solar term `term` (0 = 小寒 .. 23 = 冬至) of a Gregorian year by
// the closed mean-year formula; accurate to the day at best.
DateValue SolarTermMoment(int year, int term);

// The name of the solar term whose formula day is this whole day, or empty
// (a date with a time of day never matches).
std::string_view SolarTermOn(DateValue date);

// "甲子(鼠年)" for cycle position n >= 0 (n = lunar year - 1864).
std::string CycleYearName(int n);
// "一月" .. "十二月", "闰四月"; other months give "月" (or "闰月").
std::string LunarMonthName(int month, bool leap);
// "初一" .. "三十"; other days give empty text.
std::string LunarDayName(int day);
// CycleYearName(Year - 1864) + LunarMonthName + LunarDayName, e.g. "庚申(猴年)一月初一".
std::string LunarText(const LunarDate& date);

// The owner's birth data as typed into one owner panel.
struct BirthInput {
    std::string Surname;
    std::string GivenName;
    std::string SexText;  // "男" or "女"
    int DateKind = 0;     // 0 = 公历, any other = 农历
    std::string YearText;
    std::string MonthText;
    std::string DayText;
    std::string HourText;  // "巳 10": branch character, one blank, hour 0..23
    std::string MinuteText;
};

// The hour of HourText: a typed whole number as it is, otherwise the combo
// item's bytes 4 and 5 (GBK), trimmed ("巳 10" gives 10). Raises
// ConversionError "出生小时“<text>”…" when neither is a whole number.
int HourNumber(const BirthInput& input);
// HourText's bytes 1 and 2: the hour's branch character.
std::string HourBranchLabel(const BirthInput& input);

struct SolarBirthDate {
    std::string DateText;  // e.g. "1980-1-1" as typed, or "1980-02-16" after a lunar input
    std::string YearText;
    std::string MonthText;
    std::string DayText;
    DateValue Date = 0;  // the day itself
};

// The solar birth date of an owner panel: a Gregorian input as typed, a lunar
// input (regular month, never leap) converted by LunarToSolarChecked. Raises
// ConversionError, naming the field and its text, for a Gregorian text that is
// no real date (`dateField` names it) and for lunar texts that are no whole
// numbers or no day of the lunar calendar.
SolarBirthDate ResolveSolarBirthDate(const BirthInput& input,
                                     std::string_view dateField = "出生日期");

// The birth years the pillars and reports are computed for, in either
// calendar: the lunar table, the solar-term table and every year the reports
// look ahead all cover them.
inline constexpr int kFirstBirthYear = 1901;
inline constexpr int kLastBirthYear = 2099;

// "出生年“1899”超出范围，须在1901至2099之间!" for a year outside the range.
std::optional<std::string> CheckBirthYear(int year);

// The first birth number of the panel outside its range, in the order of the
// panel (year, month, day, hour, minute): the message names the field, the
// text and the range. Month is 1..12, day 1..31 (lunar 1..30), hour 0..23,
// minute 0..59. A text that is no whole number passes here: converting it
// raises the conversion error that names it. Empty texts are the callers'
// own checks.
std::optional<std::string> CheckBirthNumbers(const BirthInput& input);

}  // namespace velmora::calendar
