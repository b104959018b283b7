// The built character data (Vudazod.db, KelFile.db) read through the primitives.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>

#include "base/gbk.h"
#include "base/text.h"
#include "numerology/pattern_score.h"
#include "numerology/shuli.h"
#include "numerology/strokes.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::numerology {
namespace {

using store::BuildConnectionString;
using store::DataFile;
using store::Query;

constexpr std::string_view kElements[] = {"金", "木", "水", "火", "土"};

Query VudazodQuery() {
    return Query(BuildConnectionString(DataFile::Vudazod), Query::kSearchTimeout);
}

long long Scalar(Query& q, const std::string& sql, std::vector<store::Param> params = {}) {
    q.SetSql(sql);
    q.SetParams(std::move(params));
    q.Open();
    return q.FieldAt(0).AsInteger();
}

TEST(Dictionary, StrokeCountsOfNamingCharacters) {
    Query q = VudazodQuery();
    struct Case {
        const char* zi;
        int strokes;
    };
    for (Case c : {Case{"河", 9}, Case{"江", 7}, Case{"海", 11}, Case{"华", 14}, Case{"国", 11},
                   Case{"科", 9}, Case{"技", 8}, Case{"有", 6},  Case{"限", 14}, Case{"公", 4},
                   Case{"司", 5}, Case{"王", 4}, Case{"玲", 10}, Case{"鑫", 24}, Case{"张", 11},
                   Case{"四", 4}, Case{"九", 9}, Case{"十", 10}, Case{"月", 4},  Case{"五", 5},
                   Case{"七", 7}, Case{"八", 8}, Case{"六", 6},  Case{"鼎", 13}})
        EXPECT_EQ(GetStrokeCount(q, c.zi), c.strokes) << c.zi;
    EXPECT_EQ(GetStrokeCount(q, "科技有限公司"), 9 + 8 + 6 + 14 + 4 + 5);
}

TEST(Dictionary, TraditionalFormsAndElements) {
    Query q = VudazodQuery();
    struct Case {
        const char* zi;
        const char* ft;
    };
    for (Case c : {Case{"华", "華"}, Case{"国", "國"}, Case{"发", "發"}, Case{"张", "張"},
                   Case{"范", "范"}, Case{"江", "江"}, Case{"峰", "峰"}})
        EXPECT_EQ(GetTraditionalForm(q, c.zi), c.ft) << c.zi;
    EXPECT_EQ(GetTraditionalForm(q, "上海华国"), "上海華國");

    struct ElementCase {
        const char* zi;
        const char* element;
    };
    q.SetSql("select wuhang from word where zi = ?");
    for (ElementCase c : {ElementCase{"鑫", "金"}, ElementCase{"林", "木"}, ElementCase{"江", "水"},
                          ElementCase{"炎", "火"}, ElementCase{"城", "土"}}) {
        q.SetParams({std::string(c.zi)});
        q.Open();
        ASSERT_EQ(q.RowCount(), 1) << c.zi;
        EXPECT_EQ(q.FieldAt(0).AsText(), c.element) << c.zi;
    }
}

// Counts we assembled and checked by hand, one line per count.
TEST(Dictionary, AgreesWithTheCheckedKangxiCounts) {
    std::ifstream in(std::string(VELMORA_NUMEROLOGY_TEST_DIR) + "/kangxi_counts.tsv");
    ASSERT_TRUE(in) << "kangxi_counts.tsv missing";
    Query q = VudazodQuery();
    int checked = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> fields = Split(line, '\t');
        ASSERT_EQ(fields.size(), 2u) << line;
        const int expected = static_cast<int>(ToInteger(fields[1]));
        for (const std::string& zi : Split(fields[0], ' ')) {
            if (zi.empty()) continue;
            EXPECT_EQ(GetStrokeCount(q, zi), expected) << zi;
            ++checked;
        }
    }
    EXPECT_GT(checked, 300);
}

