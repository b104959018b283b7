#include "bazi/four_pillars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "base/errors.h"
#include "base/text.h"
#include "bazi/bazi_report.h"
#include "bazi/lookups.h"
#include "calendar/lunar_calendar.h"
#include "jq_fixture.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::bazi {
namespace {

struct Birth {
    int y, m, d, h, mi;
    const char* sex;
};

FourPillars Compute(const Birth& b) { return ComputeFourPillars(b.y, b.m, b.d, b.h, b.mi, b.sex); }

std::string Describe(const Birth& b) {
    return std::to_string(b.y) + "-" + std::to_string(b.m) + "-" + std::to_string(b.d) + " " +
           std::to_string(b.h) + ":" + std::to_string(b.mi) + " " + b.sex;
}

// Births with the real solar-term table: every value the bazi report prints.
TEST(FourPillars, KnownBirthsWithTheBuiltSolarTerms) {
    struct Case {
        Birth birth;
        const char* pillars;
        const char* taiYuan;
        int startAge;
        bool backward;
        const char* luck;    // empty: not checked
        const char* hidden;  // year, month, day, hour
    };
    const Case cases[] = {
        {{2000, 1, 1, 0, 0, "男"},
         "己卯 丙子 戊午 壬子",
         "丁卯",
         9,
         true,
         "丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳   戊辰   丁卯",
         "乙 癸辛己 己丁 癸"},
        // 23:00 keeps the day pillar; its 子 hour takes the next day's stem.
        {{2000, 1, 1, 23, 0, "男"},
         "己卯 丙子 戊午 甲子",
         "丁卯",
         9,
         true,
         "",
         "乙 癸辛己 己丁 癸"},
        {{1980, 2, 16, 10, 30, "男"},
         "庚申 戊寅 己未 己巳",
         "己巳",
         6,
         false,
         "戊寅   己卯   庚辰   辛巳   壬午   癸未   甲申   乙酉   丙戌   丁亥",
         ""},
        {{1980, 2, 16, 10, 30, "女"},
         "庚申 戊寅 己未 己巳",
         "己巳",
         4,
         true,
         "戊寅   丁丑   丙子   乙亥   甲戌   癸酉   壬申   辛未   庚午   己巳",
         ""},
        // 立春 2021 fell on 02-03 at 22:59: the year and month change at that
        // instant, and the luck starts at 1 in both directions, that 节 being
        // less than a day away.
        {{2021, 2, 3, 23, 30, "男"}, "辛丑 庚寅 壬午 壬子", "辛巳", 1, true, "", ""},
        {{2021, 2, 3, 22, 0, "男"}, "庚子 己丑 壬午 辛亥", "庚辰", 1, false, "", ""},
        // 立春 2024 fell on 02-04 at 16:27.
        {{2024, 2, 4, 10, 0, "男"}, "癸卯 乙丑 戊戌 丁巳", "丙辰", 10, true, "", ""},
        {{2024, 2, 4, 17, 0, "男"}, "甲辰 丙寅 戊戌 辛酉", "丁巳", 10, false, "", ""},
        // 小暑 2000 fell on 07-07 at 03:14. After it the next 节, 立秋 on 08-07,
        // lies 31 days ahead, so the start age wraps to 1.
        {{2000, 7, 7, 12, 0, "男"}, "庚辰 癸未 丙寅 甲午", "甲戌", 1, false, "", ""},
        {{2000, 7, 8, 12, 0, "男"}, "庚辰 癸未 丁卯 丙午", "甲戌", 10, false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.birth));
        const FourPillars p = Compute(c.birth);
        EXPECT_EQ(p.PillarsText(), c.pillars);
        EXPECT_EQ(p.TaiYuan.Text(), c.taiYuan);
        EXPECT_EQ(p.StartAge, c.startAge);
        EXPECT_EQ(p.Backward, c.backward);
        if (*c.luck) {
            EXPECT_EQ(LuckPillarsText(p), c.luck);
        }
        if (*c.hidden) {
            EXPECT_EQ(std::string(p.Hidden(0)) + " " + std::string(p.Hidden(1)) + " " +
                          std::string(p.Hidden(2)) + " " + std::string(p.Hidden(3)),
                      c.hidden);
        }
    }
}

