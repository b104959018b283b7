// The bazi report: its line layout, the widths of the 流年 and 小运 grids for
// several start ages, solar and lunar input of the same day, validation order,
// and that a failing run leaves the previous report alone.

#include "bazi/bazi_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/dates.h"
#include "base/errors.h"
#include "base/gbk.h"
#include "base/text.h"
#include "bazi/favourable_element.h"
#include "bazi/four_pillars.h"
#include "bazi/lookups.h"

namespace velmora::bazi {
namespace {

using calendar::BirthInput;

constexpr int kNowYear = 2026;

BirthInput Solar(int y, int m, int d, int hour, std::string minute = "0", std::string sex = "男") {
    BirthInput in;
    in.Surname = "张";
    in.GivenName = "三";
    in.SexText = std::move(sex);
    in.DateKind = 0;
    in.YearText = std::to_string(y);
    in.MonthText = std::to_string(m);
    in.DayText = std::to_string(d);
    static const char* kBranch[24] = {"子", "丑", "丑", "寅", "寅", "卯", "卯", "辰",
                                      "辰", "巳", "巳", "午", "午", "未", "未", "申",
                                      "申", "酉", "酉", "戌", "戌", "亥", "亥", "子"};
    in.HourText = std::string(kBranch[hour]) + " " + std::to_string(hour);
    in.MinuteText = std::move(minute);
    return in;
}

size_t IndexOf(const std::vector<std::string>& lines, std::string_view prefix) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(prefix, 0) == 0) return i;
    ADD_FAILURE() << "no line starting with " << prefix;
    return 0;
}

// Pillar of position n of the sixty-cycle (0 = 甲子), independent of the
// report's own tables.
std::string CyclePillar(int n) {
    static const char* kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    static const char* kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                      "午", "未", "申", "酉", "戌", "亥"};
    n = ((n % 60) + 60) % 60;
    return std::string(kStems[n % 10]) + kBranches[n % 12];
}
int CycleIndex(const std::string& pillar) {
    for (int n = 0; n < 60; ++n)
        if (CyclePillar(n) == pillar) return n;
    return -1;
}
std::string YearPillarOracle(int year) { return CyclePillar(year - 4); }

std::string Age(int n) { return (n < 10 ? "0" : "") + std::to_string(n) + "岁"; }

// The first noon birth of 1990 whose luck starts at `age`.
BirthInput BirthWithStartAge(int age, std::string sex) {
    for (int day = 0; day < 730; ++day) {
        const CivilDate d = CivilFromDate(DaySerial(1990, 1, 1) + day);
        if (ComputeFourPillars(d.year, d.month, d.day, 12, 0, sex).StartAge == age)
            return Solar(d.year, d.month, d.day, 12, "0", sex);
    }
    ADD_FAILURE() << "no birth with start age " << age;
    return {};
}

// Checks one grid line: an optional 6-byte label, then entries of 4 bytes
// separated by three blanks; `first` is the first column present (0 or 1)
// and `expected` gives the entry of each column.
template <class Expected>
void ExpectGridLine(const std::string& line, std::string_view label, int first, Expected expected) {
    SCOPED_TRACE(line);
    ASSERT_EQ(gbk::ByteLength(line), 73);
    int offset = 0;
    if (first == 0) {
        EXPECT_EQ(gbk::ByteSlice(line, 1, 6), label);
        offset = 6;
    } else {
        EXPECT_EQ(gbk::ByteSlice(line, 1, 13), std::string(13, ' '));
        offset = 13;
    }
    for (int column = first; column <= 9; ++column) {
        EXPECT_EQ(gbk::ByteSlice(line, offset + 1, 4), expected(column)) << "column " << column;
        offset += 4;
        if (column < 9) {
            EXPECT_EQ(gbk::ByteSlice(line, offset + 1, 3), "   ");
        }
        offset += 3;
    }
}