// Every character of GB 2312 (rows 16-87) is in word, with a count, a form and an element.
TEST(Dictionary, HoldsAllOfGb2312) {
    Query q = VudazodQuery();
    q.SetSql("select bh, ft, wuhang from word where zi = ?");
    int characters = 0;
    for (int lead = 0xB0; lead <= 0xF7; ++lead)
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail >= 0xFA) continue;  // unassigned end of row 55
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string zi = gbk::Decode(bytes);
            q.SetParams({zi});
            q.Open();
            ++characters;
            ASSERT_EQ(q.RowCount(), 1) << zi;
            EXPECT_GT(q.FieldAt(0).AsInteger(), 0) << zi;
            EXPECT_FALSE(q.FieldAt(1).AsText().empty()) << zi;
            EXPECT_NE(std::find(std::begin(kElements), std::end(kElements), q.FieldAt(2).AsText()),
                      std::end(kElements))
                << zi;
        }
    EXPECT_EQ(characters, 6763);
    EXPECT_GT(Scalar(q, "select count(*) from word"), 20000);
    EXPECT_EQ(Scalar(q, "select count(*) - count(distinct zi) from word"), 0);
}

TEST(CharacterPool, CoversEveryElementWithDictionaryValues) {
    Query q = VudazodQuery();
    const long long size = Scalar(q, "select count(*) from CYZI");
    EXPECT_GE(size, 500);
    EXPECT_EQ(Scalar(q, "select min(ID) = 1 and max(ID) = count(*) from CYZI"), 1);
    EXPECT_EQ(Scalar(q,
                     "select count(*) from CYZI c join word w on w.zi = c.zi and w.ft = c.ft"
                     " and w.bh = c.bh and w.wuhang = c.wuhang"),
              size);
    for (std::string_view element : kElements)
        EXPECT_GE(Scalar(q, "select count(*) from CYZI where wuhang = ?", {std::string(element)}),
                  60)
            << element;
    EXPECT_EQ(Scalar(q, "select count(*) from CYZI where bh > ?",
                     {static_cast<long long>(kMaximumPatternStrokes)}),
              0);
    // Common characters only: all in GB 2312 (lead byte 0xB0-0xF7), most in its
    // first level (lead byte up to 0xD7).
    q.SetSql("select zi from CYZI");
    q.Open();
    int first_level = 0;
    for (q.First(); !q.AtEnd(); q.Next()) {
        const std::string zi = q.FieldAt(0).AsText();
        const std::string bytes = gbk::Encode(zi);
        ASSERT_EQ(bytes.size(), 2u) << zi;
        const auto lead = static_cast<unsigned char>(bytes[0]);
        const auto trail = static_cast<unsigned char>(bytes[1]);
        EXPECT_TRUE(lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1) << zi << " is not in GB 2312";
        first_level += lead <= 0xD7;
    }
    EXPECT_GT(first_level * 4, size * 3);
}

// gz holds what the score rule proposes, and every count 1..30 takes part at every position.
TEST(StrokePatterns, FollowTheScoreRule) {
    Query q = VudazodQuery();
    for (long long lx : {2LL, 3LL, 4LL}) {
        EXPECT_GE(Scalar(q, "select min(zf) from gz where lx = ?", {lx}), kMinimumPatternScore);
        EXPECT_EQ(Scalar(q, "select max(zf) from gz where lx = ?", {lx}), 100);
        for (const char* column : {"bh11", "bh12", "bh21", "bh22"}) {
            if ((lx == 2 && std::string(column) >= "bh21") ||
                (lx == 3 && std::string(column) == "bh22"))
                continue;
            EXPECT_EQ(Scalar(q,
                             std::string("select count(distinct ") + column +
                                 ") from gz where lx = ? and " + column + " between 1 and 30",
                             {lx}),
                      30)
                << lx << " " << column;
        }
    }
    // Every stored row agrees with the rule, and no proposable pattern of three is missing.
    q.SetSql(
        "select lx, bh11, bh12, bh21, bh22, zf from gz where lx < 4 or (bh11 = 7 and bh12 = 16)");
    q.Open();
    std::set<std::vector<int>> stored;
    for (q.First(); !q.AtEnd(); q.Next()) {
        const int lx = static_cast<int>(q.FieldAt(0).AsInteger());
        std::vector<int> pattern;
        for (int i = 0; i < lx; ++i)
            pattern.push_back(static_cast<int>(q.FieldAt(1 + i).AsInteger()));
        EXPECT_EQ(q.FieldAt(5).AsInteger(), PatternScore(pattern));
        EXPECT_TRUE(PatternWorthProposing(pattern));
        stored.insert(pattern);
    }
    for (int a = 1; a <= 30; ++a)
        for (int b = 1; b <= 30; ++b)
            for (int c = 1; c <= 30; ++c) {
                const std::vector<int> pattern{a, b, c};
                EXPECT_EQ(stored.count(pattern) == 1, PatternWorthProposing(pattern))
                    << a << b << c;
            }
}

