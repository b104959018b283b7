#pragma once
// The engine behind the month calendar window: lunar months and days of the
// Gregorian years 1901 to 2050 from a table of per-year month runs, the 24
// solar terms from a table of their days, lunar and Gregorian festivals, the
// year's animal and the constellation of a day. A second calendar, on its own
// tables and separate from lunar_calendar.h; nothing here reads a database.
// Every function is a pure function of its argument, a real Gregorian date.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/dates.h"
#include "calendar/solar_term_days.h"

namespace velmora::calendar {

inline constexpr int kFirstTableYear = 1901;
inline constexpr int kLastTableYear = 2050;

// One record per Gregorian year 1901..2050, written as its four bytes with
// byte 0 first (most significant). Byte 0: bit 7 set when 1 January lies in
// the 12th lunar month, clear for the 11th; bits 0..6 the lunar day of
// 1 January. Bytes 1..2: bit 15 - k tells the length of month k of the year's
// run (k = 0 holds 1 January, leap months counted in turn): set 30, clear 29.
// Byte 3: the month that a leap month follows within the run, 0 for none.
inline constexpr std::array<std::uint32_t, 150> LunarInfoTable = {
    0x0B52BA00, 0x16A95D00, 0x83A93705, 0x0E749B00, 0x1AB65500,  // 1901
    0x87B55504, 0x1155AA00, 0x1CA6B500, 0x8AA57502, 0x1452BA00,  // 1906
    0x81526E06, 0x0DE93700, 0x18749700, 0x86EA9605, 0x106D5500,  // 1911
    0x1A35AA00, 0x884B6A02, 0x13A56D00, 0x1ED26E07, 0x0BD25E00,  // 1916
    0x17E92E00, 0x84D92D05, 0x0FDA9500, 0x195B5200, 0x8756D404,  // 1921
    0x114ADA00, 0x1CA55D00, 0x89A4BD02, 0x15D25D00, 0x82B25B06,  // 1926
    0x0DB52B00, 0x18BA9500, 0x86B6A505, 0x1056B400, 0x1A4ADA00,  // 1931
    0x8749BA03, 0x13A4BB00, 0x1EB25B07, 0x0B725700, 0x16752B00,  // 1936
    0x846D2A06, 0x0FAD5500, 0x1955AA00, 0x86556C04, 0x12C97600,  // 1941
    0x1C64B700, 0x8AE4AE02, 0x15EA5600, 0x83DA5507, 0x0D5B2A00,  // 1946
    0x18AD5500, 0x85AAD505, 0x10536A00, 0x1BA96D00, 0x88A95D03,  // 1951
    0x13D4AE00, 0x81D4AB08, 0x0CBA5500, 0x165AAA00, 0x8356AA06,  // 1956
    0x0FAAD500, 0x1952DA00, 0x8652BA04, 0x11A95D00, 0x1DD49B00,  // 1961
    0x8A749B03, 0x15B65500, 0x82AD5507, 0x0D55AA00, 0x18A5B500,  // 1966
    0x85A57505, 0x0F52B600, 0x1B693700, 0x89E93704, 0x13749700,  // 1971
    0x81EA9608, 0x0C6D5200, 0x162DAA00, 0x834B6A06, 0x0EA56D00,  // 1976
    0x1AD26E00, 0x87D25E04, 0x12E92E00, 0x1DEC960A, 0x0BDA9500,  // 1981
    0x155B5200, 0x8256D206, 0x0C2ADA00, 0x18A4DD00, 0x85A4BD05,  // 1986
    0x10D25D00, 0x1BD92D00, 0x89B52B03, 0x14BA9500, 0x81B59508,  // 1991
    0x0B56B200, 0x162ADA00, 0x8349B605, 0x0E64BB00, 0x19B25B00,  // 1996
    0x876A5704, 0x12752B00, 0x1DB69500, 0x8AAD5502, 0x1555AA00,  // 2001
    0x82556C07, 0x0DC97600, 0x1764B700, 0x86E4AE05, 0x11EA5600,  // 2006
    0x1B6D2A00, 0x885AAA04, 0x14AD5500, 0x81AAD509, 0x0B52EA00,  // 2011
    0x16A96D00, 0x84A95D06, 0x0FD4AE00, 0x1AEA4D00, 0x87BA5504,  // 2016
    0x125AAA00, 0x1DAB5500, 0x8AA6D502, 0x1452DA00, 0x8252BA06,  // 2021
    0x0DA93B00, 0x18B49B00, 0x85749B05, 0x11B54D00, 0x1CD6A900,  // 2026
    0x8835AA03, 0x13A5B500, 0x81A5750B, 0x0B52B600, 0x16693700,  // 2031
    0x84E92F06, 0x10F49700, 0x1A754B00, 0x876D5205, 0x112D6900,  // 2036
    0x1D95B500, 0x8AA56D02, 0x15D26E00, 0x82D25E07, 0x0EE92E00,  // 2041
    0x19EA9600, 0x86DA9505, 0x105B4A00, 0x1CAB6900, 0x882AD803,  // 2046
};
static_assert(LunarInfoTable.size() == kLastTableYear - kFirstTableYear + 1);
static_assert(SolarTermDayTable.size() == LunarInfoTable.size());

// Index 1..24: 1 小寒 .. 24 冬至; month m's terms are 2m - 1 and 2m.
inline constexpr std::array<std::string_view, 25> SolarTermTexts = {
    "",     "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑", "白露",
    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// The lunar date as one number: month * 100 + day, negative inside a leap
// month (-401 is 闰四月初一), 0 outside 1901-01-01 .. 2050-12-31.
using LunarCode = int;

// 28..31 (Gregorian leap years).
int DaysInMonthOf(int year, int month);

// 1 for 1 January .. 365 or 366.
int GetDayOfYear(CivilDate date);

LunarCode GetLunarCode(CivilDate date);

// "正月" .. "腊月"; a leap month "闰" + the month's name ("闰四", "闰冬");
// empty outside the table years.
std::string GetLunarMonthText(CivilDate date);

// "初一" .. "三十"; empty outside the table years.
std::string_view GetLunarDayText(CivilDate date);

// "春节", "元宵节", "端午节", "七夕节", "中秋节", "重阳节", "腊八节", "除夕", or empty.
std::string_view GetLunarHoliday(CivilDate date);

// The year's animal with its branch, "辰龙"; a date of January to March that
// still lies in the 11th or 12th lunar month takes the previous year's.
std::string_view GetZodiacText(CivilDate date);

// 1..24 when solar term of that index falls on the day, else 0 (also outside
// the table years).
int GetSolarTermIndex(int year, int month, int day);

std::string_view GetSolarTermText(CivilDate date);

// The Gregorian festival of day `day` of the date's year and month, or empty.
std::string_view GetSolarHoliday(int day, CivilDate date);

// The sign of the date by this calendar's own boundaries, "处女座".
std::string_view GetConstellation(CivilDate date);

// What one day's cell of the month grid shows under its day number, and which
// rule chose it. Later kinds win: a lunar festival over a solar term, a term
// over a Gregorian festival, a Gregorian festival over the lunar day or month.
enum class CellKind {
    Lunar,          // the lunar day, "初二" (empty outside the table years)
    Month,          // the lunar month on its first day, "二月", "闰四"
    SolarFestival,  // "情人节"
    Term,           // "立春"
    LunarFestival,  // "春节"
};

struct CellText {
    std::string text;
    CellKind kind = CellKind::Lunar;
    friend bool operator==(const CellText&, const CellText&) = default;
};

CellText GetCellText(CivilDate date);

// "lunar", "month", "solar-festival", "term", "lunar-festival".
std::string_view CellKindName(CellKind kind);

}  // namespace velmora::calendar
