#include "naming/candidate_search.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "base/dates.h"
#include "base/text.h"
#include "bazi/four_pillars.h"
#include "bazi/lookups.h"
#include "naming/stroke_patterns.h"
#include "numerology/strokes.h"
#include "store/connection.h"

namespace velmora::naming {
namespace {

constexpr std::string_view kElements[] = {"金", "木", "水", "火", "土"};

constexpr const char* kCyziSample = "select zi, wuhang, ft, bh from CYZI order by random() limit ?";
constexpr const char* kCyziAll = "select zi, wuhang, ft, bh from CYZI";
constexpr const char* kWordRows = "select zi, wuhang, ft, bh from word where zi = ?";
constexpr const char* kWordFirstRow = "select zi, wuhang, ft, bh from word where zi = ? limit 1";
constexpr const char* kNameSample =
    "select zi, wuhang, ft, bh, bh1, bh2 from MZ where fs > 89 order by random() limit ?";

// Rows of CYZI for a free position: a random sample of `size`, or all of them (0).
CharacterSource FreeSource(int size) {
    if (size == 0) return {kCyziAll, {}};
    return {kCyziSample, {static_cast<long long>(size)}};
}

// One row of a source: its texts (no value for NULL, which makes the joined
// text NULL as SQL's || would), its strokes, and the stroke key of the
// positions it covers (no value when a stroke is missing: it matches nothing).
struct Piece {
    std::optional<std::string> zi, wuhang, ft;
    std::optional<long long> bh;
    std::optional<StrokeKey> key;
};

// A source's rows grouped by stroke key, the groups in the order their first
// row was drawn, so a row limit keeps a random part of the combinations.
struct LoadedSource {
    std::vector<Piece> pieces;
    std::vector<std::pair<StrokeKey, std::vector<const Piece*>>> groups;
};

std::optional<std::string> OptionalText(const store::Field& f) {
    return f.IsNull() ? std::nullopt : std::optional<std::string>(f.AsText());
}

LoadedSource LoadSource(store::Query& query, const CharacterSource& source, int offset) {
    query.Close();
    query.SetSql(source.Sql);
    query.SetParams(source.Params);
    query.Open();
    LoadedSource loaded;
    loaded.pieces.reserve(query.RowCount());
    for (query.First(); !query.AtEnd(); query.Next()) {
        Piece& p = loaded.pieces.emplace_back();
        p.zi = OptionalText(query.FieldAt(0));
        p.wuhang = OptionalText(query.FieldAt(1));
        p.ft = OptionalText(query.FieldAt(2));
        if (!query.FieldAt(3).IsNull()) p.bh = query.FieldAt(3).AsInteger();
        // A one-position source matches on bh, a two-character name on bh1, bh2.
        const int first = source.Span == 1 ? 3 : 4;
        long long strokes[2];
        bool complete = true;
        for (int k = 0; k < source.Span; ++k) {
            complete = complete && !query.FieldAt(first + k).IsNull();
            strokes[k] = query.FieldAt(first + k).AsInteger();
        }
        if (complete) p.key = PackStrokes({strokes, static_cast<size_t>(source.Span)}, offset);
    }
    query.Close();
    for (const Piece& p : loaded.pieces) {
        if (!p.key) continue;
        auto group = std::find_if(loaded.groups.begin(), loaded.groups.end(),
                                  [&](const auto& g) { return g.first == *p.key; });
        if (group == loaded.groups.end())
            group = loaded.groups.insert(loaded.groups.end(), {*p.key, {}});
        group->second.push_back(&p);
    }
    return loaded;
}

// Walks every combination of stroke groups, one group per source, looks its
// strokes up among the patterns and writes a row for each combination of the
// groups' rows and each matching pattern, until the row limit is reached.
class PatternJoin {
  public:
    PatternJoin(const std::vector<LoadedSource>& sources, const StrokePatterns& patterns,
                const std::vector<std::string>& filter, int limit, std::vector<Candidate>& out)
        : sources_(sources), patterns_(patterns), filter_(filter), limit_(limit), out_(out) {}

    void Run() { Groups(0, 0); }

  private:
    // False once the row limit is reached.
    bool Groups(size_t s, StrokeKey key) {
        if (s == sources_.size()) {
            const auto [first, last] = patterns_.Find(key);
            for (size_t i = first; i < last; ++i)
                if (!Rows(0, patterns_.At(i))) return false;
            return true;
        }
        for (const auto& [groupKey, rows] : sources_[s].groups) {
            groups_[s] = &rows;
            if (!Groups(s + 1, key | groupKey)) return false;
        }
        return true;
    }

