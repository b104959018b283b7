#include "bazi/lookups.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <filesystem>

#include "base/errors.h"
#include "jq_fixture.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::bazi {
namespace {

TEST(Lookups, ConstellationRangesIncludeBothEnds) {
    struct Case {
        int m, d;
        const char* name;
    };
    for (Case c : {Case{12, 22, "摩羯座"}, Case{1, 1, "摩羯座"}, Case{1, 19, "摩羯座"},
                   Case{1, 20, "水瓶座"}, Case{2, 29, "双鱼座"}, Case{4, 21, "金牛座 "},
                   Case{5, 20, "金牛座 "}, Case{6, 21, "双子座"}, Case{9, 23, "天秤座"},
                   Case{11, 22, "射手座"}, Case{12, 21, "射手座"}, Case{12, 31, "摩羯座"}}) {
        EXPECT_EQ(ConstellationOf(DaySerial(2024, c.m, c.d)), c.name) << c.m << "-" << c.d;
    }
    // A time of day on a range's last day matches no row.
    EXPECT_EQ(ConstellationOf(DaySerial(2024, 1, 19) + 0.5), "");
}

TEST(Lookups, StemAndBranchElementsAndTenGodsAndNayin) {
    struct Case {
        std::string got, want;
    };
    for (const Case& c : {
             Case{CharElement("甲"), "木"},
             Case{CharElement(" 亥 "), "水"},
             Case{CharElement("戌"), "土"},
             Case{CharElement("酉"), "金"},
             Case{CharElement("午"), "火"},
             Case{CharElement(""), ""},
             Case{CharElement("龙"), ""},
             Case{CharElement("%"), ""},
             Case{CharElement("'"), ""},
             // Seen from a yang and from a yin day stem.
             Case{TenGodOf("甲甲"), "比肩"},
             Case{TenGodOf("甲乙"), "劫财"},
             Case{TenGodOf("甲丙"), "食神"},
             Case{TenGodOf("甲丁"), "伤官"},
             Case{TenGodOf("甲戊"), "偏财"},
             Case{TenGodOf("甲己"), "正财"},
             Case{TenGodOf("甲庚"), "七杀"},
             Case{TenGodOf("甲辛"), "正官"},
             Case{TenGodOf("甲壬"), "偏印"},
             Case{TenGodOf("甲癸"), "正印"},
             Case{TenGodOf("乙甲"), "劫财"},
             Case{TenGodOf("乙丙"), "伤官"},
             Case{TenGodOf("乙丁"), "食神"},
             Case{TenGodOf("乙庚"), "正官"},
             Case{TenGodOf("乙辛"), "七杀"},
             Case{TenGodOf("乙壬"), "正印"},
             Case{TenGodOf("乙癸"), "偏印"},
             Case{TenGodOf("癸丙"), "正财"},
             Case{TenGodOf("甲' OR '1'='1"), ""},
             Case{NayinOf("甲子"), "海中金"},
             Case{NayinOf("乙丑"), "海中金"},
             Case{NayinOf("丁巳"), "沙中土"},
             Case{NayinOf("壬戌"), "大海水"},
             Case{NayinOf("丁巳 "), "沙中土"},
             Case{NayinOf(" 丁巳"), ""},
             Case{NayinOf("甲丑"), ""},
         }) {
        EXPECT_EQ(c.got, c.want);
    }
}

TEST(Lookups, StrengthWordIsTheStemsGrowthStageOnItsBranch) {
    store::Query q(store::BuildConnectionString(store::DataFile::Tgcode), 30);
    q.SetSql("SELECT ws FROM jiazi WHERE jiazi = ?");
    struct Case {
        const char* pair;
        const char* stage;
    };
    for (Case c :
         {Case{"甲子", "沐浴"}, Case{"甲午", "死"}, Case{"乙丑", "衰"}, Case{"丙寅", "长生"},
          Case{"庚午", "沐浴"}, Case{"辛巳", "死"}, Case{"癸亥", "帝旺"}, Case{"戊午", "帝旺"},
          Case{"己酉", "长生"}, Case{"壬子", "帝旺"}}) {
        q.Close();
        q.SetParams({std::string(c.pair)});
        q.Open();
        ASSERT_EQ(q.RowCount(), 1) << c.pair;
        EXPECT_EQ(q.FieldAt(0).AsText(), c.stage) << c.pair;
    }
}

TEST(Lookups, ElementCountTextReadsFixedBytePositions) {
    EXPECT_EQ(ElementCountText("金金   木水   火火   火土"),
              "金:占2个, 木:占1个, 水:占1个, 火:占3个, 土:占1个");
    // One empty word shifts the later ones off their positions: they are miscounted.
    EXPECT_EQ(ElementCountText("金   木水   火火   火土"),
              "金:占1个, 木:占0个, 水:占1个, 火:占1个, 土:占1个");
    EXPECT_EQ(ElementCountText(""), "金:占0个, 木:占0个, 水:占0个, 火:占0个, 土:占0个");
    const std::string_view chars[8] = {"庚", "申", "戊", "寅", "己", "未", "己", "巳"};
    EXPECT_EQ(ElementLine(chars), "金金   土木   土土   土火");
}

TEST(Lookups, BoneWeightKeyFromTheSum) {
    struct Case {
        double sum;
        const char* key;
    };
    for (Case c : {Case{5, "50"}, Case{4.3, "43"}, Case{4.25, "42"}, Case{2.1, "21"},
                   Case{0.6 + 0.7 + 1.8 + 1.2, "43"}, Case{0.1 + 0.2, "03"}, Case{0, "00"}}) {
        EXPECT_EQ(BoneWeightKey(c.sum), c.key) << c.sum;
    }
}

TEST(Lookups, BoneWeightLinesOfABirth) {
    // 1980 庚申 0.8, month 1 0.6, day 1 0.5, hour 10 (巳) 1.6: 3两5钱.
    EXPECT_EQ(BoneWeightLine("1980", "1", "1", "10", 0), "你的骨重为：3两5钱");
    // 1984 甲子 1.2, month 1 0.6, day 5 1.6, hour 23 (子) 1.6: exactly 5两.
    EXPECT_EQ(BoneWeightLine("1984", "1", "5", "23", 0), "你的骨重为：5两");
    const auto verse = BoneWeightLine("1980", "1", "1", "10", 1);
    const auto explanation = BoneWeightLine("1980", "1", "1", "10", 2);
    ASSERT_TRUE(verse && explanation);
    EXPECT_EQ(verse->rfind("骨重诗评：", 0), 0u);
    EXPECT_EQ(explanation->rfind("骨重解评：", 0), 0u);
    EXPECT_GT(verse->size(), std::string("骨重诗评：").size());
    EXPECT_NE(*verse, *BoneWeightLine("1984", "1", "5", "23", 1));
    // Unknown keys weigh nothing; a total without a verse gives no line.
    EXPECT_EQ(BoneWeightLine("1800", "13", "31", "24", 0), std::nullopt);
    // A quote in a key is only part of the key: no such year, the rest sums to 2.7.
    EXPECT_EQ(BoneWeightLine("1980' --", "1", "1", "10", 0), "你的骨重为：2两7钱");
}

TEST(Lookups, EveryReachableBoneWeightHasAVerse) {
    store::Query q(store::BuildConnectionString(store::DataFile::Dream), 30);
    auto minmax = [&](const char* table) {
        q.Close();
        q.SetSql(std::string("SELECT min(weight), max(weight), count(*) FROM ") + table);
        q.Open();
        return std::tuple{q.FieldAt(0).AsNumber(), q.FieldAt(1).AsNumber(),
                          q.FieldAt(2).AsInteger()};
    };
    double low = 0, high = 0;
    for (auto [table, rows] : {std::pair{"chenggu1", 201}, std::pair{"chenggu2", 12},
                               std::pair{"chenggu3", 30}, std::pair{"chenggu4", 24}}) {
        auto [min, max, count] = minmax(table);
        EXPECT_EQ(count, rows) << table;
        low += min;
        high += max;
    }
    q.Close();
    q.SetSql("SELECT count(*) FROM chenggu WHERE weight = ? AND content <> '' AND content2 <> ''");
    for (int tenths = static_cast<int>(std::lround(low * 10)); tenths <= std::lround(high * 10);
         ++tenths) {
        q.Close();
        q.SetParams({BoneWeightKey(tenths / 10.0)});
        q.Open();
        EXPECT_EQ(q.FieldAt(0).AsInteger(), 1) << tenths;
    }
}

TEST(Lookups, BoneWeightWithoutItsDatabaseRaises) {
    testing::JqFixture fixture({});  // a data folder without dream.db
    EXPECT_THROW(BoneWeightLine("1980", "1", "1", "10", 0), DatabaseError);
    EXPECT_EQ(TenGodOf("甲乙"), "劫财");  // Tgcode.db is there
}

// The tables are kept in memory, but a rebuilt file is read again, and the
// odd rows answer as their queries would: the first row of a key wins, the
// element of a character is the first row containing it.
TEST(Lookups, TablesFollowTheirFile) {
    testing::JqFixture fixture({});
    const std::string tgcode = store::BuildConnectionString(store::DataFile::Tgcode);
    EXPECT_EQ(NayinOf("甲子"), "海中金");
    // Rebuilt as a new file put in place of the old one, as the builder does.
    const std::string rebuilt = tgcode + ".new";
    std::filesystem::copy_file(tgcode, rebuilt);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(rebuilt.c_str(), &db), SQLITE_OK);
    const char* edits =
        "DELETE FROM jiazi WHERE jiazi = '甲子';"
        "INSERT INTO jiazi VALUES ('甲子', ' 新纳音 ', NULL), ('甲子', '后一行', NULL);"
        "INSERT INTO jiazi VALUES ('乙丑 ', '带空格的键', NULL);"
        "DELETE FROM hzwh;"
        "INSERT INTO hzwh VALUES ('甲乙', '木'), ('甲', '火');";
    ASSERT_EQ(sqlite3_exec(db, edits, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    std::filesystem::rename(rebuilt, tgcode);
    // The tables look at their file a second after the last look, or at once
    // when the data folder is set again.
    store::SetDataFolder(store::DataFolder());
    EXPECT_EQ(NayinOf("甲子"), "新纳音");
    EXPECT_EQ(NayinOf("甲子  "), "新纳音");
    EXPECT_EQ(NayinOf("乙丑"), "海中金");  // a stored key with a blank matches nothing
    EXPECT_EQ(CharElement("甲"), "木");
    EXPECT_EQ(CharElement("乙"), "木");
    EXPECT_EQ(CharElement("丙"), "");
}

}  // namespace
}  // namespace velmora::bazi
