#pragma once
// The four pillars (八字) of a Gregorian birth moment, with the 胎元, the
// luck-pillar direction, start age and list, and the hidden stems.
//
// The month (and at 立春 the year) changes at the exact instant of the month's
// 节, read from the solar-term table `JQ`; only a month that `JQ` lacks falls
// back to the usual fixed start days. The start age counts the days to the
// 节 that bounds the pillar month in the luck direction (at least one day),
// again from `JQ` where it has the row, else from the solar-term formula. The
// 子 hour from 23:00 keeps the birth day's day pillar but takes the next
// day's 子-hour stem.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/dates.h"

namespace velmora::bazi {

// The engine's codes: stems in 癸-first order, branches in 亥-first order.
inline constexpr std::array<std::string_view, 10> StemCodeNames = {"癸", "甲", "乙", "丙", "丁",
                                                                   "戊", "己", "庚", "辛", "壬"};
inline constexpr std::array<std::string_view, 12> BranchCodeNames = {
    "亥", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌"};

// Hidden stems by branch in 子-first order (子 = 0).
inline constexpr std::array<std::string_view, 12> HiddenStemTable = {
    "癸",   "癸辛己", "甲丙戊", "乙", "乙戊癸", "庚丙戊",
    "己丁", "乙己丁", "戊庚壬", "辛", "辛丁戊", "壬甲"};

// The twelve 节, from 立春; the n-th (0-based) starts the month whose
// Gregorian number is JieMonth(n).
inline constexpr std::array<std::string_view, 12> JieNames = {
    "立春", "惊蛰", "清明", "立夏", "芒种", "小暑", "立秋", "白露", "寒露", "立冬", "大雪", "小寒"};

bool IsJieName(std::string_view name);

// The 节 that falls in Gregorian month 1..12 (小寒 in January, 立春 in February, ...).
std::string_view JieOfMonth(int month);

// Fixed month-start key month * 100 + day of Gregorian month 1..12 (204 for February).
int MonthStartKey(int month);

// The instant of the month's 节 in `JQ` (China Standard Time), or nullopt
// when the table has no row for it. The 节 rows of `JQ` are read once per
// process; a Tgcode.db that cannot be read raises DatabaseError.
std::optional<DateValue> JieMomentOfMonth(int year, int month);

// True when `JQ` has a 节 on the moment's day and the moment is before it.
bool IsBeforeJieMoment(int year, DateValue moment);

// A stem and a branch in the engine's codes (stem 癸 = 0, branch 亥 = 0).
struct PillarCodes {
    std::int32_t StemCode = 0, BranchCode = 0;

    // "庚申"
    std::string Text() const;
};

// The pillars as codes and numbers; the report writers turn them into text.
struct FourPillars {
    std::int32_t YearStemCode = 0, YearBranchCode = 0;
    std::int32_t MonthStemCode = 0, MonthBranchCode = 0;
    std::int32_t DayStemCode = 0, DayBranchCode = 0;
    std::int32_t HourStemCode = 0, HourBranchCode = 0;

    bool BeforeJie = false;     // birth day is a 节 day in JQ and the moment is before it
    bool Backward = false;      // the luck pillars run backward
    std::int32_t StartAge = 0;  // 1..10
    PillarCodes TaiYuan;
    std::array<PillarCodes, 10> LuckPillars;  // from the month pillar, in the luck direction
    // Rows of HiddenStemTable (子 = 0) for the year, month, day and hour.
    std::array<std::int32_t, 4> HiddenRows = {};

    // The characters of the codes: "庚", "申", ...
    std::string YearStem() const;
    std::string YearBranch() const;
    std::string MonthStem() const;
    std::string MonthBranch() const;
    std::string DayStem() const;
    std::string DayBranch() const;
    std::string HourStem() const;
    std::string HourBranch() const;
    // Year stem, year branch, month stem, ..., hour branch.
    std::array<std::string_view, 8> Characters() const;
    // The hidden stems of pillar 0..3 (year..hour), e.g. "甲丙戊".
    std::string_view Hidden(int pillar) const;

    // "庚申 戊寅 己未 己巳"
    std::string PillarsText() const;
};

// The pillars of a Gregorian birth moment. The date must be a real day (the
// caller has parsed it); an hour above 23 or a minute above 59 raises
// ConversionError, a Tgcode.db that cannot be read DatabaseError.
// sexText is the trimmed sex ("男" or "女").
FourPillars ComputeFourPillars(int year, int month, int day, int hour, int minute,
                               std::string_view sexText);

// The same for a moment already held as a date value.
FourPillars ComputeFourPillars(DateValue moment, std::string_view sexText);

// The element line of the eight pillar characters (see ElementLine).
std::string ElementLineOf(const FourPillars& pillars);

}  // namespace velmora::bazi