    bool Rows(size_t s, const StrokePattern& pattern) {
        if (s == sources_.size()) return Emit(pattern);
        for (const Piece* p : *groups_[s]) {
            row_[s] = p;
            if (!Rows(s + 1, pattern)) return false;
        }
        return true;
    }

    // The texts of one column of the current row joined into `text`; false
    // and empty text when one of them is NULL.
    template <typename Member>
    bool Joined(Member member, std::string& text) const {
        text.clear();
        for (size_t s = 0; s < sources_.size(); ++s) {
            const std::optional<std::string>& part = row_[s]->*member;
            if (!part) {
                text.clear();
                return false;
            }
            text += *part;
        }
        return true;
    }

    bool Emit(const StrokePattern& pattern) {
        ++joined_;
        Candidate candidate;
        const bool hasWuhang = Joined(&Piece::wuhang, candidate.Elements);
        bool kept = true;
        for (const std::string& element : filter_)
            kept = kept && hasWuhang && candidate.Elements.find(element) != std::string::npos;
        if (kept) {
            Joined(&Piece::zi, candidate.Body);
            Joined(&Piece::ft, candidate.Traditional);
            // A piece without strokes leaves the sum unknown, which reads as 0.
            for (size_t s = 0; s < sources_.size(); ++s) {
                if (!row_[s]->bh) {
                    candidate.Strokes = 0;
                    break;
                }
                candidate.Strokes += static_cast<int>(*row_[s]->bh);
            }
            candidate.PatternScore = pattern.zf.value_or(0);
            out_.push_back(std::move(candidate));
        }
        return limit_ == 0 || joined_ < limit_;
    }

