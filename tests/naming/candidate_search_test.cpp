// The candidate search and its grid pages on the real character databases.
#include "naming/candidate_search.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "base/dates.h"
#include "base/errors.h"
#include "base/text.h"
#include "calendar/lunar_calendar.h"
#include "naming/candidate_grid.h"
#include "naming/stroke_patterns.h"
#include "numerology/strokes.h"
#include "store/catalogue.h"
#include "store/connection.h"

namespace velmora::naming {
namespace {

calendar::BirthInput Owner(std::string year = "1980", std::string month = "1",
                           std::string day = "1", std::string hour = "巳 10") {
    calendar::BirthInput b;
    b.Surname = "王";
    b.SexText = "男";
    b.YearText = std::move(year);
    b.MonthText = std::move(month);
    b.DayText = std::move(day);
    b.HourText = std::move(hour);
    b.MinuteText = "0";
    return b;
}

store::Query VudazodQuery(int timeout = store::Query::kLookupTimeout) {
    return store::Query(store::BuildConnectionString(store::DataFile::Vudazod), timeout);
}

TEST(CandidateSearchTest, OwnerInputsAreCheckedInOrder) {
    struct Case {
        const char* name;
        void (*blank)(calendar::BirthInput&);
        const char* message;
    };
    const Case cases[] = {
        {"surname of blanks", [](calendar::BirthInput& b) { b.Surname = "  "; }, "姓不能为空!"},
        {"year and day", [](calendar::BirthInput& b) { b.YearText = b.DayText = ""; },
         "请选择出生年!"},
        {"month", [](calendar::BirthInput& b) { b.MonthText = " "; }, "请选择出生月!"},
        {"day", [](calendar::BirthInput& b) { b.DayText = ""; }, "请选择出生日!"},
        {"hour", [](calendar::BirthInput& b) { b.HourText = ""; }, "请选择出生小时!"},
        {"year out of range", [](calendar::BirthInput& b) { b.YearText = "2100"; },
         "出生年“2100”超出范围，须在1901至2099之间!"},
        {"minute out of range", [](calendar::BirthInput& b) { b.MinuteText = "60"; },
         "出生分钟“60”超出范围，须在0至59之间!"},
        {"all there", [](calendar::BirthInput&) {}, ""},
    };
    for (const Case& c : cases) {
        calendar::BirthInput b = Owner();
        c.blank(b);
        const auto problem = CheckOwnerInput(b);
        EXPECT_EQ(problem ? problem->Message : "", c.message) << c.name;
        EXPECT_EQ(problem && problem->Focus == bazi::InputFocus::Surname,
                  std::string(c.name) == "surname of blanks")
            << c.name;
    }
}

TEST(CandidateSearchTest, BadDatesAndHoursRaiseConversionErrors) {
    EXPECT_THROW(ComputeMissingWuhang(Owner("2001", "2", "30")), ConversionError);
    EXPECT_THROW(ComputeMissingWuhang(Owner("1980", "1", "1", "巳")), ConversionError);
    calendar::BirthInput lunar = Owner("2021", "1", "30");  // lunar 2021-1 has 29 days
    lunar.DateKind = 1;
    EXPECT_THROW(ComputeMissingWuhang(lunar), ConversionError);
    EXPECT_THROW(ComputeMissingWuhang(Owner("19x0")), ConversionError);
}

TEST(CandidateSearchTest, LunarBirthUsesTheConvertedSolarDate) {
    for (int day : {1, 9, 17, 28}) {
        calendar::BirthInput lunar = Owner("1985", "6", std::to_string(day));
        lunar.DateKind = 1;
        const CivilDate solar = CivilFromDate(calendar::LunarToSolar({1985, 6, day, false}));
        const calendar::BirthInput gregorian = Owner(
            std::to_string(solar.year), std::to_string(solar.month), std::to_string(solar.day));
        EXPECT_EQ(ComputeMissingWuhang(lunar), ComputeMissingWuhang(gregorian)) << day;
    }
}

TEST(CandidateSearchTest, MissingElementsAreCutToTheBodyLengthAndFiltered) {
    struct Case {
        const char* missing;
        int length;
        const char* cut;
        std::vector<std::string> filter;
    };
    const Case cases[] = {
        {"金水火", 2, "金水", {"金", "水"}},
        {"金水火", 4, "金水火", {"金", "水", "火"}},
        {"土木", 3, "土木", {"木", "土"}},
        {"", 2, "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CutMissing(c.missing, c.length), c.cut) << c.missing;
        EXPECT_EQ(BuildWuhangFilter(CutMissing(c.missing, c.length)), c.filter) << c.missing;
    }
}

TEST(CandidateSearchTest, AllPositionsFixedStopsOnlyWithinTheBodyLength) {
    struct Case {
        int length;
        std::array<std::string, 4> fixed;
        const char* message;
    };
    const Case cases[] = {
        {2, {"九", "万", "", ""}, "二字名不能同时固定两个字！"},
        {2, {"九", "", "万", ""}, ""},  // position 3 is beyond a two-character body
        {3, {"九", "万", "天", ""}, "三字名不能同时固定三个字！"},
        {4, {"九", "万", "天", "地"}, "四字名不能同时固定四个字！"},
        {4, {"九", " ", "天", "地"}, ""},  // a blank edit is free
    };
    for (const Case& c : cases) {
        SearchInput input;
        input.Length = c.length;
        input.FixedChars = c.fixed;
        EXPECT_EQ(AllFixedMessage(input), c.message) << c.length;
    }
}

TEST(CandidateSearchTest, BonusFollowsTheEightyOneNumberClass) {
    const std::map<int, int> cases = {{81, 4}, {162, 4}, {82, 4}, {6, 3},  {2, 2},
                                      {87, 3}, {68, 4},  {75, 3}, {80, 2}, {0, 4}};
    for (const auto& [total, bonus] : cases) EXPECT_EQ(NameBonus(total), bonus) << total;
}

// Every query shape on the real data: fixed characters at their positions,
// body lengths, element filter, pattern scores, and the page's score column.
TEST(CandidateSearchTest, EveryQueryShapeKeepsFixedCharactersPatternsAndFilter) {
    const std::vector<std::array<std::string, 4>> fixedSets = {
        {"", "", "", ""},       {"天", "", "", ""},     {"", "天", "", ""},
        {"", "", "天", ""},     {"", "", "", "天"},     {"天", "华", "", ""},
        {"天", "", "华", ""},   {"", "天", "华", ""},   {"天", "", "", "华"},
        {"", "天", "", "华"},   {"", "", "天", "华"},   {"天", "华", "", "明"},
        {"天", "", "华", "明"}, {"", "天", "华", "明"}, {"天", "华", "明", ""},
    };
    store::Query strokes = VudazodQuery();
    store::Query gz = VudazodQuery();
    gz.SetSql(
        "select count(*) from gz where lx = ? and bh11 = ? and bh12 = ? and coalesce(bh21, 0) = ? "
        "and coalesce(bh22, 0) = ? and zf = ?");
    for (int length = 2; length <= 4; ++length) {
        for (const auto& fixedSet : fixedSets) {
            for (const std::string missing : {"", "水"}) {
                SearchInput input;
                input.Length = length;
                input.FixedChars = fixedSet;
                input.Prefix = "上海";
                input.Suffix = "科技有限公司";
                if (!AllFixedMessage(input).empty()) continue;
                const std::vector<std::string> fixed = FixedPositions(input);
                SearchState state;
                state.MissingWuhang = missing;
                state.WuhangFilter = BuildWuhangFilter(missing);
                state.AffixBh = 23;
                state.SuffixBh = 19;
                const std::vector<Candidate> result = RunSearch(input, state);
                const std::string label = std::to_string(length) + " " + fixedSet[0] + "|" +
                                          fixedSet[1] + "|" + fixedSet[2] + "|" + fixedSet[3] +
                                          " " + missing;
                ASSERT_GT(result.size(), 0u) << label;
                for (size_t row = 0; row < result.size(); ++row) {
                    const Candidate& candidate = result[row];
                    const std::string& zi = candidate.Body;
                    const std::vector<std::string> chars = SplitChars(zi);
                    ASSERT_EQ(chars.size(), static_cast<size_t>(length)) << label << " " << zi;
                    for (int k = 0; k < length; ++k) {
                        if (!fixed[k].empty()) {
                            EXPECT_EQ(chars[k], fixed[k]) << label << " " << zi;
                        }
                    }
                    const std::string& wuhang = candidate.Elements;
                    for (const std::string& e : SplitChars(missing))
                        EXPECT_NE(wuhang.find(e), std::string::npos) << label << " " << zi;
                    // The strokes position by position form a gz row with this score
                    // (checked on about 300 rows spread over the result: a lookup per
                    // row of 100000 would take minutes).
                    if ((row + 1) % std::max<size_t>(1, result.size() / 300) != 0) continue;
                    std::vector<long long> bh;
                    for (const std::string& c : chars)
                        bh.push_back(numerology::GetStrokeCount(strokes, c));
                    long long sum = 0;
                    for (long long b : bh) sum += b;
                    EXPECT_EQ(candidate.Strokes, sum) << label << " " << zi;
                    bh.resize(4, 0);
                    const long long fs = candidate.PatternScore;
                    gz.SetParams({static_cast<long long>(length), bh[0], bh[1], bh[2], bh[3], fs});
                    gz.Open();
                    EXPECT_GT(gz.FieldAt(0).AsInteger(), 0) << label << " " << zi;
                }
                int row = 0;
                for (const GridRow& g :
                     BuildNamePage(result, state, input.Prefix, input.Suffix, DefaultRowDraw())) {
                    ++row;
                    EXPECT_EQ(g[0], std::to_string(row));
                    EXPECT_EQ(g[1], "上海" + g[4] + "科技有限公司");
                    const int total = std::stoi(g[6]) + 23;
                    EXPECT_EQ(g[3], std::to_string(total));
                    EXPECT_EQ(g[7], "19");
                    // The score is fs of the row's pattern plus the bonus of the total.
                    const std::vector<std::string> chars = SplitChars(g[4]);
                    std::vector<long long> bh;
                    for (const std::string& c : chars)
                        bh.push_back(numerology::GetStrokeCount(strokes, c));
                    bh.resize(4, 0);
                    gz.SetParams({static_cast<long long>(length), bh[0], bh[1], bh[2], bh[3],
                                  static_cast<long long>(std::stoi(g[8]) - NameBonus(total))});
                    gz.Open();
                    EXPECT_GT(gz.FieldAt(0).AsInteger(), 0) << label << " " << g[4];
                }
            }
        }
    }
}

// A Vudazod.db of the given rows in a folder of its own, made the data folder
// for the life of the fixture.
class SmallVudazod {
  public:
    explicit SmallVudazod(const std::string& rows) {
        folder_ = std::filesystem::temp_directory_path() /
                  ("velmora-search-" + std::to_string(::getpid()) + "-" + std::to_string(++made_));
        std::filesystem::create_directories(folder_);
        sqlite3* db = nullptr;
        const std::string file = (folder_ / "Vudazod.db").string();
        EXPECT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
        const std::string sql = std::string(store::SchemaSql(store::DataFile::Vudazod)) + rows;
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
            << (error ? error : "");
        sqlite3_free(error);
        WritePackedStrokePatterns(db);
        sqlite3_close(db);
        store::SetDataFolder(folder_.string() + "/");
    }
    ~SmallVudazod() {
        store::SetDataFolder("");
        std::filesystem::remove_all(folder_);
    }

  private:
    static inline int made_ = 0;
    std::filesystem::path folder_;
};

// The candidates as "body elements traditional strokes score" lines, an
// empty text shown as ~.
std::multiset<std::string> ResultLines(const std::vector<Candidate>& result) {
    const auto text = [](const std::string& t) { return t.empty() ? std::string("~") : t; };
    std::multiset<std::string> lines;
    for (const Candidate& c : result)
        lines.insert(text(c.Body) + " " + text(c.Elements) + " " + text(c.Traditional) + " " +
                     std::to_string(c.Strokes) + " " + std::to_string(c.PatternScore));
    return lines;
}

// One row per pair of source row and matching pattern row, as a join in SQL
// gives it: a fixed character with two rows of `word` and a stroke pattern
// with two rows of `gz` make four rows; a NULL element makes the joined
// elements NULL and fails every element filter; a NULL stroke matches nothing.
// The sample of every source (-1 for a fixed character, 0 for every row of
// CYZI) and the row limit, by body length and fixed positions.
TEST(CandidateSearchTest, PlanDrawsSamplesByLengthAndFixedPositions) {
    struct Case {
        int length;
        std::vector<std::string> fixed;
        std::vector<long long> samples;
        int rowLimit;
    };
    const Case cases[] = {
        {2, {}, {230, 230}, 50000},
        {2, {"", "华"}, {0, -1}, 0},
        {2, {"", "", "华"}, {230, 230}, 50000},  // beyond the body length: not fixed
        {3, {}, {50, 50, 50}, 50000},
        {3, {"华"}, {-1, 200, 200}, 0},
        {3, {"华", "", "泰"}, {-1, 0, -1}, 0},
        {4, {}, {300, 300}, 100000},  // two names of MZ
        {4, {"华"}, {-1, 50, 50, 50}, 100000},
        {4, {"", "华", "泰"}, {300, -1, -1, 300}, 100000},
        {4, {"华", "泰", "", "安"}, {-1, -1, 1000, -1}, 100000},
    };
    for (const Case& c : cases) {
        const SearchPlan plan = PlanSearch(c.length, c.fixed);
        std::vector<long long> samples;
        for (const CharacterSource& source : plan.Sources) {
            if (source.Params.empty())
                samples.push_back(0);
            else if (std::holds_alternative<std::string>(source.Params[0]))
                samples.push_back(-1);
            else
                samples.push_back(std::get<long long>(source.Params[0]));
        }
        EXPECT_EQ(samples, c.samples) << c.length << ", " << c.fixed.size() << " fixed given";
        EXPECT_EQ(plan.RowLimit, c.rowLimit)
            << c.length << ", " << c.fixed.size() << " fixed given";
    }
}

TEST(CandidateSearchTest, JoinKeepsEveryRowPairAndSqlNulls) {
    const SmallVudazod data(
        "INSERT INTO word VALUES ('天', '火', '天', 4), ('天', '火', '靝', 4);"
        "INSERT INTO CYZI (zi, wuhang, ft, bh) VALUES ('乙', '木', '乙', 1), ('丙', '火', '丙', 5),"
        " ('丁', '火', '丁', 2), ('戊', NULL, '戊', 1), ('己', '土', '己', NULL);"
        "INSERT INTO gz VALUES (2, 4, 1, NULL, NULL, 80), (2, 4, 1, NULL, NULL, 90),"
        " (2, 4, 5, NULL, NULL, 70), (2, 4, NULL, NULL, NULL, 60), (3, 4, 2, 0, 0, 99);");
    SearchInput input;
    input.Length = 2;
    input.FixedChars = {"天", "", "", ""};
    SearchState state;
    EXPECT_EQ(ResultLines(RunSearch(input, state)),
              (std::multiset<std::string>{
                  "天乙 火木 天乙 5 80", "天乙 火木 天乙 5 90", "天乙 火木 靝乙 5 80",
                  "天乙 火木 靝乙 5 90", "天丙 火火 天丙 9 70", "天丙 火火 靝丙 9 70",
                  "天戊 ~ 天戊 5 80", "天戊 ~ 天戊 5 90", "天戊 ~ 靝戊 5 80", "天戊 ~ 靝戊 5 90"}));

    state.WuhangFilter = BuildWuhangFilter("木");
    EXPECT_EQ(ResultLines(RunSearch(input, state)),
              (std::multiset<std::string>{"天乙 火木 天乙 5 80", "天乙 火木 天乙 5 90",
                                          "天乙 火木 靝乙 5 80", "天乙 火木 靝乙 5 90"}));

    // The same character fixed at the second position meets no pattern (4, x).
    input.FixedChars = {"", "天", "", ""};
    state.WuhangFilter.clear();
    EXPECT_TRUE(RunSearch(input, state).empty());
}

// Without a fixed character the joined rows stop at the row limit.
TEST(CandidateSearchTest, JoinStopsAtTheRowLimit) {
    const SmallVudazod data(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
        " INSERT INTO CYZI (zi, wuhang, ft, bh) SELECT '乙' || i, '木', '乙' || i, 1 FROM n;"
        "INSERT INTO gz VALUES (2, 1, 1, NULL, NULL, 80);");
    SearchInput input;
    input.Length = 2;
    EXPECT_EQ(RunSearch(input, SearchState{}).size(), 50000u);  // 230 x 230 = 52900 combinations
}

// The built gz_packed holds gz as it stands: every row of each length, and
// the rows of a pattern with their scores.
TEST(CandidateSearchTest, PackedPatternsHoldTheBuiltGzRows) {
    const std::string vudazod = store::BuildConnectionString(store::DataFile::Vudazod);
    store::Query gz(vudazod, store::Query::kSearchTimeout);
    for (int length = 2; length <= 4; ++length) {
        const StrokePatterns patterns = StrokePatterns::Load(vudazod, length);
        gz.SetSql("select count(*) from gz where lx = ?");
        gz.SetParams({static_cast<long long>(length)});
        gz.Open();
        EXPECT_EQ(patterns.size(), static_cast<size_t>(gz.FieldAt(0).AsInteger())) << length;
        gz.SetSql(
            "select bh11, bh12, bh21, bh22, zf from gz where lx = ? and bh11 = 7 and bh12 in "
            "(9, 16)");
        gz.SetParams({static_cast<long long>(length)});
        gz.Open();
        ASSERT_GT(gz.RowCount(), 0) << length;
        for (gz.First(); !gz.AtEnd(); gz.Next()) {
            long long strokes[4];
            for (int k = 0; k < length; ++k) strokes[k] = gz.FieldAt(k).AsInteger();
            const StrokeKey key = *PackStrokes({strokes, static_cast<size_t>(length)});
            const auto [first, last] = patterns.Find(key);
            ASSERT_EQ(last - first, 1u) << length;
            EXPECT_EQ(patterns.At(first).zf, gz.FieldAt(4).AsInteger()) << length;
        }
    }
}

// Strokes above 255 or scores beyond 16 bits take the wide form of the
// packed patterns; either form finds every row of a pattern, in gz order.
TEST(CandidateSearchTest, PackedPatternsInTheNarrowAndTheWideForm) {
    for (const bool wide : {false, true}) {
        const SmallVudazod data(
            std::string("INSERT INTO gz VALUES (2, 4, 1, NULL, NULL, NULL), "
                        "(2, 4, 1, NULL, NULL, 80), (2, 5, 255, NULL, NULL, -7), (2, 4, NULL, "
                        "NULL, NULL, 60), (3, 4, 1, 2, NULL, 99);") +
            (wide ? "INSERT INTO gz VALUES (2, 300, 1, NULL, NULL, 100000);" : ""));
        const StrokePatterns patterns =
            StrokePatterns::Load(store::BuildConnectionString(store::DataFile::Vudazod), 2);
        EXPECT_EQ(patterns.size(), wide ? 4u : 3u);
        auto scores = [&](std::vector<long long> strokes) {
            std::vector<std::optional<int>> found;
            const auto [first, last] = patterns.Find(*PackStrokes(strokes));
            for (size_t i = first; i < last; ++i) {
                EXPECT_EQ(patterns.At(i).key, *PackStrokes(strokes));
                found.push_back(patterns.At(i).zf);
            }
            return found;
        };
        using Scores = std::vector<std::optional<int>>;
        EXPECT_EQ(scores({4, 1}), (Scores{std::nullopt, 80})) << wide;
        EXPECT_EQ(scores({5, 255}), (Scores{-7})) << wide;
        EXPECT_EQ(scores({4, 2}), Scores{}) << wide;
        EXPECT_EQ(scores({256, 1}), Scores{}) << wide;
        EXPECT_EQ(scores({300, 1}), wide ? Scores{100000} : Scores{}) << wide;
    }
}

TEST(CandidateSearchTest, UnknownOrQuotedFixedCharacterFindsNothing) {
    for (const std::string odd : {"'", "x", "\"", "?"}) {
        for (int length = 2; length <= 4; ++length) {
            SearchInput input;
            input.Length = length;
            input.FixedChars = {odd, "", "", ""};
            std::vector<Candidate> result;
            ASSERT_NO_THROW(result = RunSearch(input, SearchState{})) << odd << length;
            EXPECT_TRUE(result.empty()) << odd << length;
            EXPECT_TRUE(BuildNamePage(result, SearchState{}, "", "", DefaultRowDraw()).empty());
        }
    }
}

TEST(CandidateSearchTest, PrepareSearchSetsAffixStrokesAndStopsOnMessages) {
    store::Query strokes = VudazodQuery();
    SearchInput input;
    input.birth = Owner();
    input.Prefix = " 上海 ";
    input.Suffix = "科技有限公司";
    SearchState state;
    EXPECT_FALSE(PrepareSearch(input, state, strokes));
    EXPECT_EQ(state.SuffixBh, numerology::GetStrokeCount(strokes, "科技有限公司"));
    EXPECT_EQ(state.AffixBh, numerology::GetStrokeCount(strokes, "科技有限公司上海"));
    EXPECT_EQ(state.PrefixFt, numerology::GetTraditionalForm(strokes, "上海"));
    EXPECT_EQ(state.WuhangFilter, BuildWuhangFilter(state.MissingWuhang));
    EXPECT_LE(SplitChars(state.MissingWuhang).size(), 2u);

    input.Prefix = input.Suffix = "";
    input.FixedChars = {"九", "万", "", ""};
    const auto stop = PrepareSearch(input, state, strokes);
    ASSERT_TRUE(stop);
    EXPECT_EQ(stop->Reason, SearchStop::Kind::FixedPositions);
    EXPECT_EQ(stop->Problem.Message, "二字名不能同时固定两个字！");
    EXPECT_EQ(state.AffixBh, 0);
    EXPECT_EQ(state.SuffixFt, "");
}

// `count` candidates whose body is "r<row>", strokes and score the row number.
std::vector<Candidate> NumberedCandidates(int count) {
    std::vector<Candidate> candidates;
    for (int i = 1; i <= count; ++i)
        candidates.push_back({"r" + std::to_string(i), "金", "R" + std::to_string(i), i, i});
    return candidates;
}

TEST(CandidateGridTest, PagesAreInOrderBelowTwoHundredRowsAndDrawnFromThenOn) {
    struct Case {
        int rows;
        int shown;
        bool drawn;
    };
    const Case cases[] = {{0, 0, false},     {37, 37, false},  {150, 100, false},
                          {199, 100, false}, {200, 100, true}, {500, 100, true}};
    for (const Case& c : cases) {
        const std::vector<Candidate> result = NumberedCandidates(c.rows);
        int draws = 0;
        const RowDraw draw = [&](int count) {
            EXPECT_EQ(count, c.rows);
            return (++draws * 7) % count + 1;
        };
        const std::vector<GridRow> page = BuildNamePage(result, SearchState{}, "", "", draw);
        ASSERT_EQ(page.size(), static_cast<size_t>(c.shown)) << c.rows;
        EXPECT_EQ(draws, c.drawn ? c.shown : 0) << c.rows;
        for (int k = 1; k <= c.shown; ++k) {
            const int expected = c.drawn ? (k * 7) % c.rows + 1 : k;
            EXPECT_EQ(page[k - 1][4], "r" + std::to_string(expected)) << c.rows << " " << k;
        }
    }
}

}  // namespace
}  // namespace velmora::naming
