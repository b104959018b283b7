#include "calendar/lunar_calendar.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace velmora::calendar {
namespace {

LunarDate Lunar(int y, int m, int d, bool leap = false) {
    return {y, m, d, static_cast<std::uint8_t>(leap ? 1 : 0)};
}

TEST(LunarCalendar, SolarToLunarAtRangeEndsNewYearsAndLeapMonths) {
    struct Case {
        int y, m, d;
        LunarDate want;
    };
    for (Case c : {
             Case{1900, 1, 31, Lunar(1900, 1, 1)},
             Case{1900, 1, 30, {}},
             Case{2101, 1, 1, {}},
             Case{2100, 12, 31, Lunar(2100, 12, 1)},
             Case{1984, 2, 2, Lunar(1984, 1, 1)},
             Case{2000, 2, 5, Lunar(2000, 1, 1)},
             Case{2023, 1, 22, Lunar(2023, 1, 1)},
             Case{2020, 5, 22, Lunar(2020, 4, 30)},
             Case{2020, 5, 23, Lunar(2020, 4, 1, true)},
             Case{2020, 6, 20, Lunar(2020, 4, 29, true)},
             Case{2020, 6, 21, Lunar(2020, 5, 1)},
             Case{2017, 7, 23, Lunar(2017, 6, 1, true)},
             Case{2033, 12, 22, Lunar(2033, 11, 1, true)},
         }) {
        EXPECT_EQ(SolarToLunar(DaySerial(c.y, c.m, c.d)), c.want)
            << c.y << "-" << c.m << "-" << c.d;
    }
    // A time of day does not move the date.
    EXPECT_EQ(SolarToLunar(DaySerial(2000, 2, 5) + 0.99), Lunar(2000, 1, 1));
}

TEST(LunarCalendar, YearAndMonthLengthsFromTheCodes) {
    EXPECT_EQ(LeapMonth(2020), 4);
    EXPECT_EQ(LeapMonthDays(2020), 29);
    EXPECT_EQ(LunarYearDays(2020), 384);
    EXPECT_EQ(LeapMonth(1906), 4);
    EXPECT_EQ(LeapMonthDays(1906), 30);
    EXPECT_EQ(LeapMonth(1907), 0);  // low bits 15: no leap month of its own
    EXPECT_EQ(LeapMonthDays(1907), 0);
    EXPECT_EQ(LunarMonthDays(2020, 1), 29);
    EXPECT_EQ(LunarMonthDays(2020, 2), 30);
    EXPECT_EQ(LunarMonthDays(2020, 0), LunarMonthDays(2020, 1));
    // The year lengths add up from 1900-01-31 to the end of the range.
    int days = 0;
    for (int y = 1900; y <= 2099; ++y) days += LunarYearDays(y);
    EXPECT_EQ(SolarToLunar(DaySerial(1900, 1, 31) + days), Lunar(2100, 1, 1));
}

TEST(LunarCalendar, LunarToSolarIncludingInvalidAndUnboundedDates) {
    const DateValue invalid = DaySerial(1, 1, 1);
    struct Case {
        LunarDate lunar;
        DateValue want;
    };
    for (Case c : {
             Case{Lunar(1980, 1, 1), static_cast<DateValue>(DaySerial(1980, 2, 16))},
             Case{Lunar(2021, 2, 30), static_cast<DateValue>(DaySerial(2021, 4, 11))},
             Case{Lunar(2020, 4, 1, true), static_cast<DateValue>(DaySerial(2020, 5, 23))},
             Case{Lunar(2020, 5, 1), static_cast<DateValue>(DaySerial(2020, 6, 21))},
             Case{Lunar(1901, 1, 1), static_cast<DateValue>(DaySerial(1901, 2, 19))},
             Case{Lunar(2021, 1, 30), invalid},        // month 1 of 2021 has 29 days
             Case{Lunar(2020, 5, 1, true), invalid},   // 2020 leaps after month 4
             Case{Lunar(2020, 4, 30, true), invalid},  // that leap month has 29 days
             Case{Lunar(2020, 13, 1), invalid},
             Case{Lunar(2020, 0, 1), invalid},
             Case{Lunar(2020, 1, 0), invalid},
             Case{Lunar(2020, 1, -5), invalid},
             Case{Lunar(1980, 1, -2147483647 - 1), invalid},
             Case{Lunar(2020, 1, 31), invalid},
             Case{Lunar(1900, 1, 1), invalid},
             Case{Lunar(2100, 1, 1), invalid},
         }) {
        EXPECT_EQ(LunarToSolar(c.lunar), c.want) << c.lunar.Year << "/" << c.lunar.Month << "/"
                                                 << c.lunar.Day << " leap " << int{c.lunar.IsLeap};
    }
}

// Every valid lunar date of 1901..2099 maps to a solar day that maps back,
// and consecutive lunar dates are consecutive days: no gap, no overlap.
TEST(LunarCalendar, EveryLunarDateOf1901To2099RoundTrips) {
    DateValue expected = LunarToSolar(Lunar(1901, 1, 1));
    int checked = 0;
    for (int y = 1901; y <= 2099; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (bool leap : {false, true}) {
                if (leap && LeapMonth(y) != m) continue;
                const int days = leap ? LeapMonthDays(y) : LunarMonthDays(y, m);
                for (int d = 1; d <= days; ++d) {
                    const LunarDate lunar = Lunar(y, m, d, leap);
                    ASSERT_TRUE(IsValidLunarDate(lunar));
                    const DateValue solar = LunarToSolar(lunar);
                    ASSERT_EQ(solar, expected) << y << "/" << m << "/" << d << " leap " << leap;
                    ASSERT_EQ(SolarToLunar(solar), lunar) << FormatDate(solar);
                    expected += 1;
                    ++checked;
                }
                EXPECT_FALSE(IsValidLunarDate(Lunar(y, m, days + 1, leap)));
            }
        }
    }
    EXPECT_EQ(expected, LunarToSolar(Lunar(2099, 12, 1)) + LunarMonthDays(2099, 12));
    EXPECT_GT(checked, 199 * 354);
}