    const std::vector<LoadedSource>& sources_;
    const StrokePatterns& patterns_;
    const std::vector<std::string>& filter_;
    const long long limit_;
    std::vector<Candidate>& out_;
    long long joined_ = 0;
    std::array<const std::vector<const Piece*>*, 4> groups_{};
    std::array<const Piece*, 4> row_{};
};

}  // namespace

std::optional<bazi::InputProblem> CheckOwnerInput(const calendar::BirthInput& birth) {
    using bazi::InputFocus;
    if (Trim(birth.Surname).empty()) return bazi::InputProblem{"姓不能为空!", InputFocus::Surname};
    const std::pair<const std::string*, const char*> choices[] = {
        {&birth.YearText, "请选择出生年!"},
        {&birth.MonthText, "请选择出生月!"},
        {&birth.DayText, "请选择出生日!"},
        {&birth.HourText, "请选择出生小时!"}};
    for (const auto& [text, message] : choices)
        if (Trim(*text).empty()) return bazi::InputProblem{message, InputFocus::None};
    if (auto range = calendar::CheckBirthNumbers(birth))
        return bazi::InputProblem{std::move(*range), InputFocus::None};
    return std::nullopt;
}

std::string ComputeMissingWuhang(const calendar::BirthInput& birth) {
    const CivilDate day = CivilFromDate(calendar::ResolveSolarBirthDate(birth).Date);
    const int hour = calendar::HourNumber(birth);
    const int minute = static_cast<int>(ToInteger(Trim(birth.MinuteText), "出生分钟"));
    const bazi::FourPillars p =
        bazi::ComputeFourPillars(day.year, day.month, day.day, hour, minute, Trim(birth.SexText));

    const auto tables = bazi::StemBranchTables::Current();
    std::string present;
    for (std::string_view c : p.Characters()) present += tables->CharElement(c);
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

std::vector<std::string> BuildWuhangFilter(std::string_view missing) {
    std::vector<std::string> filter;
    for (std::string_view e : kElements)
        if (missing.find(e) != std::string_view::npos) filter.emplace_back(e);
    return filter;
}

std::vector<std::string> FixedPositions(const SearchInput& input) {
    std::vector<std::string> fixed;
    for (int k = 0; k < input.Length && k < 4; ++k) fixed.push_back(Trim(input.FixedChars[k]));
    return fixed;
}

std::string AllFixedMessage(const SearchInput& input) {
    for (const std::string& f : FixedPositions(input))
        if (f.empty()) return {};
    switch (input.Length) {
        case 2:
            return "二字名不能同时固定两个字！";
        case 3:
            return "三字名不能同时固定三个字！";
        default:
            return "四字名不能同时固定四个字！";
    }
}

namespace {

// How much of the character data a search draws, by body length (rows: 2, 3
// and 4 characters) and number of fixed positions (columns: 0 to 4): the
// random sample of each free position (0 = every row of CYZI) and the joined
// rows kept (0 = all). A body of four free positions draws two high-scoring
// two-character names of MZ instead, as many as its sample says.
struct PlanSizes {
    int Sample;
    int RowLimit;
};
constexpr std::array<std::array<PlanSizes, 5>, 3> kPlanSizes = {{
    {{{230, 50000}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
    {{{50, 50000}, {200, 0}, {0, 0}, {0, 0}, {0, 0}}},
    {{{300, 100000}, {50, 100000}, {300, 100000}, {1000, 100000}, {1000, 100000}}},
}};

// Two- and three-character bodies keep every joined row once a position is
// fixed, 50,000 while all are free; four-character bodies keep 100,000. No
// sample exceeds 1,000 rows.
constexpr bool PlanSizesAreSound() {
    for (size_t row = 0; row < kPlanSizes.size(); ++row)
        for (size_t fixedCount = 0; fixedCount < kPlanSizes[row].size(); ++fixedCount) {
            const PlanSizes& sizes = kPlanSizes[row][fixedCount];
            const int rowLimit = row == 2 ? 100000 : fixedCount == 0 ? 50000 : 0;
            if (sizes.Sample < 0 || sizes.Sample > 1000 || sizes.RowLimit != rowLimit) return false;
        }
    return true;
}
static_assert(PlanSizesAreSound());

}  // namespace

SearchPlan PlanSearch(int length, const std::vector<std::string>& fixed) {
    int fixedCount = 0;
    for (int k = 0; k < length && k < static_cast<int>(fixed.size()); ++k)
        fixedCount += !fixed[k].empty();
    const PlanSizes& sizes = kPlanSizes[static_cast<size_t>(std::clamp(length, 2, 4) - 2)]
                                       [static_cast<size_t>(fixedCount)];
    SearchPlan plan;
    plan.RowLimit = sizes.RowLimit;
    if (length == 4 && fixedCount == 0) {
        // Two two-character names with a high score make the body.
        for (int k = 0; k < 2; ++k)
            plan.Sources.push_back({kNameSample, {static_cast<long long>(sizes.Sample)}, 2});
        return plan;
    }
    for (int k = 0; k < length; ++k) {
        const bool isFixed = k < static_cast<int>(fixed.size()) && !fixed[k].empty();
        plan.Sources.push_back(
            isFixed ? CharacterSource{length == 4 ? kWordFirstRow : kWordRows, {fixed[k]}}
                    : FreeSource(sizes.Sample));
    }
    return plan;
}

std::optional<SearchStop> PrepareSearch(const SearchInput& input, SearchState& state,
                                        store::Query& strokes) {
    if (auto problem = CheckOwnerInput(input.birth))
        return SearchStop{SearchStop::Kind::OwnerInput, std::move(*problem)};
    state.MissingWuhang = ComputeMissingWuhang(input.birth);

    const std::string suffix = Trim(input.Suffix);
    const std::string prefix = Trim(input.Prefix);
    state.SuffixBh = suffix.empty() ? 0 : numerology::GetStrokeCount(strokes, suffix);
    state.SuffixFt = suffix.empty() ? "" : numerology::GetTraditionalForm(strokes, suffix);
    state.PrefixFt = prefix.empty() ? "" : numerology::GetTraditionalForm(strokes, prefix);
    const std::string affixes = suffix + prefix;
    state.AffixBh = affixes.empty() ? 0 : numerology::GetStrokeCount(strokes, affixes);

    state.MissingWuhang = CutMissing(state.MissingWuhang, input.Length);
    state.WuhangFilter = BuildWuhangFilter(state.MissingWuhang);
    if (std::string message = AllFixedMessage(input); !message.empty())
        return SearchStop{SearchStop::Kind::FixedPositions, {std::move(message)}};
    return std::nullopt;
}

std::vector<Candidate> RunSearch(const SearchInput& input, const SearchState& state) {
    const SearchPlan plan = PlanSearch(input.Length, FixedPositions(input));
    store::Query sources(store::BuildConnectionString(store::DataFile::Vudazod),
                         store::Query::kSearchTimeout);
    std::vector<LoadedSource> loaded;  // moving one keeps its rows where the groups point
    loaded.reserve(plan.Sources.size());
    int offset = 0;
    for (const CharacterSource& source : plan.Sources) {
        loaded.push_back(LoadSource(sources, source, offset));
        offset += source.Span;
    }
    const StrokePatterns& patterns = StrokePatterns::Of(sources.Connection(), input.Length);

    std::vector<Candidate> candidates;
    // Room for the row limit at once: growing the list step by step costs
    // more in copies and fresh pages than the join itself.
    if (plan.RowLimit > 0) candidates.reserve(static_cast<size_t>(plan.RowLimit));
    PatternJoin(loaded, patterns, state.WuhangFilter, plan.RowLimit, candidates).Run();
    return candidates;
}

}  // namespace velmora::naming