TEST(TwoCharacterNames, AreScoredPoolPairs) {
    Query q = VudazodQuery();
    const long long size = Scalar(q, "select count(*) from MZ");
    EXPECT_GE(size, 2000);
    EXPECT_EQ(
        Scalar(q,
               "select count(*) from MZ m"
               " join CYZI a on a.zi = substr(m.zi, 1, 1) join CYZI b on b.zi = substr(m.zi, 2, 1)"
               " where length(m.zi) = 2 and m.bh1 = a.bh and m.bh2 = b.bh and m.bh = a.bh + b.bh"
               " and m.wuhang = a.wuhang || b.wuhang and m.ft = a.ft || b.ft"),
        size);
    // A good share is above 89, the score the four-character search asks for.
    EXPECT_GE(Scalar(q, "select count(*) from MZ where fs > 89") * 5, size);
    q.SetSql("select bh1, bh2, fs from MZ");
    q.Open();
    for (q.First(); !q.AtEnd(); q.Next()) {
        const std::vector<int> pattern{static_cast<int>(q.FieldAt(0).AsInteger()),
                                       static_cast<int>(q.FieldAt(1).AsInteger())};
        ASSERT_DOUBLE_EQ(q.FieldAt(2).AsNumber(), PatternScore(pattern));
    }
}

TEST(NameReadings, EveryNumberHasAReadingOfItsClass) {
    Query q(BuildConnectionString(DataFile::KelFile), Query::kDefaultTimeout);
    const std::map<Luck, std::string> openings = {{Luck::Good, "此数属吉。"},
                                                  {Luck::Bad, "此数属凶。"},
                                                  {Luck::GoodWithBad, "此数吉中带凶。"},
                                                  {Luck::BadWithGood, "此数凶中带吉。"}};
    std::set<std::string> texts;
    for (int number = 0; number <= 81; ++number) {
        const std::string text = GetNameFxText(q, number);
        EXPECT_EQ(text.rfind(openings.at(LuckOf(number)), 0), 0u) << number << " " << text;
        int sentences = 0;
        for (const std::string& ch : SplitChars(text)) sentences += ch == "。";
        EXPECT_GE(sentences, 2) << number;
        EXPECT_LE(sentences, 4) << number;
        if (number < 81) texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 81u);  // no number shares another's reading
    EXPECT_EQ(GetNameFxText(q, 81), GetNameFxText(q, 0));
}