TEST(LunarCalendar, NamesOfYearsMonthsAndDays) {
    struct Text {
        std::string got, want;
    };
    for (const Text& t : {
             Text{CycleYearName(0), "甲子(鼠年)"},
             Text{CycleYearName(116), "庚申(猴年)"},
             Text{CycleYearName(59), "癸亥(猪年)"},
             Text{CycleYearName(-1864), ""},
             Text{LunarMonthName(1, false), "一月"},
             Text{LunarMonthName(10, false), "十月"},
             Text{LunarMonthName(12, false), "十二月"},
             Text{LunarMonthName(4, true), "闰四月"},
             Text{LunarMonthName(13, false), "月"},
             Text{LunarDayName(1), "初一"},
             Text{LunarDayName(10), "初十"},
             Text{LunarDayName(11), "十一"},
             Text{LunarDayName(20), "二十"},
             Text{LunarDayName(21), "廿一"},
             Text{LunarDayName(30), "三十"},
             Text{LunarDayName(31), ""},
             Text{LunarDayName(0), ""},
             Text{LunarText(SolarToLunar(DaySerial(1980, 2, 16))), "庚申(猴年)一月初一"},
             Text{LunarText(SolarToLunar(DaySerial(2020, 5, 23))), "庚子(鼠年)闰四月初一"},
             Text{LunarText(SolarToLunar(DaySerial(2033, 12, 22))), "癸丑(牛年)闰十一月初一"},
         }) {
        EXPECT_EQ(t.got, t.want);
    }
}

TEST(LunarCalendar, SolarTermOnMatchesOnlyTheFormulaDay) {
    struct Case {
        int y, m, d;
        std::string_view want;
    };
    for (Case c : {Case{2000, 2, 4, "立春"}, Case{2000, 2, 5, ""}, Case{2024, 12, 6, "大雪"},
                   Case{2024, 12, 21, "冬至"}, Case{1900, 1, 6, "小寒"}, Case{2024, 7, 15, ""}}) {
        EXPECT_EQ(SolarTermOn(DaySerial(c.y, c.m, c.d)), c.want) << c.y << "-" << c.m << "-" << c.d;
    }
    const DateValue moment = SolarTermMoment(2000, 2);
    EXPECT_EQ(FormatDate(moment), "2000-02-04");
    EXPECT_NEAR((moment - DaySerial(2000, 2, 4)) * 24, 19 + 8 / 60.0, 0.1);  // about 19:08
    EXPECT_EQ(SolarTermOn(DaySerial(2000, 2, 4) + 0.5), "");
}

