// The company-name analysis report: validation order and messages, the
// character blocks and name numbers, the suffix and full-name blocks, and
// where a failing run stops.

#include "naming/name_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/text.h"
#include "numerology/strokes.h"
#include "store/connection.h"

namespace velmora::naming {
namespace {

using bazi::InputFocus;

constexpr int kNowYear = 2026;

NameAnalysisInput Input(std::string prefix, std::string body, std::string suffix) {
    NameAnalysisInput in;
    in.Owner = {"李", "四", "女", 0, "1980", "1", "1", "巳 10", "5"};
    in.Prefix = std::move(prefix);
    in.MainBody = std::move(body);
    in.Suffix = std::move(suffix);
    return in;
}

class NameAnalysis : public ::testing::Test {
  protected:
    store::Query strokes{store::BuildConnectionString(store::DataFile::Vudazod), 60};
    store::Query texts{store::BuildConnectionString(store::DataFile::KelFile), 30};

    std::vector<std::string> Run(const NameAnalysisInput& in) {
        VectorSink sink;
        EXPECT_FALSE(WriteNameAnalysis(in, sink, strokes, texts, kNowYear).has_value());
        return sink.lines;
    }
    int Number(std::string_view text) { return numerology::GetStrokeCount(strokes, text) % 81; }
    std::string Heading(const std::string& text, std::string_view label) {
        return "【" + text + "】" + std::string(label) + std::to_string(Number(text)) + "分析：";
    }
};

size_t IndexOf(const std::vector<std::string>& lines, std::string_view text) {
    const auto it = std::find(lines.begin(), lines.end(), text);
    EXPECT_NE(it, lines.end()) << text;
    return static_cast<size_t>(it - lines.begin());
}

TEST_F(NameAnalysis, ValidationInOrderWithFocus) {
    const struct {
        void (*change)(NameAnalysisInput&);
        const char* message;
        InputFocus focus;
    } cases[] = {
        {[](NameAnalysisInput& in) { in.Owner.Surname = " "; }, "姓不能为空!", InputFocus::None},
        {[](NameAnalysisInput& in) { in.Owner.GivenName = ""; }, "名不能为空!", InputFocus::None},
        {[](NameAnalysisInput& in) { in.MainBody = "  "; }, "企业简称不能为空!",
         InputFocus::MainBody},
        {[](NameAnalysisInput& in) { in.MainBody = " 九 "; }, "企业简称为两个字以上!",
         InputFocus::MainBody},
        {[](NameAnalysisInput& in) { in.Owner.YearText = ""; }, "请选择出生年!", InputFocus::None},
        {[](NameAnalysisInput& in) { in.Owner.MonthText = ""; }, "请选择出生月!", InputFocus::None},
        {[](NameAnalysisInput& in) { in.Owner.DayText = " "; }, "请选择出生日!", InputFocus::None},
        {[](NameAnalysisInput& in) { in.Owner.HourText = ""; }, "请选择出生小时!",
         InputFocus::None},
    };
    // Spoil the fields from the last check backwards; each run must name the
    // earliest spoiled one and leave the sink as it was.
    NameAnalysisInput in = Input("", "九万", "");
    for (auto it = std::rbegin(cases); it != std::rend(cases); ++it) {
        it->change(in);
        VectorSink sink;
        sink.lines = {"previous report"};
        const auto problem = WriteNameAnalysis(in, sink, strokes, texts, kNowYear);
        ASSERT_TRUE(problem.has_value()) << it->message;
        EXPECT_EQ(problem->Message, it->message);
        EXPECT_EQ(problem->Focus, it->focus);
        EXPECT_EQ(sink.lines, std::vector<std::string>{"previous report"});
    }
    // One Chinese character and one ASCII letter is three bytes: too short.
    EXPECT_EQ(ValidateNameAnalysis(Input("", "九a", ""))->Message, "企业简称为两个字以上!");
    EXPECT_FALSE(ValidateNameAnalysis(Input("", "九ab", "")).has_value());
}

TEST_F(NameAnalysis, BlocksFollowTheNameParts) {
    const struct {
        std::string prefix, body, suffix;
        std::vector<std::string> characters;
    } cases[] = {
        {"上海", "九万", "科技有限公司", {"九", "万"}},
        {"", "华夏之光", "", {"华", "夏", "之", "光"}},
        {"北京", "金石", "  ", {"金", "石"}},
        {"", "天和", "服装店", {"天", "和"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        const std::vector<std::string> lines = Run(Input(c.prefix, c.body, c.suffix));
        const std::string full = c.prefix + c.body + c.suffix;
        EXPECT_EQ(lines[IndexOf(lines, "企业名称：" + full) + 1], "");

        // One block of three lines per character, then the main-body block.
        size_t at = IndexOf(lines, "第一、【行运格(主体)】：是企业名称的核心，非常重要。") + 2;
        for (const std::string& ch : c.characters) {
            EXPECT_EQ(lines[at], Heading(ch, "数理"));
            EXPECT_EQ(lines[at + 1], numerology::GetNameFxText(texts, Number(ch)));
            EXPECT_EQ(lines[at + 2], "");
            at += 3;
        }
        EXPECT_EQ(lines[at], Heading(c.body, "行运格(主体)数理"));
        EXPECT_EQ(lines[at + 2], "");
        EXPECT_EQ(lines[at + 3],
                  "第二、【使运格(行业后缀)】：是属于行业部分，不起决策作用，不参与评分。");
        if (Trim(c.suffix).empty()) {
            EXPECT_EQ(lines[at + 4], "无行业后缀名称，此处无分析内容。");
            at += 5;
        } else {
            EXPECT_EQ(lines[at + 4], Heading(c.suffix, "数理"));
            EXPECT_EQ(lines[at + 5], numerology::GetNameFxText(texts, Number(c.suffix)));
            at += 6;
        }
        EXPECT_EQ(lines[at], "");
        EXPECT_EQ(lines[at + 1], "第三、【主运格(企业全称)】：是属于次要部分。");
        EXPECT_EQ(lines[at + 2], Heading(full, "数理"));
        EXPECT_EQ(lines[at + 4], "");
        EXPECT_EQ(lines[at + 5],
                  "<-----------------------批名字分隔线----------------------------->");
        EXPECT_EQ(lines[at + 6], "");
        EXPECT_EQ(lines[at + 7].rfind("企业简称【" + c.body + "】综合评分：", 0), 0u);
        EXPECT_EQ(lines[at + 8], "");
        EXPECT_EQ(lines.back(), "建议：如本名称符合法人命理将更佳，祝您企业步步高升，生意红火！");
        EXPECT_EQ(lines.size(), at + 10);
    }
}

TEST_F(NameAnalysis, OwnerLinesMatchTheBaziReport) {
    // Solar and lunar input of the same day give the same report, and the
    // owner's lines read as the bazi report's do.
    NameAnalysisInput solar = Input("", "九万", "");
    NameAnalysisInput lunar = solar;
    lunar.Owner.DateKind = 1;
    lunar.Owner.YearText = "1979";
    lunar.Owner.MonthText = "11";
    lunar.Owner.DayText = "14";
    const std::vector<std::string> lines = Run(solar);
    EXPECT_EQ(Run(lunar), lines);
    const std::vector<std::string> bazi = bazi::BaziReportLines(solar.Owner, kNowYear);
    const size_t start = IndexOf(lines, "企业法人基本信息：") + 1;
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(lines[start + i], bazi[5 + i]);
    EXPECT_EQ(lines[start + 2], "您出生公历：1980年01月01日10点5分");
    for (std::string_view label :
         {"十神：", "八字：", "五行：", "纳音：", "八字五行个数：", "喜用神："}) {
        const auto own = std::find_if(lines.begin(), lines.end(),
                                      [&](const std::string& l) { return l.rfind(label, 0) == 0; });
        const auto other = std::find_if(
            bazi.begin(), bazi.end(), [&](const std::string& l) { return l.rfind(label, 0) == 0; });
        ASSERT_NE(own, lines.end()) << label;
        ASSERT_NE(other, bazi.end()) << label;
        EXPECT_EQ(*own, *other);
    }
}

TEST_F(NameAnalysis, FailedConversionsStopWhereTheValueIsNeeded) {
    // A date that does not exist, solar or lunar, stops before the sink is
    // cleared (lunar 1980 has a second month of 29 days).
    VectorSink sink;
    for (int kind : {0, 1}) {
        NameAnalysisInput badDate = Input("", "九万", "");
        badDate.Owner.DateKind = kind;
        badDate.Owner.MonthText = "2";
        badDate.Owner.DayText = "30";
        sink.lines = {"previous report"};
        EXPECT_THROW(WriteNameAnalysis(badDate, sink, strokes, texts, kNowYear), ConversionError);
        EXPECT_EQ(sink.lines, std::vector<std::string>{"previous report"}) << "kind " << kind;
    }

    // A minute that is no number stops the pillars after the birth lines
    // are known: no half report either.
    NameAnalysisInput badMinute = Input("", "九万", "");
    badMinute.Owner.MinuteText = "";
    EXPECT_THROW(WriteNameAnalysis(badMinute, sink, strokes, texts, kNowYear), ConversionError);
    EXPECT_EQ(sink.lines, std::vector<std::string>{"previous report"});
}

}  // namespace
}  // namespace velmora::naming
