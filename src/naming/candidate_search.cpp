#include "naming/candidate_search.h"

#include <string_view>

#include "base/dates.h"
#include "base/text.h"
#include "bazi/four_pillars.h"
#include "bazi/lookups.h"
#include "numerology/strokes.h"
#include "store/connection.h"

namespace velmora::naming {
namespace {

constexpr std::string_view kElements[] = {"金", "木", "水", "火", "土"};

// One random sample of `count` rows of CYZI, drawn inside the query.
std::string CyziSample(int count) {
    return "(select zi,wuhang,ft,bh from CYZI order by random() limit " + std::to_string(count) +
           ")";
}

// The select list of a body whose positions are the aliases in order.
std::string BodyColumns(const std::vector<std::string>& aliases) {
    std::string zi, wuhang, ft, bh;
    for (size_t i = 0; i < aliases.size(); ++i) {
        const std::string sep = i == 0 ? "" : " || ";
        const std::string& a = aliases[i];
        zi += sep + a + ".zi";
        wuhang += sep + a + ".wuhang";
        ft += sep + a + ".ft";
        bh += (i == 0 ? "" : " + ") + a + ".bh";
    }
    return "select " + zi + " as zi, " + wuhang + " as wuhang, " + ft + " as ft, " + bh +
           " as bh, ";
}

std::string TwoCharQuery(const std::vector<bool>& isFixed) {
    if (!isFixed[0] && !isFixed[1])
        return BodyColumns({"a", "b"}) + "d.zf as fs from " + CyziSample(230) + " a, " +
               CyziSample(230) +
               " b, gz d where d.lx = 2 and a.bh = d.bh11 and b.bh = d.bh12 limit 50000";
    // One fixed position: every row of CYZI for the free one.
    return BodyColumns({"a", "b"}) + "c.zf as fs from " +
           (isFixed[0] ? "CYZI b, word a, gz c where a.zi = ?"
                       : "CYZI a, word b, gz c where b.zi = ?") +
           " and c.lx = 2 and c.bh11 = a.bh and c.bh12 = b.bh";
}

std::string ThreeCharQuery(const std::vector<bool>& isFixed) {
    const int fixedCount = isFixed[0] + isFixed[1] + isFixed[2];
    if (fixedCount == 0)
        return BodyColumns({"a", "b", "c"}) + "d.zf as fs from " + CyziSample(50) + " a, " +
               CyziSample(50) + " b, " + CyziSample(50) +
               " c, gz d where d.lx = 3 and a.bh = d.bh11 and b.bh = d.bh12 and c.bh = d.bh21 "
               "limit 50000";
    // Fixed characters come from `word` (a, then aa), free ones from CYZI
    // (b, then bb); the aliases are listed in position order.
    std::vector<std::string> order;
    int nextFixed = 0, nextFree = 0;
    for (bool f : isFixed) order.push_back(f ? (nextFixed++ ? "aa" : "a") : (nextFree++ ? "bb" : "b"));
    std::string from;
    std::string where;
    if (fixedCount == 1) {
        from = CyziSample(200) + " b, " + CyziSample(200) + " bb, word a, gz c";
        where = "a.zi = ?";
    } else {
        from = "CYZI b, word a, word aa, gz c";
        where = "a.zi = ? and aa.zi = ?";
    }
    return BodyColumns(order) + "c.zf as fs from " + from + " where " + where +
           " and c.lx = 3 and c.bh11 = " + order[0] + ".bh and c.bh12 = " + order[1] +
           ".bh and c.bh21 = " + order[2] + ".bh";
}

std::string FourCharQuery(const std::vector<bool>& isFixed) {
    const int fixedCount = isFixed[0] + isFixed[1] + isFixed[2] + isFixed[3];
    if (fixedCount == 0) {
        const std::string mz =
            "(select zi,wuhang,ft,bh,bh1,bh2 from MZ where fs > 89 order by random() limit 300)";
        return BodyColumns({"a", "b"}) + "c.zf as fs from " + mz + " a, " + mz +
               " b, gz c where c.lx = 4 and a.bh1 = c.bh11 and a.bh2 = c.bh12 and b.bh1 = c.bh21 "
               "and b.bh2 = c.bh22 limit 100000";
    }
    const int sample = fixedCount == 1 ? 50 : fixedCount == 2 ? 300 : 1000;
    const char* aliases[] = {"a", "aa", "b", "bb"};
    std::string sql = BodyColumns({"a", "aa", "b", "bb"}) + "c.zf as fs from ";
    for (int k = 0; k < 4; ++k)
        sql += (isFixed[k] ? std::string("(select zi,wuhang,ft,bh from word where zi = ? limit 1)")
                           : CyziSample(sample)) +
               " " + aliases[k] + ", ";
    return sql +
           "gz c where c.lx = 4 and a.bh = c.bh11 and aa.bh = c.bh12 and b.bh = c.bh21 and "
           "bb.bh = c.bh22 limit 100000";
}

}  // namespace

std::string CheckOwnerInput(const calendar::BirthInput& birth) {
    if (Trim(birth.Surname).empty()) return kSurnameMissing;
    if (Trim(birth.YearText).empty()) return "请选择出生年!";
    if (Trim(birth.MonthText).empty()) return "请选择出生月!";
    if (Trim(birth.DayText).empty()) return "请选择出生日!";
    if (Trim(birth.HourText).empty()) return "请选择出生小时!";
    return {};
}

std::string ComputeMissingWuhang(const calendar::BirthInput& birth) {
    const calendar::SolarBirthDate solar = calendar::ResolveSolarBirthDate(birth);
    const std::string dateText =
        Trim(solar.YearText) + "-" + Trim(solar.MonthText) + "-" + Trim(solar.DayText);
    const CivilDate day = CivilFromDate(ParseDate(dateText));
    const int hour = calendar::HourNumber(birth);
    const int minute = static_cast<int>(ToInteger(Trim(birth.MinuteText)));
    const bazi::FourPillars p =
        bazi::ComputeFourPillars(day.year, day.month, day.day, hour, minute, Trim(birth.SexText));

    store::Query tgcode = bazi::OpenTgcodeQuery();
    std::string present;
    for (const std::string* c : {&p.YearStem, &p.YearBranch, &p.MonthStem, &p.MonthBranch,
                                 &p.DayStem, &p.DayBranch, &p.HourStem, &p.HourBranch})
        present += bazi::CharElement(tgcode, *c);
    std::string missing;
    for (std::string_view e : kElements)
        if (present.find(e) == std::string::npos) missing += e;
    return missing;
}

std::string CutMissing(std::string_view missing, int length) {
    std::string cut;
    int taken = 0;
    for (const std::string& c : SplitChars(missing)) {
        if (taken++ == length) break;
        cut += c;
    }
    return Trim(cut);
}

std::string BuildWuhangFilter(std::string_view missing) {
    std::string filter;
    for (std::string_view e : kElements)
        if (missing.find(e) != std::string_view::npos)
            filter += " and (wuhang like '%" + std::string(e) + "%')";
    return filter;
}

std::vector<std::string> FixedPositions(const SearchInput& input) {
    std::vector<std::string> fixed;
    for (int k = 0; k < input.Length && k < 4; ++k) fixed.push_back(Trim(input.Namezhi[k]));
    return fixed;
}

std::string AllFixedMessage(const SearchInput& input) {
    for (const std::string& f : FixedPositions(input))
        if (f.empty()) return {};
    switch (input.Length) {
        case 2: return "二字名不能同时固定两个字！";
        case 3: return "三字名不能同时固定三个字！";
        default: return "四字名不能同时固定四个字！";
    }
}

SearchSql BuildSearchSql(int length, const std::vector<std::string>& fixed,
                         const std::string& wuhangFilter) {
    SearchSql out;
    std::vector<bool> isFixed;
    for (const std::string& f : fixed) {
        isFixed.push_back(!f.empty());
        if (!f.empty()) out.Params.emplace_back(f);
    }
    isFixed.resize(length, false);
    out.Sql = length == 2   ? TwoCharQuery(isFixed)
              : length == 3 ? ThreeCharQuery(isFixed)
                            : FourCharQuery(isFixed);
    if (!wuhangFilter.empty())
        out.Sql = "select * from (" + out.Sql + ") dd where 1 = 1 " + wuhangFilter;
    return out;
}

std::string PrepareSearch(const SearchInput& input, SearchState& state, store::Query& strokes) {
    if (std::string message = CheckOwnerInput(input.birth); !message.empty()) return message;
    state.MissingWuhang = ComputeMissingWuhang(input.birth);

    const std::string suffix = Trim(input.NameEnd);
    const std::string prefix = Trim(input.NameBegin);
    state.NameEndBh = suffix.empty() ? 0 : numerology::GetStrokeCount(strokes, suffix);
    state.NameEndFt = suffix.empty() ? "" : numerology::GetTraditionalForm(strokes, suffix);
    state.NameBeginFt = prefix.empty() ? "" : numerology::GetTraditionalForm(strokes, prefix);
    const std::string affixes = suffix + prefix;
    state.AffixBh = affixes.empty() ? 0 : numerology::GetStrokeCount(strokes, affixes);

    state.MissingWuhang = CutMissing(state.MissingWuhang, input.Length);
    state.WuhangFilter = BuildWuhangFilter(state.MissingWuhang);
    return AllFixedMessage(input);
}

void OpenSearch(const SearchInput& input, const SearchState& state, store::Query& result) {
    result.Close();
    result.Bind(store::BuildConnectionString(store::DataFile::Vudazod));
    SearchSql sql = BuildSearchSql(input.Length, FixedPositions(input), state.WuhangFilter);
    result.SetSql(std::move(sql.Sql));
    result.SetParams(std::move(sql.Params));
    result.Open();
}

}  // namespace velmora::naming