TEST(FourPillars, LuckLinesCarryNayinAndTenGodsOfEachPillar) {
    const FourPillars p = Compute({1980, 2, 16, 10, 30, "男"});
    const auto tables = StemBranchTables::Current();
    const std::string nayin = LuckNayinLine(*tables, p);
    const std::string tenGods = LuckTenGodLine(*tables, p);
    // 戊寅 城头土, 己卯 城头土, 庚辰 白蜡金 ...; day stem 己 sees 戊 as 劫财, 己 比肩, 庚 伤官.
    EXPECT_EQ(nayin.rfind("纳音：城头土 城头土 白蜡金 白蜡金 ", 0), 0u) << nayin;
    EXPECT_EQ(tenGods.rfind("十神：劫财   比肩   伤官   食神   ", 0), 0u) << tenGods;
    EXPECT_EQ(Split(nayin, ' ').size(), 11u);  // ten names, each followed by a blank
    EXPECT_EQ(tenGods.substr(tenGods.size() - 3), "   ");
}

// The day pillar steps once through the sixty-day cycle per day; 1949-10-01
// was a 甲子 day. Dates around leap days and century years.
TEST(FourPillars, DayPillarFollowsTheSixtyDayCycle) {
    const int jiaZiDay = DaySerial(1949, 10, 1);
    for (CivilDate d : {CivilDate{1900, 1, 1}, CivilDate{1900, 2, 28}, CivilDate{1900, 3, 1},
                        CivilDate{1949, 10, 1}, CivilDate{1999, 12, 31}, CivilDate{2000, 2, 29},
                        CivilDate{2000, 3, 1}, CivilDate{2024, 12, 31}, CivilDate{2025, 1, 1},
                        CivilDate{2100, 2, 28}, CivilDate{2100, 3, 1}, CivilDate{2100, 12, 31}}) {
        const int n = ((DaySerial(d) - jiaZiDay) % 60 + 60) % 60;
        const FourPillars p = ComputeFourPillars(d.year, d.month, d.day, 12, 0, "男");
        EXPECT_EQ(p.DayStem(), std::string(calendar::StemNames[n % 10]))
            << d.year << "-" << d.month << "-" << d.day;
        EXPECT_EQ(p.DayBranch(), std::string(calendar::BranchNames[n % 12]))
            << d.year << "-" << d.month << "-" << d.day;
    }
}

TEST(FourPillars, HourPillarsOfADay) {
    // A 戊 day: its 子 hour is 壬子, then one step per two hours; 23:00 opens the
    // next (己) day's round with 甲子.
    const char* expected[24] = {"壬子", "癸丑", "癸丑", "甲寅", "甲寅", "乙卯", "乙卯", "丙辰",
                                "丙辰", "丁巳", "丁巳", "戊午", "戊午", "己未", "己未", "庚申",
                                "庚申", "辛酉", "辛酉", "壬戌", "壬戌", "癸亥", "癸亥", "甲子"};
    for (int hour = 0; hour < 24; ++hour) {
        const FourPillars p = ComputeFourPillars(2000, 1, 1, hour, 30, "女");
        EXPECT_EQ(p.HourStem() + p.HourBranch(), expected[hour]) << hour;
        EXPECT_EQ(p.DayStem() + p.DayBranch(), "戊午") << hour;
    }
}

TEST(FourPillars, MomentOutsideTheClockIsAConversionError) {
    for (Birth b : {Birth{2000, 1, 1, 24, 0, "男"}, Birth{2000, 1, 1, 12, 60, "男"},
                    Birth{2000, 1, 1, -1, 0, "男"}}) {
        EXPECT_THROW(Compute(b), ConversionError) << Describe(b);
    }
}

FourPillars PillarsAt(DateValue moment) {
    const CivilDate d = CivilFromDate(moment);
    const CivilTime t = TimeFromDate(moment);
    return ComputeFourPillars(d.year, d.month, d.day, t.hour, t.minute, "男");
}