TEST(LunarCalendar, ResolveSolarBirthDateKeepsGregorianTextAndConvertsLunar) {
    BirthInput b;
    b.YearText = " 1980 ";
    b.MonthText = "1";
    b.DayText = "1";
    SolarBirthDate r = ResolveSolarBirthDate(b);
    EXPECT_EQ(r.DateText, "1980-1-1");
    EXPECT_EQ(r.YearText + "|" + r.MonthText + "|" + r.DayText, "1980|1|1");
    EXPECT_EQ(r.Date, DaySerial(1980, 1, 1));

    b.DateKind = 1;
    r = ResolveSolarBirthDate(b);
    EXPECT_EQ(r.DateText, "1980-02-16");
    EXPECT_EQ(r.YearText + "|" + r.MonthText + "|" + r.DayText, "1980|02|16");
    EXPECT_EQ(r.Date, DaySerial(1980, 2, 16));

    // A lunar date without a solar day, or a day that is no 32-bit number,
    // is a conversion error naming the field and the text.
    b.YearText = "2021";
    const struct {
        const char* day;
        const char* message;
    } bad[] = {
        {"30", "农历日期“2021年1月30日”不存在（农历年须在1901至2099之间）"},  // 29 days
        {"0", "农历日期“2021年1月0日”不存在（农历年须在1901至2099之间）"},
        {"x", "出生日“x”不是有效的整数"},
        {"", "出生日“”不是有效的整数"},
        {"1.5", "出生日“1.5”不是有效的整数"},
        {"99999999999", "出生日“99999999999”不是有效的整数"},
    };
    for (const auto& c : bad) {
        b.DayText = c.day;
        try {
            ResolveSolarBirthDate(b);
            ADD_FAILURE() << c.day;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }

    // A Gregorian text that is no real day fails here, quoting the text.
    b = BirthInput{};
    b.YearText = "2023";
    b.MonthText = "2";
    b.DayText = "29";
    try {
        ResolveSolarBirthDate(b);
        ADD_FAILURE() << "2023-2-29 accepted";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "出生日期“2023-2-29”不是有效的日期");
    }
}

// The first birth number outside its range, in the panel's order; texts that
// are no number are left to the conversion, which names them.
TEST(LunarCalendar, CheckBirthNumbersNamesFieldTextAndRange) {
    const struct {
        int dateKind;
        const char *year, *month, *day, *hour, *minute;
        const char* message;  // empty: accepted
    } cases[] = {
        {0, "1980", "1", "1", "巳 10", "0", ""},
        {0, "1901", "12", "31", "亥 23", "59", ""},
        {1, "2099", "12", "30", "子 0", "0", ""},
        {0, " 2024 ", "2", "10", "23", " 30 ", ""},  // a typed hour without its branch
        {0, "1900", "12", "31", "子 0", "0", "出生年“1900”超出范围，须在1901至2099之间!"},
        {1, "2100", "1", "1", "子 0", "0", "出生年“2100”超出范围，须在1901至2099之间!"},
        {0, "1980", "13", "1", "子 0", "0", "出生月“13”超出范围，须在1至12之间!"},
        {1, "1980", "0", "1", "子 0", "0", "出生月“0”超出范围，须在1至12之间!"},
        {0, "1980", "1", "32", "子 0", "0", "出生日“32”超出范围，须在1至31之间!"},
        {1, "1980", "1", "31", "子 0", "0", "出生日“31”超出范围，须在1至30之间!"},
        {1, "2020", "1", "-5", "子 0", "0", "出生日“-5”超出范围，须在1至30之间!"},
        {0, "1980", "1", "1", "24", "0", "出生小时“24”超出范围，须在0至23之间!"},
        {0, "1980", "1", "1", "子 -1", "0", "出生小时“-1”超出范围，须在0至23之间!"},
        {0, "1980", "1", "1", "子 0", "60", "出生分钟“60”超出范围，须在0至59之间!"},
        {0, "1899", "1", "1", "子 0", "60", "出生年“1899”超出范围，须在1901至2099之间!"},
        {0, "19x0", "13", "1", "子 0", "0", "出生月“13”超出范围，须在1至12之间!"},
        {0, "1980", "1", "1", "巳", "x", ""},
    };
    for (const auto& c : cases) {
        BirthInput b;
        b.DateKind = c.dateKind;
        b.YearText = c.year;
        b.MonthText = c.month;
        b.DayText = c.day;
        b.HourText = c.hour;
        b.MinuteText = c.minute;
        EXPECT_EQ(CheckBirthNumbers(b).value_or(""), c.message)
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute;
    }
    EXPECT_EQ(CheckBirthYear(kFirstBirthYear), std::nullopt);
    EXPECT_EQ(CheckBirthYear(kLastBirthYear + 1), "出生年“2100”超出范围，须在1901至2099之间!");
}

TEST(LunarCalendar, HourNumberReadsTheFourthAndFifthByte) {
    struct Case {
        const char* text;
        int hour;
    };
    for (Case c : {Case{"子 0", 0}, Case{"巳 10", 10}, Case{"亥 23", 23}, Case{"午 12 ", 12}}) {
        BirthInput b;
        b.HourText = c.text;
        EXPECT_EQ(HourNumber(b), c.hour) << c.text;
    }
    BirthInput b;
    b.HourText = "巳 10";
    EXPECT_EQ(HourBranchLabel(b), "巳");
    b.HourText = " 23 ";  // typed without its branch
    EXPECT_EQ(HourNumber(b), 23);
    for (const char* bad : {"巳", "", "十点"}) {
        b.HourText = bad;
        try {
            HourNumber(b);
            ADD_FAILURE() << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "出生小时“" + std::string(bad) + "”不是有效的小时");
        }
    }
}

}  // namespace
}  // namespace velmora::calendar
