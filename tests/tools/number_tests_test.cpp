// The three number tests: the mobile key, the shouji lookup (built data and a
// small fixture), and the 81-number verdicts of QQ and any numbers.
#include "tools/number_tests.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <stdexcept>

#include "base/errors.h"
#include "numerology/shuli.h"
#include "store/catalogue.h"
#include "store/connection.h"

namespace velmora::tools {

void PrintTo(const NumberVerdict& v, std::ostream* out) {
    *out << '{' << v.number << " | " << v.state << " | " << v.luck << " | " << v.reading << '}';
}

namespace {

TEST(MobileNumberKey, LastFourDigitsModulo80) {
    struct Case {
        const char* number;
        const char* key;
    };
    for (Case c : {
             Case{"13812341234", "34"},  // 1234 mod 80
             Case{"13800000000", "0"},   // a multiple of 80 ...
             Case{"13800000080", "0"}, Case{"13899999920", "0"}, Case{"13800000079", "79"},
             Case{"13800000081", "1"}, Case{"1234567", "0"},  // fewer than 8 characters
             Case{"12345678", "8"},                           // the 8th character alone
             Case{"123456789", "9"},                          // 8th and 9th: 89 mod 80
             Case{"1380000007a", "0"},                        // no number from the 8th character on
         })
        EXPECT_EQ(MobileNumberKey(c.number), c.key) << c.number;
}

// Each key of the built table has its verdict, and every verdict is its own.
TEST(MobileNumberTest, EveryKeyOfTheBuiltTableHasItsOwnVerdict) {
    std::set<std::string> states;
    for (int key = 1; key <= 79; ++key) {
        char number[16];
        std::snprintf(number, sizeof number, "1380000%04d", key);
        const NumberVerdict v = RunNumberTest(NumberTest::Mobile, number);
        EXPECT_EQ(v.number, number);
        EXPECT_FALSE(v.luck.empty()) << number;
        EXPECT_FALSE(v.reading.empty()) << number;
        EXPECT_TRUE(states.insert(v.state).second) << number << " repeats " << v.state;
    }
    // 1234 is read under key 34, and 80 is the fixed verdict.
    NumberVerdict ending_1234 = RunNumberTest(NumberTest::Mobile, "13812341234");
    ending_1234.number = "13800000034";
    EXPECT_EQ(ending_1234, RunNumberTest(NumberTest::Mobile, "13800000034"));
    EXPECT_EQ(RunNumberTest(NumberTest::Mobile, "13800000080"),
              (NumberVerdict{"13800000080", "超吉", "超吉", "超吉不做详细评论"}));
}

// A data folder whose dream.db holds only the shouji rows a test gives.
class ShoujiFixture {
  public:
    explicit ShoujiFixture(const std::string& inserts) {
        folder_ =
            std::filesystem::temp_directory_path() / ("velmora_shouji_" + std::to_string(getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        sqlite3* db = nullptr;
        if (sqlite3_open((folder_ / "dream.db").c_str(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot create the fixture database");
        const std::string sql = std::string(store::SchemaSql(store::DataFile::Dream)) + inserts;
        const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        if (rc != SQLITE_OK) throw std::runtime_error("cannot fill the fixture database");
        store::SetDataFolder(folder_.string() + "/");
    }
    ~ShoujiFixture() {
        store::SetDataFolder("");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

  private:
    std::filesystem::path folder_;
};

TEST(MobileNumberTest, TrimsTheFieldsAndLeavesAMissingRowEmpty) {
    ShoujiFixture fixture("INSERT INTO shouji VALUES ('34', '  甲状态 ', ' 吉 ', ' 一段解释  ');");
    EXPECT_EQ(RunNumberTest(NumberTest::Mobile, "13812341234"),
              (NumberVerdict{"13812341234", "甲状态", "吉", "一段解释"}));
    EXPECT_EQ(RunNumberTest(NumberTest::Mobile, "13800000035"),
              (NumberVerdict{"13800000035", "", "", ""}));
}

// An unreadable database is an error, not a silent stop; key "0" needs none.
TEST(MobileNumberTest, AMissingDatabaseIsAnErrorExceptForTheFixedVerdict) {
    store::SetDataFolder("/nonexistent/velmora/");
    EXPECT_THROW(RunNumberTest(NumberTest::Mobile, "13812341234"), DatabaseError);
    EXPECT_EQ(RunNumberTest(NumberTest::Mobile, "13800000000").state, "超吉");
    store::SetDataFolder("");
}

TEST(ShuliNumberTest, ReducesTheDigitsModulo81IntoTheTable) {
    struct Case {
        const char* number;
        int name_number;  // the number whose table entry the verdict shows
    };
    for (Case c : {
             Case{"0", 81}, Case{"81", 81}, Case{"82", 1}, Case{"1", 1}, Case{"80", 80},
             Case{"000082", 1}, Case{"123456789012345678", 54},  // 18 digits
             Case{"99999999999999999999999", 45},  // beyond 64 bits: (10^23 - 1) mod 81
         }) {
        const numerology::ShuliEntry& entry = numerology::ShuliTable[c.name_number - 1];
        for (NumberTest test : {NumberTest::QQ, NumberTest::AnyNumber}) {
            const NumberVerdict v = RunNumberTest(test, c.number);
            EXPECT_EQ(v.number, c.number);
            EXPECT_EQ(v.state, entry.phrase) << c.number;
            EXPECT_EQ(v.luck, numerology::LuckWord(entry.luck)) << c.number;
            EXPECT_TRUE(v.reading.starts_with("主人性格类型：[")) << c.number;
        }
    }
}

TEST(NumberTests, TextsThatAreNotDigitsAreConversionErrors) {
    for (NumberTest test : {NumberTest::Mobile, NumberTest::QQ, NumberTest::AnyNumber})
        for (const char* text : {"12a", "-5", "+5", "1 2", "１２"})
            EXPECT_THROW(RunNumberTest(test, text), ConversionError) << text;
}

}  // namespace
}  // namespace velmora::tools
