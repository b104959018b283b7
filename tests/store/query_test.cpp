#include "store/query.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "base/errors.h"

namespace velmora::store {
namespace {

// A small database: a few characters, as the character table holds them.
class QueryTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        path_ = (std::filesystem::temp_directory_path() / "velmora_query_test.db").string();
        std::filesystem::remove(path_);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
        const char* sql =
            "CREATE TABLE word (zi TEXT, wuhang TEXT, ft TEXT, bh INTEGER, fs REAL, gn TEXT);"
            "INSERT INTO word VALUES ('金', '金', '金', 8, 90.5, '2012-03-05');"
            "INSERT INTO word VALUES ('鑫', '金金', '鑫', 24, NULL, '2012-03-05 10:30:00');"
            "INSERT INTO word VALUES ('林', '木', '林', 8, 88, NULL);"
            "INSERT INTO word VALUES ('O''Neil', '土', '-', 3, 1, NULL);";
        ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    static void TearDownTestSuite() { std::filesystem::remove(path_); }

    static std::string path_;
};
std::string QueryTest::path_;

TEST_F(QueryTest, EmptyResultHasNoRowsAndStandsAtItsEnd) {
    Query q(path_, 30);
    q.SetSql("SELECT * FROM word WHERE zi = ?");
    q.AddParam(std::string("无"));
    q.Open();
    EXPECT_TRUE(q.IsOpen());
    EXPECT_EQ(q.RowCount(), 0);
    EXPECT_TRUE(q.AtEnd());
}

TEST_F(QueryTest, RowsCountFromOneAndAnyRowCanBeVisited) {
    Query q(path_, 30);
    q.SetSql("SELECT zi, bh FROM word ORDER BY rowid");
    q.Open();
    ASSERT_EQ(q.RowCount(), 4);
    EXPECT_EQ(q.FieldByName("zi").AsText(), "金");  // a fresh result stands on row 1
    q.MoveTo(4);
    EXPECT_EQ(q.FieldAt(0).AsText(), "O'Neil");
    q.MoveTo(2);
    EXPECT_EQ(q.FieldByName("BH").AsInteger(), 24);
    EXPECT_THROW(q.MoveTo(0), DatabaseError);
    EXPECT_THROW(q.MoveTo(5), DatabaseError);

    std::vector<std::string> seen;
    for (q.First(); !q.AtEnd(); q.Next()) seen.push_back(q.FieldAt(0).AsText());
    EXPECT_EQ(seen, (std::vector<std::string>{"金", "鑫", "林", "O'Neil"}));
}

TEST_F(QueryTest, FieldsReadAsTextIntegerNumberAndDate) {
    Query q(path_, 30);
    q.SetSql("SELECT bh, fs, gn FROM word WHERE zi = ?");
    q.SetParams({std::string("鑫")});
    q.Open();
    EXPECT_EQ(q.FieldAt(0).AsText(), "24");
    EXPECT_TRUE(q.FieldAt(1).IsNull());
    EXPECT_EQ(q.FieldAt(1).AsNumber(), 0);
    EXPECT_EQ(q.FieldAt(1).AsText(), "");
    EXPECT_DOUBLE_EQ(q.FieldAt(2).AsDate(), MakeDateValue(2012, 3, 5, 10, 30));
    q.SetSql("SELECT fs, gn, zi FROM word WHERE zi = '金'");
    q.Open();
    EXPECT_DOUBLE_EQ(q.FieldAt(0).AsNumber(), 90.5);
    EXPECT_EQ(q.FieldAt(0).AsText(), "90.5");
    EXPECT_EQ(q.FieldAt(1).AsDate(), DaySerial(2012, 3, 5));
    EXPECT_THROW(q.FieldAt(2).AsInteger(), ConversionError);
}

TEST_F(QueryTest, LikeMatchesAnywhereAndQuotesAreJustText) {
    Query q(path_, 30);
    q.SetSql("SELECT zi FROM word WHERE wuhang LIKE '%' || ? || '%' ORDER BY rowid");
    q.AddParam(std::string("金"));
    q.Open();
    EXPECT_EQ(q.RowCount(), 2);  // 金 once, and twice in 金金
    q.SetSql("SELECT bh FROM word WHERE zi = ?");
    q.AddParam(std::string("O'Neil"));
    q.Open();
    ASSERT_EQ(q.RowCount(), 1);
    EXPECT_EQ(q.FieldAt(0).AsInteger(), 3);
    q.SetSql("SELECT bh FROM word WHERE zi = ?");
    q.AddParam(std::string("' OR '1'='1"));
    q.Open();
    EXPECT_EQ(q.RowCount(), 0);
}

TEST_F(QueryTest, ScanHandsOverEachRowAndKeepsNone) {
    Query q(path_, 30);
    q.SetSql("SELECT zi, fs FROM word WHERE bh < 10 ORDER BY rowid");
    std::vector<std::string> seen;
    q.Scan([&seen](const ResultRows& row) {
        ASSERT_EQ(row.RowCount(), 1);
        seen.push_back(row.FieldAt(1, 0).AsText() + "=" +
                       (row.FieldAt(1, 1).IsNull() ? "~" : row.FieldAt(1, 1).AsText()));
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"金=90.5", "林=88", "O'Neil=1"}));
    EXPECT_FALSE(q.IsOpen());
    EXPECT_EQ(q.RowCount(), 0);
}

TEST_F(QueryTest, MissingFileBindsButFailsToOpen) {
    Query q(30);
    q.Bind("/nonexistent/none.db");
    q.SetSql("SELECT 1");
    EXPECT_EQ(q.Sql(), "SELECT 1");
    EXPECT_THROW(q.Open(), DatabaseError);
    EXPECT_FALSE(q.IsOpen());
    q.Close();
    q.Close();  // closing a closed query does nothing
}

TEST_F(QueryTest, BadSqlAndWritesRaiseDatabaseErrors) {
    Query q(path_, 30);
    q.SetSql("SELECT nope FROM word");
    EXPECT_THROW(q.Open(), DatabaseError);
    q.SetSql("DELETE FROM word");
    EXPECT_THROW(q.Open(), DatabaseError);  // the files are opened read-only
    q.SetSql("SELECT count(*) FROM word");
    q.Open();
    EXPECT_EQ(q.FieldAt(0).AsInteger(), 4);
}

TEST_F(QueryTest, CommandTimeoutInterruptsALongQuery) {
    Query q(path_, 1);
    q.SetSql(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
        "SELECT count(*) FROM n");
    try {
        q.Open();
        ADD_FAILURE() << "an endless query returned";
    } catch (const DatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("查询超时"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(q.IsOpen());
    EXPECT_EQ(q.RowCount(), 0);  // nothing of the interrupted result is left
    q.SetSql("SELECT 7");
    q.Open();  // the query object stays usable
    EXPECT_EQ(q.FieldAt(0).AsInteger(), 7);
}

}  // namespace
}  // namespace velmora::store
