#include "bazi/bazi_report.h"

#include <array>

#include "base/errors.h"
#include "base/gbk.h"
#include "base/text.h"
#include "bazi/favourable_element.h"
#include "bazi/four_pillars.h"
#include "bazi/lookups.h"

namespace velmora::bazi {
namespace {

using calendar::BirthInput;

const std::string kBlank3 = "   ";
const std::string kBlank6 = "      ";
const std::string kBlank13 = "             ";  // a missing first grid column
const std::string kSectionLine =
    "<-----------------------批八字内容分隔线----------------------------->";
const std::string kClosingLine =
    "<-----------------------以上内容只作参考----------------------------->";

// Our notice between the two frame lines of the header.
constexpr std::array<std::string_view, 3> kNotice = {
    "  本报告按您填写的出生时间排出四柱八字，列出十神、藏干、五行、纳音、",
    "  胎元、大运、流年、小运和袁天罡称骨评语，供您了解自身命局。",
    "  命理推算只是一种参考，事业成败仍在于自身努力，请勿据此作重大决定。",
};

int Mod(int value, int modulus) { return ((value % modulus) + modulus) % modulus; }

// The stem and branch of the lunar year n.
std::string YearPillar(int lunarYear) {
    return gbk::ByteSlice(Trim(calendar::CycleYearName(lunarYear - 1864)), 1, 4);
}

// Minor-luck pillar n: n steps from the hour pillar in the luck direction.
std::string MinorPillar(const FourPillars& p, int n) {
    const int step = p.Backward ? -n : n;
    return std::string(StemCodeNames[static_cast<size_t>(Mod(p.HourStemCode + step, 10))]) +
           std::string(BranchCodeNames[static_cast<size_t>(Mod(p.HourBranchCode + step, 12))]);
}

// Line 14 or 15 entry: the hidden stem at GBK bytes `start`, `start + 1`.
std::string HiddenEntry(const StemBranchTables& tg, const FourPillars& p, std::string_view hidden,
                        int start) {
    const std::string c = Trim(gbk::ByteSlice(hidden, start, 2));
    if (c.empty()) return "       ";
    return c + tg.TenGodOf(p.DayStem() + c) + " ";
}

}  // namespace

std::string LuckPillarsText(const FourPillars& p) {
    std::string text;
    for (const PillarCodes& pillar : p.LuckPillars) {
        if (!text.empty()) text += kBlank3;
        text += pillar.Text();
    }
    return text;
}

std::string LuckNayinLine(const StemBranchTables& tg, const FourPillars& p) {
    std::string line = "纳音：";
    for (const PillarCodes& pillar : p.LuckPillars) line += tg.NayinOf(pillar.Text()) + " ";
    return line;
}

std::string LuckTenGodLine(const StemBranchTables& tg, const FourPillars& p) {
    std::string line = "十神：";
    for (const PillarCodes& pillar : p.LuckPillars)
        line += tg.TenGodOf(p.DayStem() + std::string(StemCodeNames[pillar.StemCode])) + kBlank3;
    return line;
}

PillarLines PillarLinesOf(const StemBranchTables& tg, const FourPillars& p) {
    PillarLines lines;
    const std::string day = p.DayStem();
    lines.TenGods = "十神：" + tg.TenGodOf(day + p.YearStem()) + kBlank3 +
                    tg.TenGodOf(day + p.MonthStem()) + kBlank3 + "日元" + kBlank3 +
                    tg.TenGodOf(day + p.HourStem());
    lines.Pillars = "八字：" + p.YearStem() + p.YearBranch() + kBlank3 + p.MonthStem() +
                    p.MonthBranch() + kBlank3 + day + p.DayBranch() + kBlank3 + p.HourStem() +
                    p.HourBranch();
    const std::array<std::string_view, 8> chars = p.Characters();
    for (size_t i = 0; i < chars.size(); ++i) lines.ElementWords[i] = tg.CharElement(chars[i]);
    const auto& e = lines.ElementWords;
    lines.ElementLine =
        e[0] + e[1] + kBlank3 + e[2] + e[3] + kBlank3 + e[4] + e[5] + kBlank3 + e[6] + e[7];
    lines.Elements = "五行：" + lines.ElementLine;
    lines.Nayin = "纳音：" + tg.NayinOf(p.YearStem() + p.YearBranch()) + " " +
                  tg.NayinOf(p.MonthStem() + p.MonthBranch()) + " " +
                  tg.NayinOf(day + p.DayBranch()) + " " +
                  tg.NayinOf(p.HourStem() + p.HourBranch());
    return lines;
}

std::string AgeLabel(int years) { return (years <= 9 ? "0" : "") + std::to_string(years) + "岁"; }

std::string FrameLine() { return "<" + std::string(81, '=') + ">"; }

OwnerValues ComputeOwnerValues(const BirthInput& input, int nowYear) {
    OwnerValues v;
    v.Name = Trim(input.Surname) + Trim(input.GivenName);
    v.Solar = calendar::ResolveSolarBirthDate(input);
    v.Birth = v.Solar.Date;
    v.Lunar = calendar::SolarToLunar(v.Birth);
    const std::string cycle = Trim(calendar::CycleYearName(v.Lunar.Year - 1864));
    v.LunarText = cycle + calendar::LunarMonthName(v.Lunar.Month, v.Lunar.IsLeap != 0) +
                  calendar::LunarDayName(v.Lunar.Day);
    v.Zodiac = gbk::ByteSlice(cycle, 6, 2);
    v.Star = ConstellationOf(v.Birth);
    v.Hour = calendar::HourNumber(input);
    const CivilDate birth = CivilFromDate(v.Birth);
    v.Age = nowYear - birth.year;
    const std::string iso = FormatDate(v.Birth);  // yyyy-MM-dd
    v.BirthLine = "您出生公历：" + iso.substr(0, 4) + "年" + iso.substr(5, 2) + "月" +
                  iso.substr(8, 2) + "日" + (v.Hour < 10 ? "0" : "") + std::to_string(v.Hour) +
                  "点" + input.MinuteText + "分";
    return v;
}

std::optional<InputProblem> ValidateBaziInput(const BirthInput& input) {
    if (Trim(input.Surname).empty()) return InputProblem{"姓不能为空!", InputFocus::Surname};
    if (Trim(input.GivenName).empty()) return InputProblem{"名不能为空!", InputFocus::GivenName};
    if (Trim(input.YearText).empty()) return InputProblem{"请选择出生年!"};
    if (Trim(input.MonthText).empty()) return InputProblem{"请选择出生月!"};
    if (Trim(input.DayText).empty()) return InputProblem{"请选择出生日!"};
    if (Trim(input.HourText).empty()) return InputProblem{"请选择出生小时!"};
    if (auto message = calendar::CheckBirthNumbers(input)) return InputProblem{*message};
    return std::nullopt;
}

std::vector<std::string> BaziReportLines(const BirthInput& input, int nowYear) {
    const OwnerValues owner = ComputeOwnerValues(input, nowYear);
    const int L = owner.Lunar.Year;
    std::vector<std::string> out;
    out.push_back(FrameLine());
    for (std::string_view line : kNotice) out.emplace_back(line);
    out.push_back(FrameLine());
    out.push_back("姓名：" + owner.Name);
    out.push_back("年龄：" + std::to_string(owner.Age) + "岁");
    out.push_back(owner.BirthLine);
    out.push_back("农历：" + owner.LunarText);
    out.push_back("属相：" + owner.Zodiac);
    out.push_back("星座：" + owner.Star);
    out.push_back(kSectionLine);

    const FourPillars p = ComputeFourPillars(
        static_cast<int>(ToInteger(owner.Solar.YearText)),
        static_cast<int>(ToInteger(owner.Solar.MonthText)),
        static_cast<int>(ToInteger(owner.Solar.DayText)), owner.Hour,
        static_cast<int>(ToInteger(Trim(input.MinuteText), "出生分钟")), Trim(input.SexText));
    const int A = p.StartAge;
    const auto tables = StemBranchTables::Current();
    const StemBranchTables& tg = *tables;

    out.push_back("胎元：" + p.TaiYuan.Text() + "(" + tg.NayinOf(p.TaiYuan.Text()) + ")");
    out.push_back("起运：" + std::to_string(p.StartAge) + "岁");
    const PillarLines pillarLines = PillarLinesOf(tg, p);
    out.push_back(pillarLines.TenGods);
    out.push_back(pillarLines.Pillars);
    std::string line = "遁藏：";
    for (int i = 0; i < 4; ++i) {
        const std::string c = gbk::ByteSlice(p.Hidden(i), 1, 2);
        if (i > 0) line += " ";
        line += c + tg.TenGodOf(p.DayStem() + c);
    }
    out.push_back(line);
    for (int start : {3, 5}) {
        line = kBlank6;
        for (int i = 0; i < 4; ++i) line += HiddenEntry(tg, p, p.Hidden(i), start);
        out.push_back(line);
    }
    out.push_back(pillarLines.Elements);
    out.push_back(pillarLines.Nayin);
    out.push_back(LuckNayinLine(tg, p));
    out.push_back(LuckTenGodLine(tg, p));
    out.push_back("大运：" + LuckPillarsText(p));

    if (p.StartAge == 1) {
        out.push_back("      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
    } else {
        line = kBlank6 + "1-" + std::to_string(A - 1) + "岁";
        for (int k = 0; k <= 8; ++k) line += kBlank3 + std::to_string(A + 10 * k) + "岁";
        out.push_back(line);
    }
    const int Y = static_cast<int>(ToInteger(owner.Solar.YearText));
    line = "始于：" + owner.Solar.YearText;
    for (int k = 0; k <= 8; ++k) line += kBlank3 + std::to_string(Y + A + 10 * k);
    out.push_back(line);
    out.emplace_back();

    // 流年: column 0 holds the years before the first luck pillar, column
    // k + 1 year i of the luck pillar starting at age A + 10k.
    for (int i = 0; i <= 9; ++i) {
        if (i < A) {
            line = (i == 0 ? std::string("流年：") : kBlank6) + YearPillar(L + i);
            for (int k = 0; k <= 8; ++k) line += kBlank3 + YearPillar(L + A + i + 10 * k);
        } else {
            line = kBlank13 + YearPillar(L + A + i);
            for (int k = 1; k <= 8; ++k) line += kBlank3 + YearPillar(L + A + i + 10 * k);
        }
        out.push_back(line);
    }
    out.emplace_back();

    // 小运: a pillar line and an age line per row, laid out like 流年.
    for (int i = 0; i <= 9; ++i) {
        std::string ages;
        if (i < A) {
            line = (i == 0 ? std::string("小运：") : kBlank6) + MinorPillar(p, i);
            ages = kBlank6 + AgeLabel(i);
            for (int k = 0; k <= 8; ++k) {
                line += kBlank3 + MinorPillar(p, A + i + 10 * k);
                ages += kBlank3 + AgeLabel(A + i + 10 * k);
            }
        } else {
            line = kBlank13 + MinorPillar(p, A + i);
            ages = kBlank13 + AgeLabel(A + i);
            for (int k = 1; k <= 8; ++k) {
                line += kBlank3 + MinorPillar(p, A + i + 10 * k);
                ages += kBlank3 + AgeLabel(A + i + 10 * k);
            }
        }
        out.push_back(line);
        out.push_back(ages);
    }

    out.push_back("八字五行个数：" + ElementCountText(pillarLines.ElementLine));
    out.push_back(FavourableLine(JudgeFavourable(pillarLines.ElementWords), p.DayStem()));
    out.push_back(kSectionLine);
    out.push_back("袁天罡称骨算命：");

    // Before the month's 节 the bone weight reads the previous lunar month.
    std::string monthText = std::to_string(owner.Lunar.Month);
    if (p.BeforeJie)
        monthText = owner.Lunar.Month == 1 ? "12" : std::to_string(owner.Lunar.Month - 1);
    for (int kind = 0; kind <= 2; ++kind)
        out.push_back(BoneWeightLine(std::to_string(L), monthText, std::to_string(owner.Lunar.Day),
                                     std::to_string(owner.Hour), kind)
                          .value_or(std::string()));
    out.push_back(kSectionLine);
    out.emplace_back();
    out.push_back(kClosingLine);
    return out;
}

std::optional<InputProblem> WriteBaziReport(const BirthInput& input, ReportSink& sink,
                                            int nowYear) {
    if (auto problem = ValidateBaziInput(input)) return problem;
    const std::vector<std::string> lines = BaziReportLines(input, nowYear);
    sink.Clear();
    for (const std::string& line : lines) sink.AppendLine(line);
    return std::nullopt;
}

}  // namespace velmora::bazi