// The 子 hour from 23:00 is the first hour of the next day's round: it has the
// hour pillar of the next day's 00:30, not the one of the same day's 00:30,
// while the day pillar stays the birth day's.
TEST(FourPillars, LateZiHourTakesTheNextDaysStem) {
    struct Case {
        Birth late;
        const char* day;
        const char* hour;
    };
    const Case cases[] = {
        {{2024, 2, 10, 23, 30, "男"}, "甲辰", "丙子"},
        {{2024, 2, 9, 23, 30, "女"}, "癸卯", "甲子"},   // 癸 day, next day 甲: a new round
        {{2000, 12, 31, 23, 0, "男"}, "癸亥", "甲子"},  // and into a new year
        {{2021, 2, 3, 23, 59, "男"}, "壬午", "壬子"},   // after 立春 22:59 that day
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.late));
        const Birth& b = c.late;
        const FourPillars late = Compute(b);
        const FourPillars early = Compute({b.y, b.m, b.d, 0, 30, b.sex});
        const FourPillars next = PillarsAt(MakeDateValue(b.y, b.m, b.d, 0, 30) + 1);
        EXPECT_EQ(late.DayStem() + late.DayBranch(), c.day);
        EXPECT_EQ(early.DayStem() + early.DayBranch(), c.day);
        EXPECT_EQ(late.HourStem() + late.HourBranch(), c.hour);
        EXPECT_EQ(next.HourStem() + next.HourBranch(), c.hour);
        EXPECT_NE(early.HourStem(), late.HourStem());
        EXPECT_EQ(Trim(std::string(late.Hidden(3))), "癸");
    }
}

// The whole minutes just before and at-or-after an instant.
std::pair<DateValue, DateValue> MinutesAround(DateValue instant) {
    const DateValue after = std::ceil(std::round(instant * 86400) / 60) / 1440;
    return {after - 1.0 / 1440, after};
}

// Around every 立春 of 1901..2099 in JQ: a minute before, the old cycle year
// and the 丑 month; from the instant's minute on, the new year and 寅.
TEST(FourPillars, YearAndMonthTurnAtEachLiChunInstant) {
    store::Query q(store::BuildConnectionString(store::DataFile::Tgcode), 30);
    q.SetSql("SELECT SJ FROM JQ WHERE JQ = '立春' AND YearA BETWEEN 1901 AND 2099 ORDER BY SJ");
    q.Open();
    ASSERT_EQ(q.RowCount(), 199);
    for (q.First(); !q.AtEnd(); q.Next()) {
        const DateValue instant = q.FieldAt(0).AsDate();
        SCOPED_TRACE(FormatDateTime(instant));
        const int year = CivilFromDate(instant).year;
        const auto [minuteBefore, minuteAfter] = MinutesAround(instant);
        const FourPillars before = PillarsAt(minuteBefore);
        const FourPillars after = PillarsAt(minuteAfter);
        EXPECT_EQ(after.YearBranchCode, (year - 3) % 12);
        EXPECT_EQ(after.YearStemCode, (year - 3) % 10);
        EXPECT_EQ(before.YearBranchCode, (year - 4) % 12);
        EXPECT_EQ(after.MonthBranch(), "寅");
        EXPECT_EQ(before.MonthBranch(), "丑");
    }
}

// The other 节 of a few years turn the month at their instants.
TEST(FourPillars, MonthTurnsAtEachJieInstant) {
    store::Query q(store::BuildConnectionString(store::DataFile::Tgcode), 30);
    q.SetSql(
        "SELECT JQ, SJ FROM JQ WHERE YearA IN (1901, 1950, 2021, 2099) AND JQ IN "
        "('惊蛰','清明','立夏','芒种','小暑','立秋','白露','寒露','立冬','大雪','小寒')");
    q.Open();
    ASSERT_EQ(q.RowCount(), 44);
    for (q.First(); !q.AtEnd(); q.Next()) {
        const std::string name = q.FieldAt(0).AsText();
        const DateValue instant = q.FieldAt(1).AsDate();
        SCOPED_TRACE(name + " " + FormatDateTime(instant));
        const int month = CivilFromDate(instant).month;
        EXPECT_EQ(JieOfMonth(month), name);
        const auto [minuteBefore, minuteAfter] = MinutesAround(instant);
        // The month a 节 starts: 寅 (code 3) for February ... 丑 (code 2) for January.
        EXPECT_EQ(PillarsAt(minuteAfter).MonthBranchCode, (month + 1) % 12);
        EXPECT_EQ(PillarsAt(minuteBefore).MonthBranchCode, month % 12);
    }
}

