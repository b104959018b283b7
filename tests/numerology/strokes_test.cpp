// The lookups on a small fixture database, where single rows show the edge cases.
#include "numerology/strokes.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "base/errors.h"

namespace velmora::numerology {
namespace {

class StrokesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        path_ = (std::filesystem::temp_directory_path() / "velmora_strokes_test.db").string();
        std::filesystem::remove(path_);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
        const char* sql =
            "CREATE TABLE word (zi TEXT, wuhang TEXT, ft TEXT, bh INTEGER);"
            "INSERT INTO word VALUES ('华', '土', '華', 14);"
            "INSERT INTO word VALUES ('国', '木', '  國 ', 11);"  // blanks around ft
            "INSERT INTO word VALUES ('发', '水', '發髮', 12);"   // two forms: the first counts
            "INSERT INTO word VALUES ('a', '土', 'A', 3);"        // an ASCII key
            "INSERT INTO word VALUES ('''', '土', 'Q', 5);"       // a lone quote as key
            "CREATE TABLE namefx (num TEXT, nr TEXT);"
            "INSERT INTO namefx VALUES ('0', 'eighty-one');"
            "INSERT INTO namefx VALUES ('1', 'one');"
            "INSERT INTO namefx VALUES ('80', 'eighty');";
        ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    static void TearDownTestSuite() { std::filesystem::remove(path_); }

    static std::string path_;
};
std::string StrokesTest::path_;

TEST(CharacterKeys, CutsByGbkBytes) {
    using Keys = std::vector<std::string>;
    struct Case {
        const char* text;
        Keys keys;
    };
    const Case cases[] = {
        {"", Keys{""}},      // the empty text is one (empty) key
        {"a", Keys{"a"}},    // so is a single ASCII letter
        {"ab", Keys{"ab"}},  // two bytes: one key
        {"华", Keys{"华"}},
        {"华国", Keys{"华", "国"}},
        {"华a", Keys{"华"}},  // a last odd byte is dropped
        {"华国发", Keys{"华", "国", "发"}},
    };
    for (const Case& c : cases) EXPECT_EQ(CharacterKeys(c.text), c.keys) << c.text;
    // ASCII before Chinese cuts out of step: no key is a real character.
    for (const std::string& key : CharacterKeys("a华国"))
        EXPECT_TRUE(key != "华" && key != "国") << key;
}

TEST_F(StrokesTest, StrokeCountAddsTheKeysItFinds) {
    store::Query query(path_, store::Query::kLookupTimeout);
    struct Case {
        const char* text;
        int strokes;
    };
    const Case cases[] = {
        {"华", 14},
        {"华国", 25},
        {"华国发", 37},
        {"", 0},       // no empty key in word
        {"a", 3},      // one ASCII letter is looked up as it is
        {"华a", 14},   // the letter is dropped
        {"华无", 14},  // a character word lacks counts 0
        {"a华国", 0},  // cut out of step
        {"'", 5},      // a quote is an ordinary key
        {"华'", 14},
        {"x' OR '1'='1", 0},
        {"华国华国华", 64},                          // a repeated character counts every time
        {"一二三四五六七八九十百千万亿兆京华", 14},  // the 17th distinct key is found too
    };
    for (const Case& c : cases) EXPECT_EQ(GetStrokeCount(query, c.text), c.strokes) << c.text;
}

TEST_F(StrokesTest, TraditionalFormTakesTheFirstCharacterOfEachTrimmedForm) {
    store::Query query(path_, store::Query::kLookupTimeout);
    struct Case {
        const char* text;
        const char* form;
    };
    const Case cases[] = {
        {"华", "華"},         {"国", "國"},
        {"发", "發"},         {"华国发", "華國發"},
        {"华无", "華"},  // a missing character vanishes: one character shorter
        {"无", ""},           {"", ""},
        {"a", "A"},           {"'", "Q"},
        {"国华国", "國華國"}, {"一二三四五六七八九十百千万亿兆京华", "華"},
    };
    for (const Case& c : cases) EXPECT_EQ(GetTraditionalForm(query, c.text), c.form) << c.text;
}

TEST_F(StrokesTest, NameFxReadsTheReducedNumber) {
    store::Query query(path_, store::Query::kDefaultTimeout);
    struct Case {
        long long number;
        const char* text;
    };
    const Case cases[] = {
        {81, "eighty-one"}, {162, "eighty-one"}, {0, "eighty-one"}, {80, "eighty"},
        {82, "one"},        {1, "one"},          {5, ""},  // no row: the empty text
    };
    for (const Case& c : cases) EXPECT_EQ(GetNameFxText(query, c.number), c.text) << c.number;
}

TEST(StrokesErrors, MissingFileOrTableIsADatabaseError) {
    const std::string missing =
        (std::filesystem::temp_directory_path() / "velmora_no_such_file.db").string();
    std::filesystem::remove(missing);
    store::Query query(missing, store::Query::kLookupTimeout);
    EXPECT_THROW(GetStrokeCount(query, "华"), DatabaseError);

    const std::string empty =
        (std::filesystem::temp_directory_path() / "velmora_empty_strokes.db").string();
    std::filesystem::remove(empty);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(empty.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE other (x INTEGER);", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    store::Query no_table(empty, store::Query::kLookupTimeout);
    EXPECT_THROW(GetTraditionalForm(no_table, "华"), DatabaseError);
    EXPECT_THROW(GetNameFxText(no_table, 1), DatabaseError);
    std::filesystem::remove(empty);
}

}  // namespace
}  // namespace velmora::numerology