// Each shape of the candidate search finds bodies for owners who lack one element,
// and for owners who lack two where at least two positions are free.
TEST(CandidateShapes, FindResultsForOwnersLackingOneOrTwoElements) {
    Query q = VudazodQuery();
    const std::string sample = "(select zi, wuhang, ft, bh from CYZI order by random() limit ";
    const std::string fixed = "(select zi, wuhang, ft, bh from word where zi = ? limit 1)";
    struct Shape {
        std::string from;
        std::string where;
        int fixed_count;
    };
    const Shape shapes[] = {
        {sample + "230) a, " + sample + "230) b, gz d",
         "d.lx = 2 and a.bh = d.bh11 and b.bh = d.bh12", 0},
        {fixed + " a, CYZI b, gz d", "d.lx = 2 and a.bh = d.bh11 and b.bh = d.bh12", 1},
        {sample + "50) a, " + sample + "50) b, " + sample + "50) c, gz d",
         "d.lx = 3 and a.bh = d.bh11 and b.bh = d.bh12 and c.bh = d.bh21", 0},
        {fixed + " a, " + sample + "200) b, " + sample + "200) c, gz d",
         "d.lx = 3 and a.bh = d.bh11 and b.bh = d.bh12 and c.bh = d.bh21", 1},
        {fixed + " a, " + fixed + " b, CYZI c, gz d",
         "d.lx = 3 and a.bh = d.bh11 and b.bh = d.bh12 and c.bh = d.bh21", 2},
        {"(select zi, wuhang, ft, bh1, bh2 from MZ where fs > 89 order by random() limit 300) a, "
         "(select zi, wuhang, ft, bh1, bh2 from MZ where fs > 89 order by random() limit 300) b, "
         "gz d",
         "d.lx = 4 and a.bh1 = d.bh11 and a.bh2 = d.bh12 and b.bh1 = d.bh21 and b.bh2 = d.bh22", 0},
        {fixed + " a, " + sample + "50) b, " + sample + "50) c, " + sample + "50) e, gz d",
         "d.lx = 4 and a.bh = d.bh11 and b.bh = d.bh12 and c.bh = d.bh21 and e.bh = d.bh22", 1},
        {fixed + " a, " + fixed + " b, " + sample + "300) c, " + sample + "300) e, gz d",
         "d.lx = 4 and a.bh = d.bh11 and b.bh = d.bh12 and c.bh = d.bh21 and e.bh = d.bh22", 2},
        {fixed + " a, " + fixed + " b, " + fixed + " c, " + sample + "1000) e, gz d",
         "d.lx = 4 and a.bh = d.bh11 and b.bh = d.bh12 and c.bh = d.bh21 and e.bh = d.bh22", 3},
    };
    const std::vector<std::vector<std::string>> owners = {
        {"金"},       {"木"},       {"水"},       {"火"},       {"土"},
        {"金", "水"}, {"木", "火"}, {"土", "金"}, {"水", "木"}, {"火", "土"}};
    const char* fixed_characters[] = {"华", "鑫", "宏"};
    for (const Shape& shape : shapes) {
        const bool four = shape.where.rfind("d.lx = 4", 0) == 0;
        const bool three = shape.where.rfind("d.lx = 3", 0) == 0;
        std::string wuhang = "a.wuhang || b.wuhang";
        if (three || (four && shape.fixed_count > 0)) wuhang += " || c.wuhang";
        if (four && shape.fixed_count > 0) wuhang += " || e.wuhang";
        const std::string body = "select " + wuhang + " as wuhang, d.zf as fs from " + shape.from +
                                 " where " + shape.where + " limit 100000";
        const int free_positions = (four ? 4 : three ? 3 : 2) - shape.fixed_count;
        for (const auto& owner : owners) {
            if (owner.size() > static_cast<size_t>(free_positions)) continue;
            std::string sql = "select count(*) from (" + body + ") dd where 1 = 1";
            std::vector<store::Param> params;
            for (int i = 0; i < shape.fixed_count; ++i)
                params.push_back(std::string(fixed_characters[i]));
            for (const std::string& element : owner) {
                sql += " and wuhang like ?";
                params.push_back("%" + element + "%");
            }
            q.SetSql(sql);
            q.SetParams(params);
            q.Open();
            EXPECT_GT(q.FieldAt(0).AsInteger(), 0)
                << shape.from << " lacking " << ::testing::PrintToString(owner);
        }
    }
}

}  // namespace
}  // namespace velmora::numerology