// The fixed month-start days only serve a month that JQ lacks.
TEST(FourPillars, FixedStartDaysOnlyWithoutASolarTermRow) {
    struct Case {
        std::vector<testing::JqRow> rows;
        Birth birth;
        const char* pillars;
        bool beforeJie;
    };
    const Case cases[] = {
        {{}, {1984, 2, 4, 12, 0, "男"}, "甲子 丙寅 戊辰 戊午", false},
        {{{1984, "立春", "1984-02-04 23:19:00"}},
         {1984, 2, 4, 12, 0, "男"},
         "癸亥 乙丑 戊辰 戊午",
         true},
        {{}, {1984, 2, 3, 23, 0, "男"}, "癸亥 乙丑 丁卯 壬子", false},
        // A 惊蛰 a day after the fixed 03-06: the fixed day still belongs to 寅.
        {{{2001, "惊蛰", "2001-03-07 10:00:00"}},
         {2001, 3, 6, 12, 0, "男"},
         "辛巳 庚寅 戊辰 戊午",
         false},
        {{{2001, "惊蛰", "2001-03-07 10:00:00"}},
         {2001, 3, 7, 9, 0, "男"},
         "辛巳 庚寅 己巳 己巳",
         true},
        {{{2001, "惊蛰", "2001-03-07 10:00:00"}},
         {2001, 3, 7, 11, 0, "男"},
         "辛巳 辛卯 己巳 庚午",
         false},
        {{}, {2001, 3, 6, 12, 0, "男"}, "辛巳 辛卯 戊辰 戊午", false},
        // A 立春 a day before the fixed 02-04: the new year starts on 02-03.
        {{{2021, "立春", "2021-02-03 22:59:00"}},
         {2021, 2, 3, 23, 30, "男"},
         "辛丑 庚寅 壬午 壬子",
         false},
        {{}, {2021, 2, 3, 23, 30, "男"}, "庚子 己丑 壬午 壬子", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Describe(c.birth) + (c.rows.empty() ? " without JQ row" : " with JQ row"));
        testing::JqFixture fixture(c.rows);
        const FourPillars p = Compute(c.birth);
        EXPECT_EQ(p.PillarsText(), c.pillars);
        EXPECT_EQ(p.BeforeJie, c.beforeJie);
    }
}

TEST(FourPillars, BeforeJieMomentLooksOnlyAtTheMomentsDay) {
    testing::JqFixture fixture(
        {{2024, "立春", "2024-02-04 16:27:05"}, {2024, "雨水", "2024-02-19 12:13:13"}});
    EXPECT_TRUE(IsBeforeJieMoment(2024, MakeDateValue(2024, 2, 4, 16, 27)));
    EXPECT_FALSE(IsBeforeJieMoment(2024, MakeDateValue(2024, 2, 4, 16, 28)));
    EXPECT_FALSE(IsBeforeJieMoment(2024, MakeDateValue(2024, 2, 3, 12, 0)));
    EXPECT_FALSE(IsBeforeJieMoment(2024, MakeDateValue(2024, 2, 19, 0, 0)));  // 雨水 is no 节
    EXPECT_FALSE(IsBeforeJieMoment(2023, MakeDateValue(2024, 2, 4, 10, 0)));  // other year
    EXPECT_EQ(JieMomentOfMonth(2024, 2), MakeDateValue(2024, 2, 4, 16, 27, 5));
    EXPECT_EQ(JieMomentOfMonth(2024, 3), std::nullopt);
}

TEST(FourPillars, UnreadableDatabaseIsAnErrorNamingTheFile) {
    store::SetDataFolder("/nonexistent/velmora/");
    for (auto run : {+[] { ComputeFourPillars(2024, 2, 4, 16, 0, "男"); },
                     +[] { IsBeforeJieMoment(2021, MakeDateValue(2021, 2, 3, 12, 0)); },
                     +[] { NayinOf("甲子"); }}) {
        try {
            run();
            ADD_FAILURE() << "no error without Tgcode.db";
        } catch (const DatabaseError& e) {
            EXPECT_NE(std::string(e.what()).find("Tgcode.db"), std::string::npos) << e.what();
            EXPECT_EQ(e.File(), "/nonexistent/velmora/Tgcode.db");
        }
    }
    store::SetDataFolder("");
}

TEST(FourPillars, JieNames) {
    for (std::string_view name : {"立春", "惊蛰", "小寒", "大雪"}) EXPECT_TRUE(IsJieName(name));
    for (std::string_view name : {"雨水", "冬至", "", "立春 "}) EXPECT_FALSE(IsJieName(name));
    EXPECT_EQ(JieOfMonth(1), "小寒");
    EXPECT_EQ(JieOfMonth(2), "立春");
    EXPECT_EQ(JieOfMonth(12), "大雪");
}

}  // namespace
}  // namespace velmora::bazi
