// Opening days: the day cycle, the input checks and the rules that pick days.

#include "calendar/opening_day.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "calendar/almanac.h"
#include "store/connection.h"

namespace velmora::calendar {
namespace {

OpeningDayPerson Person(std::string role, std::string year, std::string month, std::string day,
                        std::string hour = "子 0") {
    OpeningDayPerson person;
    person.Role = std::move(role);
    person.Birth.SexText = "男";
    person.Birth.YearText = std::move(year);
    person.Birth.MonthText = std::move(month);
    person.Birth.DayText = std::move(day);
    person.Birth.HourText = std::move(hour);
    person.Birth.MinuteText = "0";
    return person;
}

std::vector<std::string> DayLines(const VectorSink& sink) {
    std::vector<std::string> days;
    for (const std::string& line : sink.lines)
        if (line.size() > 4 && line[0] == '2' && line[4] == '-') days.push_back(line);
    return days;
}

TEST(OpeningDay, DayCycleFollowsKnownDays) {
    struct Case {
        int year, month, day, cycle;
    };
    // 1900-01-01 甲戌, 1949-10-01 甲子, 2000-01-01 戊午, 2024-02-10 甲辰.
    for (const Case& c : {Case{1900, 1, 1, 10}, Case{1949, 10, 1, 0}, Case{2000, 1, 1, 54},
                          Case{2024, 2, 10, 40}}) {
        EXPECT_EQ(DayCycleIndex(MakeDateValue(c.year, c.month, c.day, 13, 30)), c.cycle)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(OpeningDay, InputChecksNameTheFirstGap) {
    OpeningDayInput none;
    EXPECT_EQ(CheckOpeningDayInput(none).value_or(""), "请至少勾选一个出生日期!");
    struct Case {
        OpeningDayPerson second;
        std::string message;
    };
    const Case cases[] = {
        {Person("合伙人1", " ", "1", "1"), "请选择合伙人1的出生年!"},
        {Person("合伙人1", "1980", "", "1"), "请选择合伙人1的出生月!"},
        {Person("合伙人1", "1980", "1", ""), "请选择合伙人1的出生日!"},
        {Person("合伙人1", "1980", "1", "1", ""), "请选择合伙人1的出生小时!"},
        {Person("合伙人1", "1980", "1", "1"), ""},
    };
    for (const Case& c : cases) {
        OpeningDayInput input;
        input.Persons = {Person("法人", "1980", "1", "1"), c.second};
        EXPECT_EQ(CheckOpeningDayInput(input).value_or(""), c.message);
    }
}

TEST(OpeningDay, ListedDaysKeepTheRules) {
    // Owner born 1985-06-15 (乙丑 year, so 未 days clash with the year branch).
    OpeningDayInput input;
    input.Persons = {Person("法人", "1985", "6", "15", "巳 10")};
    input.AvoidDirection[static_cast<int>(Direction::South)] = true;
    VectorSink sink;
    WriteOpeningDays(input, MakeDateValue(2025, 3, 1), sink);
    EXPECT_EQ(sink.lines.front(), "开张吉日推算");
    EXPECT_EQ(sink.lines[1], "推算范围：2025-03-01 至 2025-05-29");
    const std::vector<std::string> days = DayLines(sink);
    ASSERT_FALSE(days.empty());
    EXPECT_LE(days.size(), static_cast<size_t>(kMaxOpeningDays));
    for (const std::string& line : days) {
        EXPECT_EQ(line.find("未日"), std::string::npos) << line;  // clashes with 丑
        EXPECT_EQ(line.find("煞南"), std::string::npos) << line;  // avoided
        const bool opening_officer =
            line.find("满日") != std::string::npos || line.find("定日") != std::string::npos ||
            line.find("成日") != std::string::npos || line.find("开日") != std::string::npos;
        EXPECT_TRUE(opening_officer) << line;
    }
    // 2025-03-01 is a 平 day (己巳); 2025-03-02 is a 庚午 day of the 寅 month:
    // 午 - 寅 = 4, a 定 day, facing north.
    EXPECT_EQ(days.front().rfind("2025-03-02  星期日  庚午日  定日  煞北", 0), 0u) << days.front();
}

// No proposed day avoids 开市 in the almanac, each says whether the almanac
// suits 开市, and the report counts the days the almanac took away.
TEST(OpeningDay, ProposedDaysFollowTheAlmanac) {
    OpeningDayInput input;
    input.Persons = {Person("法人", "1980", "1", "1")};
    VectorSink sink;
    WriteOpeningDays(input, MakeDateValue(2025, 3, 1), sink);
    const std::vector<std::string> days = DayLines(sink);
    ASSERT_FALSE(days.empty());
    for (const std::string& line : days) {
        const std::optional<AlmanacEntry> entry = LookupAlmanac(ParseDate(line.substr(0, 10)));
        ASSERT_TRUE(entry.has_value()) << line;
        EXPECT_FALSE(entry->AvoidsActivity("开市")) << line;
        const bool suits = entry->SuitsActivity("开市");
        EXPECT_EQ(line.find(suits ? "  黄历宜开市" : "  黄历未列开市为宜") != std::string::npos,
                  true)
            << line;
        // The officer printed is the almanac's.
        EXPECT_NE(line.find("  " + std::string(entry->Officer()) + "日  "), std::string::npos)
            << line;
    }
    const auto removed = std::find_if(sink.lines.begin(), sink.lines.end(), [](const auto& l) {
        return l.starts_with("另有") && l.ends_with("个日子合乎其余条件，但黄历忌开市，不取。");
    });
    ASSERT_NE(removed, sink.lines.end());
}

// The first listed days of 2025-03 for this owner, against the almanac rows
// themselves: 2025-03-02 (庚午, 定) is such a day unless its 忌 hold 开市.
TEST(OpeningDay, DayAvoidingOpeningIsSkipped) {
    OpeningDayInput input;
    input.Persons = {Person("法人", "1985", "6", "15", "巳 10")};
    VectorSink sink;
    WriteOpeningDays(input, MakeDateValue(2025, 3, 2), sink);
    const std::vector<std::string> days = DayLines(sink);
    ASSERT_FALSE(days.empty());
    const bool avoids = LookupAlmanac(MakeDateValue(2025, 3, 2))->AvoidsActivity("开市");
    EXPECT_EQ(days.front().starts_with("2025-03-02"), !avoids) << days.front();
}

TEST(OpeningDay, UnreadableAlmanacRaisesAndWritesNothing) {
    OpeningDayInput input;
    input.Persons = {Person("法人", "1980", "1", "1")};
    VectorSink sink;
    sink.lines = {"旧内容"};
    const std::string folder = store::DataFolder();
    store::SetDataFolder("/nonexistent/");
    EXPECT_THROW(WriteOpeningDays(input, MakeDateValue(2025, 3, 1), sink), DatabaseError);
    store::SetDataFolder(folder);
    EXPECT_EQ(sink.lines, std::vector<std::string>{"旧内容"});
}

TEST(OpeningDay, AllDirectionsAvoidedLeavesNoDay) {
    OpeningDayInput input;
    input.Persons = {Person("法人", "1980", "1", "1")};
    input.AvoidDirection = {true, true, true, true};
    VectorSink sink;
    WriteOpeningDays(input, MakeDateValue(2025, 3, 1), sink);
    EXPECT_TRUE(DayLines(sink).empty());
    EXPECT_NE(std::find(sink.lines.begin(), sink.lines.end(),
                        "推算范围内没有同时合乎各项条件的日子，可以少选几个煞方后再试。"),
              sink.lines.end());
}

TEST(OpeningDay, NoRealBirthDateRaisesAndWritesNothing) {
    OpeningDayInput input;
    input.Persons = {Person("法人", "1980", "2", "30")};
    VectorSink sink;
    sink.lines = {"旧内容"};
    EXPECT_THROW(WriteOpeningDays(input, MakeDateValue(2025, 3, 1), sink), ConversionError);
    EXPECT_EQ(sink.lines, std::vector<std::string>{"旧内容"});
}

}  // namespace
}  // namespace velmora::calendar