class GridWidths : public ::testing::TestWithParam<std::tuple<int, const char*>> {};

TEST_P(GridWidths, AgeRowsAndGridsLineUp) {
    const auto [A, sex] = GetParam();
    const BirthInput in = BirthWithStartAge(A, sex);
    const std::vector<std::string> lines = BaziReportLines(in, kNowYear);
    ASSERT_FALSE(lines.empty());
    const int Y = std::stoi(in.YearText);
    const DateValue birth = ParseDate(in.YearText + "-" + in.MonthText + "-" + in.DayText);
    const int L = calendar::SolarToLunar(birth).Year;
    const FourPillars p =
        ComputeFourPillars(Y, std::stoi(in.MonthText), std::stoi(in.DayText), 12, 0, sex);

    const size_t luck = IndexOf(lines, "大运：");
    std::string ages = A == 1 ? "      0-1岁" : "      1-" + std::to_string(A - 1) + "岁";
    std::string years = "始于：" + std::to_string(Y);
    for (int k = 0; k <= 8; ++k) {
        ages += "   " + std::to_string(A == 1 ? (k == 0 ? 1 : 10 * k + 1) : A + 10 * k) + "岁";
        years += "   " + std::to_string(Y + A + 10 * k);
    }
    EXPECT_EQ(lines[luck + 1], ages);
    EXPECT_EQ(lines[luck + 2], years);
    EXPECT_EQ(lines[luck + 3], "");

    const size_t annual = IndexOf(lines, "流年：");
    EXPECT_EQ(annual, luck + 4);
    for (int i = 0; i <= 9; ++i) {
        ExpectGridLine(
            lines[annual + i], i == 0 ? "流年：" : "      ", i < A ? 0 : 1, [&](int column) {
                return YearPillarOracle(column == 0 ? L + i : L + A + i + 10 * (column - 1));
            });
    }

    const size_t minor = IndexOf(lines, "小运：");
    EXPECT_EQ(minor, annual + 11);
    const int hour = CycleIndex(p.HourStem() + p.HourBranch());
    const int step = p.Backward ? -1 : 1;
    for (int i = 0; i <= 9; ++i) {
        auto luckIndex = [&](int column) { return column == 0 ? i : A + i + 10 * (column - 1); };
        ExpectGridLine(lines[minor + 2 * i], i == 0 ? "小运：" : "      ", i < A ? 0 : 1,
                       [&](int column) { return CyclePillar(hour + step * luckIndex(column)); });
        ExpectGridLine(lines[minor + 2 * i + 1], "      ", i < A ? 0 : 1,
                       [&](int column) { return Age(luckIndex(column)); });
    }
    EXPECT_EQ(lines[minor + 20].rfind("八字五行个数：", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(StartAges, GridWidths,
                         ::testing::Values(std::make_tuple(1, "男"), std::make_tuple(6, "女"),
                                           std::make_tuple(10, "男"), std::make_tuple(4, "女")));

TEST(BaziReport, BirthLinePadsTheHourToTwoDigits) {
    const struct {
        int hour;
        const char* line;
    } cases[] = {{0, "您出生公历：1985年06月15日00点30分"},
                 {5, "您出生公历：1985年06月15日05点30分"},
                 {23, "您出生公历：1985年06月15日23点30分"}};
    for (const auto& c : cases)
        EXPECT_EQ(BaziReportLines(Solar(1985, 6, 15, c.hour, "30"), kNowYear).at(7), c.line)
            << c.hour;
}

TEST(BaziReport, LinesInOrderForAWorkedExample) {
    // 1980-01-01 falls before the lunar new year: the lunar year is 1979.
    const std::vector<std::string> lines = BaziReportLines(Solar(1980, 1, 1, 10, "5"), kNowYear);
    ASSERT_EQ(lines.size(), 68u);  // 63 lines, the header block of 5, one 喜用神 line
    const std::string frame = "<" + std::string(81, '=') + ">";
    const std::string section =
        "<-----------------------批八字内容分隔线----------------------------->";
    EXPECT_EQ(lines[0], frame);
    EXPECT_EQ(lines[4], frame);
    const FourPillars p = ComputeFourPillars(1980, 1, 1, 10, 5, "男");
    std::string luckNayin = "纳音：", luckTenGods = "十神：", luckPillars;
    for (const PillarCodes& luck : p.LuckPillars) {
        luckNayin += NayinOf(luck.Text()) + " ";
        luckTenGods += TenGodOf(p.DayStem() + luck.Text().substr(0, 3)) + "   ";
        luckPillars += (luckPillars.empty() ? "" : "   ") + luck.Text();
    }
    const struct {
        size_t index;
        std::string text;
    } expected[] = {
        {5, "姓名：张三"},
        {6, "年龄：46岁"},
        {7, "您出生公历：1980年01月01日10点5分"},
        {8, "农历：" + calendar::LunarText(calendar::SolarToLunar(DaySerial(1980, 1, 1)))},
        {9, "属相：羊"},
        {10, "星座：" + ConstellationOf(DaySerial(1980, 1, 1))},
        {11, section},
        {12, "胎元：" + p.TaiYuan.Text() + "(" + NayinOf(p.TaiYuan.Text()) + ")"},
        {13, "起运：" + std::to_string(p.StartAge) + "岁"},
        {15, "八字：" + p.YearStem() + p.YearBranch() + "   " + p.MonthStem() + p.MonthBranch() +
                 "   " + p.DayStem() + p.DayBranch() + "   " + p.HourStem() + p.HourBranch()},
        {19, "五行：" + ElementLineOf(p)},
        {21, luckNayin},
        {22, luckTenGods},
        {23, "大运：" + luckPillars},
        {25, "始于：1980   1988   1998   2008   2018   2028   2038   2048   2058   2068"},
        {27, "流年：" + YearPillarOracle(1979) + "   " + YearPillarOracle(1979 + p.StartAge) +
                 "   " + YearPillarOracle(1979 + p.StartAge + 10) + "   " +
                 YearPillarOracle(1979 + p.StartAge + 20) + "   " +
                 YearPillarOracle(1979 + p.StartAge + 30) + "   " +
                 YearPillarOracle(1979 + p.StartAge + 40) + "   " +
                 YearPillarOracle(1979 + p.StartAge + 50) + "   " +
                 YearPillarOracle(1979 + p.StartAge + 60) + "   " +
                 YearPillarOracle(1979 + p.StartAge + 70) + "   " +
                 YearPillarOracle(1979 + p.StartAge + 80)},
        {58, "八字五行个数：" + ElementCountText(ElementLineOf(p))},
        {60, section},
        {61, "袁天罡称骨算命："},
        {65, section},
        {66, ""},
        {67, "<-----------------------以上内容只作参考----------------------------->"},
    };
    for (const auto& e : expected) EXPECT_EQ(lines[e.index], e.text) << "line " << e.index;
    EXPECT_EQ(lines[59].rfind("喜用神：日主" + p.DayStem(), 0), 0u) << lines[59];
    EXPECT_EQ(lines[62].rfind("你的骨重为：", 0), 0u) << lines[62];
}

TEST(BaziReport, HiddenStemLinesKeepSevenByteColumns) {
    // Branches with one, two and three hidden stems across the pillars.
    for (const BirthInput& in :
         {Solar(1980, 1, 1, 10), Solar(1995, 6, 15, 23, "30", "女"), Solar(2001, 3, 8, 6)}) {
        const std::vector<std::string> lines = BaziReportLines(in, kNowYear);
        const size_t at = IndexOf(lines, "遁藏：");
        const FourPillars p = ComputeFourPillars(std::stoi(in.YearText), std::stoi(in.MonthText),
                                                 std::stoi(in.DayText), calendar::HourNumber(in),
                                                 std::stoi(in.MinuteText), in.SexText);
        const std::string_view hidden[] = {p.Hidden(0), p.Hidden(1), p.Hidden(2), p.Hidden(3)};
        for (int row = 1; row <= 2; ++row) {
            const std::string& line = lines[at + static_cast<size_t>(row)];
            SCOPED_TRACE(line);
            ASSERT_EQ(gbk::ByteLength(line), 6 + 4 * 7);
            for (int j = 0; j < 4; ++j) {
                const std::string entry = gbk::ByteSlice(line, 7 + 7 * j, 7);
                const std::string c = gbk::ByteSlice(hidden[j], 1 + 2 * row, 2);
                if (c.empty())
                    EXPECT_EQ(entry, "       ");
                else
                    EXPECT_EQ(entry, c + TenGodOf(p.DayStem() + c) + " ");
            }
        }
    }
}

TEST(BaziReport, LunarInputGivesTheSameReportAsItsSolarDay) {
    for (const auto& [y, m, d] :
         {std::tuple{1980, 1, 1}, std::tuple{1975, 8, 20}, std::tuple{2004, 2, 4}}) {
        const BirthInput solar = Solar(y, m, d, 15, "45");
        const calendar::LunarDate lunar = calendar::SolarToLunar(DaySerial(y, m, d));
        ASSERT_EQ(lunar.IsLeap, 0);
        BirthInput asLunar = solar;
        asLunar.DateKind = 1;
        asLunar.YearText = std::to_string(lunar.Year);
        asLunar.MonthText = std::to_string(lunar.Month);
        asLunar.DayText = std::to_string(lunar.Day);
        EXPECT_EQ(BaziReportLines(asLunar, kNowYear), BaziReportLines(solar, kNowYear))
            << y << "-" << m << "-" << d;
    }
}

TEST(BaziReport, ValidationInOrderLeavesTheSinkAlone) {
    const struct {
        void (*blank)(BirthInput&);
        const char* message;
        InputFocus focus;
    } cases[] = {
        {[](BirthInput& in) { in.Surname = "  "; }, "姓不能为空!", InputFocus::Surname},
        {[](BirthInput& in) { in.GivenName = ""; }, "名不能为空!", InputFocus::GivenName},
        {[](BirthInput& in) { in.YearText = " "; }, "请选择出生年!", InputFocus::None},
        {[](BirthInput& in) { in.MonthText = ""; }, "请选择出生月!", InputFocus::None},
        {[](BirthInput& in) { in.DayText = ""; }, "请选择出生日!", InputFocus::None},
        {[](BirthInput& in) { in.HourText = ""; }, "请选择出生小时!", InputFocus::None},
    };
    // Blanking fields cumulatively from the last check backwards: each step
    // must report the earliest blank field.
    BirthInput in = Solar(1980, 1, 1, 10);
    for (auto it = std::rbegin(cases); it != std::rend(cases); ++it) {
        it->blank(in);
        VectorSink sink;
        sink.lines = {"previous report"};
        const auto problem = WriteBaziReport(in, sink, kNowYear);
        ASSERT_TRUE(problem.has_value()) << it->message;
        EXPECT_EQ(problem->Message, it->message);
        EXPECT_EQ(problem->Focus, it->focus);
        EXPECT_EQ(sink.lines, std::vector<std::string>{"previous report"});
    }
}

BirthInput Lunar(int y, int m, int d) {
    BirthInput in = Solar(y, m, d, 10);
    in.DateKind = 1;
    return in;
}

TEST(BaziReport, ConversionErrorsLeaveThePreviousReport) {
    // Lunar 1980 has a 29-day second month.
    const struct {
        BirthInput in;
        const char* message;
    } cases[] = {
        {Solar(1981, 2, 29, 10), "出生日期“1981-2-29”不是有效的日期"},
        {Solar(1980, 1, 1, 10, "x"), "出生分钟“x”不是有效的整数"},
        {Lunar(1980, 2, 30), "农历日期“1980年2月30日”不存在（农历年须在1901至2099之间）"},
    };
    for (const auto& c : cases) {
        VectorSink sink;
        sink.lines = {"previous report"};
        try {
            WriteBaziReport(c.in, sink, kNowYear);
            ADD_FAILURE() << c.message;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(sink.lines, std::vector<std::string>{"previous report"});
    }
}

// Years the pillars are not computed for, lunar days below 1 and clock values
// past the clock are refused with a message naming the field and its range.
TEST(BaziReport, BirthNumbersOutOfRangeAreRefused) {
    BirthInput lateHour = Solar(1980, 1, 1, 10);
    lateHour.HourText = "24";
    const struct {
        BirthInput in;
        const char* message;
    } cases[] = {
        {Solar(1899, 12, 31, 10), "出生年“1899”超出范围，须在1901至2099之间!"},
        {Solar(2102, 1, 1, 10), "出生年“2102”超出范围，须在1901至2099之间!"},
        {Lunar(1899, 5, 1), "出生年“1899”超出范围，须在1901至2099之间!"},
        {Lunar(1980, 1, -2147483647 - 1), "出生日“-2147483648”超出范围，须在1至30之间!"},
        {lateHour, "出生小时“24”超出范围，须在0至23之间!"},
        {Solar(1980, 1, 1, 10, "60"), "出生分钟“60”超出范围，须在0至59之间!"},
    };
    for (const auto& c : cases) {
        VectorSink sink;
        sink.lines = {"previous report"};
        const auto problem = WriteBaziReport(c.in, sink, kNowYear);
        ASSERT_TRUE(problem.has_value()) << c.message;
        EXPECT_EQ(problem->Message, c.message);
        EXPECT_EQ(sink.lines, std::vector<std::string>{"previous report"});
    }
    // The ends of the range are reported on.
    for (const BirthInput& in : {Solar(1901, 1, 1, 0), Solar(2099, 12, 31, 23), Lunar(2099, 12, 1)})
        EXPECT_GT(BaziReportLines(in, kNowYear).size(), 60u) << in.YearText;
}

TEST(FavourableElement, StrengthDecidesTheBalancingElements) {
    using E = std::array<std::string, 8>;
    const struct {
        E elements;
        int support, drain;
        bool strong;
        std::vector<std::string> favour;
    } cases[] = {
        // Day master 金 among 金 and 土 (which produces 金): strong, drained by 水 and 木.
        {{"金", "土", "金", "土", "金", "金", "土", "水"}, 7, 1, true, {"水", "木"}},
        // Day master 木 surrounded by 金 and 土: weak, helped by 水 and 木.
        {{"金", "土", "金", "土", "木", "金", "土", "火"}, 1, 7, false, {"水", "木"}},
        // Four supporters is not yet strong.
        {{"水", "水", "火", "火", "火", "木", "土", "土"}, 4, 4, false, {"木", "火"}},
        // Unknown elements count on neither side.
        {{"", "", "水", "金", "水", "土", "土", "火"}, 3, 3, false, {"金", "水"}},
    };
    for (const auto& c : cases) {
        const FavourableReading r = JudgeFavourable(c.elements);
        EXPECT_EQ(r.Support, c.support);
        EXPECT_EQ(r.Drain, c.drain);
        EXPECT_EQ(r.Strong, c.strong);
        EXPECT_EQ(r.Elements, c.favour);
    }
    const FavourableReading unknown =
        JudgeFavourable(E{"金", "金", "金", "金", "", "金", "金", "金"});
    EXPECT_TRUE(unknown.DayMaster.empty());
    EXPECT_TRUE(unknown.Elements.empty());
}

}  // namespace
}  // namespace velmora::bazi
