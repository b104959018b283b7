#include "naming/name_analysis.h"

#include <array>
#include <vector>

#include "base/gbk.h"
#include "base/text.h"
#include "bazi/bazi_report.h"
#include "bazi/favourable_element.h"
#include "bazi/four_pillars.h"
#include "bazi/lookups.h"
#include "naming/candidate_grid.h"
#include "numerology/pattern_score.h"
#include "numerology/shuli.h"
#include "numerology/strokes.h"

namespace velmora::naming {
namespace {

using bazi::InputFocus;
using bazi::InputProblem;

const std::string kBlank3 = "   ";
const std::string kNameSection =
    "<-----------------------批名字分隔线----------------------------->";

// Our notice between the two frame lines of the header.
constexpr std::array<std::string_view, 3> kNotice = {
    "  本报告先列出企业法人的出生资料与八字五行，再按笔画数理分析企业名称的",
    "  行运格(主体)、使运格(行业后缀)和主运格(企业全称)，并给出名称总评分。",
    "  以上分析依传统姓名学推算，仅供取名时参考。",
};

int NameNumberOf(store::Query& strokes, std::string_view text) {
    return static_cast<int>(numerology::NameNumber(numerology::GetStrokeCount(strokes, text)));
}

void AddBlock(ReportSink& sink, store::Query& strokes, store::Query& texts,
              const std::string& heading_text, const std::string& label, std::string_view counted) {
    const int n = NameNumberOf(strokes, counted);
    sink.AppendLine("【" + heading_text + "】" + label + std::to_string(n) + "分析：");
    sink.AppendLine(numerology::GetNameFxText(texts, n));
}

// "名称五行：九(木) 万(水)": the element of each body character in `word`.
std::string BodyElementLine(store::Query& strokes, const std::string& body) {
    const auto words = numerology::Dictionary::Of(strokes);
    std::string line = "企业简称五行：";
    bool first = true;
    for (const std::string& c : SplitChars(Trim(body))) {
        const std::string element = words->Element(c);
        if (!first) line += " ";
        first = false;
        line += c + "(" + (element.empty() ? std::string("?") : element) + ")";
    }
    return line;
}

}  // namespace

std::optional<InputProblem> ValidateNameAnalysis(const NameAnalysisInput& input) {
    const calendar::BirthInput& o = input.Owner;
    if (Trim(o.Surname).empty()) return InputProblem{"姓不能为空!"};
    if (Trim(o.GivenName).empty()) return InputProblem{"名不能为空!"};
    const std::string body = Trim(input.MainBody);
    if (body.empty()) return InputProblem{"企业简称不能为空!", InputFocus::MainBody};
    if (gbk::ByteLength(body) < 4)
        return InputProblem{"企业简称为两个字以上!", InputFocus::MainBody};
    if (Trim(o.YearText).empty()) return InputProblem{"请选择出生年!"};
    if (Trim(o.MonthText).empty()) return InputProblem{"请选择出生月!"};
    if (Trim(o.DayText).empty()) return InputProblem{"请选择出生日!"};
    if (Trim(o.HourText).empty()) return InputProblem{"请选择出生小时!"};
    if (auto message = calendar::CheckBirthNumbers(o)) return InputProblem{*message};
    return std::nullopt;
}

int NameTotalScore(store::Query& strokes, const std::string& mainBody, int affixStrokes) {
    const std::vector<std::string> chars = SplitChars(Trim(mainBody));
    std::vector<int> counts;
    int total = affixStrokes;
    const auto words = numerology::Dictionary::Of(strokes);
    for (const std::string& c : chars) {
        counts.push_back(words->StrokeCount(c));
        total += counts.back();
    }
    if (counts.size() >= 2 && counts.size() <= 4) {
        std::array<long long, 4> bh = {0, 0, 0, 0};
        for (size_t i = 0; i < counts.size(); ++i) bh[i] = counts[i];
        std::string sql = "SELECT zf FROM gz WHERE lx = ? AND bh11 = ? AND bh12 = ?";
        std::vector<store::Param> params = {static_cast<long long>(counts.size()), bh[0], bh[1]};
        if (counts.size() >= 3) sql += " AND bh21 = ?", params.emplace_back(bh[2]);
        if (counts.size() == 4) sql += " AND bh22 = ?", params.emplace_back(bh[3]);
        strokes.SetSql(sql + " ORDER BY zf DESC LIMIT 1");
        strokes.SetParams(std::move(params));
        strokes.Open();
        const bool listed = strokes.RowCount() > 0;
        const int zf = listed ? static_cast<int>(strokes.FieldAt(0).AsInteger()) : 0;
        strokes.Close();
        if (listed) return zf + NameBonus(total);
    }
    return numerology::PatternScore(counts);
}

std::optional<InputProblem> WriteNameAnalysis(const NameAnalysisInput& input, ReportSink& output,
                                              store::Query& strokes, store::Query& texts,
                                              int nowYear) {
    if (auto problem = ValidateNameAnalysis(input)) return problem;
    const calendar::BirthInput& o = input.Owner;
    const bazi::OwnerValues owner = bazi::ComputeOwnerValues(o, nowYear);

    // The report is collected first: a failure on the way leaves the output
    // as it was instead of half a report.
    VectorSink sink;
    sink.AppendLine(bazi::FrameLine());
    for (std::string_view line : kNotice) sink.AppendLine(line);
    sink.AppendLine(bazi::FrameLine());
    sink.AppendLine("企业法人基本信息：");
    sink.AppendLine("姓名：" + owner.Name);
    sink.AppendLine("年龄：" + std::to_string(owner.Age) + "岁");
    sink.AppendLine(owner.BirthLine);
    sink.AppendLine("农历：" + owner.LunarText);
    sink.AppendLine("属相：" + owner.Zodiac);
    sink.AppendLine("星座：" + owner.Star);

    const bazi::FourPillars p = bazi::ComputeFourPillars(
        static_cast<int>(ToInteger(owner.Solar.YearText)),
        static_cast<int>(ToInteger(owner.Solar.MonthText)),
        static_cast<int>(ToInteger(owner.Solar.DayText)), owner.Hour,
        static_cast<int>(ToInteger(Trim(o.MinuteText), "出生分钟")), Trim(o.SexText));
    const bazi::PillarLines lines = bazi::PillarLinesOf(*bazi::StemBranchTables::Current(), p);
    sink.AppendLine(lines.TenGods);
    sink.AppendLine(lines.Pillars);
    sink.AppendLine(lines.Elements);
    sink.AppendLine(lines.Nayin);
    sink.AppendLine("八字五行个数：" + bazi::ElementCountText(lines.ElementLine));
    sink.AppendLine(bazi::FavourableLine(bazi::JudgeFavourable(lines.ElementWords), p.DayStem()));
    sink.AppendLine("");
    sink.AppendLine(kNameSection);
    sink.AppendLine("");
    const std::string fullName = input.Prefix + input.MainBody + input.Suffix;
    sink.AppendLine("企业名称：" + fullName);
    sink.AppendLine("");
    sink.AppendLine(BodyElementLine(strokes, input.MainBody));
    sink.AppendLine("");
    sink.AppendLine("企业名称分析如下：");
    sink.AppendLine("");
    sink.AppendLine("第一、【行运格(主体)】：是企业名称的核心，非常重要。");
    sink.AppendLine("");
    for (int p1 = 1; p1 <= 7; p1 += 2) {
        const std::string c = gbk::ByteSlice(input.MainBody, p1, 2);
        if (c.empty()) continue;
        AddBlock(sink, strokes, texts, c, "数理", c);
        sink.AppendLine("");
    }
    AddBlock(sink, strokes, texts, input.MainBody, "行运格(主体)数理", input.MainBody);
    sink.AppendLine("");
    sink.AppendLine("第二、【使运格(行业后缀)】：是属于行业部分，不起决策作用，不参与评分。");
    if (!Trim(input.Suffix).empty())
        AddBlock(sink, strokes, texts, input.Suffix, "数理", input.Suffix);
    else
        sink.AppendLine("无行业后缀名称，此处无分析内容。");
    sink.AppendLine("");
    sink.AppendLine("第三、【主运格(企业全称)】：是属于次要部分。");
    AddBlock(sink, strokes, texts, fullName, "数理", fullName);
    sink.AppendLine("");
    sink.AppendLine(kNameSection);
    sink.AppendLine("");
    // Suffix before prefix, as the search counts the affixes.
    const std::string affixes = Trim(input.Suffix) + Trim(input.Prefix);
    const int affixStrokes = affixes.empty() ? 0 : numerology::GetStrokeCount(strokes, affixes);
    sink.AppendLine("企业简称【" + Trim(input.MainBody) + "】综合评分：" +
                    std::to_string(NameTotalScore(strokes, input.MainBody, affixStrokes)) + "分");
    sink.AppendLine("");
    sink.AppendLine("建议：如本名称符合法人命理将更佳，祝您企业步步高升，生意红火！");
    output.Clear();
    for (const std::string& line : sink.lines) output.AppendLine(line);
    return std::nullopt;
}

}  // namespace velmora::naming
