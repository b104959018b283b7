#include "tools/dream_book.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <stdexcept>

#include "base/errors.h"
#include "base/gbk.h"
#include "builder.h"
#include "dream_encoder.h"
#include "dream_fixture.h"
#include "store/connection.h"

namespace velmora::tools {
namespace {

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : bytes) {
        hex.push_back(kDigits[c >> 4]);
        hex.push_back(kDigits[c & 0x0F]);
    }
    return hex;
}

TEST(DreamDecoder, HexToStrReadsPairsAndSkipsBadOnes) {
    struct Case {
        std::string_view text;
        std::string bytes;
        int badPairs;
    };
    for (const Case& c : {
             Case{"4142", "AB", 0},
             Case{"414", "A", 0},  // a trailing odd character is ignored
             Case{"4G42", "B", 1},
             Case{"4a4B", "JK", 0},  // either case of the digits
             Case{"G1zz41", "A", 2},
             Case{"", "", 0},
             Case{"4", "", 0},
             Case{"00FF", std::string("\0\xFF", 2), 0},
         }) {
        int beeps = 0;
        EXPECT_EQ(HexToStr(c.text, [&beeps] { ++beeps; }), c.bytes) << c.text;
        EXPECT_EQ(beeps, c.badPairs) << c.text;
    }
}

TEST(DreamDecoder, DecodeTextRunsChainedPasses) {
    struct Case {
        std::string_view stored;
        int passes;
        std::string decodedHex;
    };
    // One pass on 01 02 03 with key 4917 (high 13, low 35): forward 01 10 00,
    // then backward 13 25 00, each byte built from its already-replaced neighbour.
    for (const Case& c : {
             Case{"4142", 0, "4142"},  // no pass: exactly the bytes of HexToStr
             Case{"4G42", 0, "42"},
             Case{"4142", -3, "4142"},
             Case{"4142", 1, "E490"},
             Case{"010203", 1, "132500"},
             Case{"FFFF", 1, "D9ED"},  // sums wrap at 256
             Case{"4142", 7, "AC50"},
             Case{"41", 7, "41"},  // a single byte has no neighbour to chain
             Case{"", 7, ""},
         }) {
        EXPECT_EQ(Hex(DecodeText(c.stored, kDreamKey, c.passes)), c.decodedHex)
            << c.stored << " passes " << c.passes;
    }
}

TEST(DreamDecoder, BuildEncoderIsItsInverse) {
    std::mt19937 random(20261210);
    for (int passes : {0, 1, 2, 7}) {
        for (size_t length : {0, 1, 2, 3, 17, 256}) {
            std::string bytes(length, '\0');
            for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
            const std::string stored = databuild::EncodeDreamText(bytes, 0xA5C3, passes);
            EXPECT_EQ(stored.size(), 2 * length);
            EXPECT_EQ(DecodeText(stored, 0xA5C3, passes), bytes)
                << "passes " << passes << " length " << length;
        }
    }
}

struct BookEntry {
    std::string category, title, text;
};

std::vector<BookEntry> ReadBook() {
    std::vector<BookEntry> book;
    for (auto& r :
         databuild::ReadTsv(std::filesystem::path(VELMORA_SOURCES_DIR) / "dream_book.tsv")) {
        if (r.size() != 3) throw std::runtime_error("dream_book.tsv: bad line " + r[0]);
        book.push_back({r[0], r[1], r[2]});
    }
    return book;
}

TEST(DreamBook, EveryTextSurvivesTheBuildEncoderAndTheDecoder) {
    for (const BookEntry& e : ReadBook()) {
        const std::string bytes = gbk::Encode(e.text);
        const std::string stored = databuild::EncodeDreamText(bytes, kDreamKey, kDreamPasses);
        EXPECT_NE(stored, Hex(bytes)) << e.title;  // the passes did scramble it
        EXPECT_EQ(gbk::Decode(DecodeText(stored, kDreamKey, kDreamPasses)), e.text) << e.title;
    }
}

// The built dream.db holds the whole book, in the book's order, and every
// stored text decodes to valid GBK that reads as the book's text.
TEST(DreamBook, BuiltDatabaseHoldsTheBook) {
    const std::vector<BookEntry> book = ReadBook();
    const std::string connection = store::BuildConnectionString(store::DataFile::Dream);
    store::Query categories(connection, 30), data(connection, 30);
    const DreamTree tree = LoadDreamTree(categories, data);

    std::vector<BookEntry> loaded;
    for (const DreamCategory& c : tree)
        for (const std::string& t : c.titles) loaded.push_back({c.name, t, ""});
    ASSERT_EQ(loaded.size(), book.size());
    EXPECT_GE(book.size(), 300u);
    EXPECT_GE(tree.size(), 12u);
    for (size_t i = 0; i < book.size(); ++i) {
        EXPECT_EQ(loaded[i].category, book[i].category) << i;
        EXPECT_EQ(loaded[i].title, book[i].title) << i;
    }

    data.SetSql("SELECT TITLE, CONENT FROM JMTable");
    data.Open();
    std::map<std::string, std::string> stored;
    for (data.First(); !data.AtEnd(); data.Next())
        stored[data.FieldAt(0).AsText()] = data.FieldAt(1).AsText();
    data.Close();
    for (const BookEntry& e : book) {
        int badPairs = 0;
        const std::string bytes =
            DecodeText(stored.at(e.title), kDreamKey, kDreamPasses, [&badPairs] { ++badPairs; });
        const std::string text = gbk::Decode(bytes);
        EXPECT_EQ(badPairs, 0) << e.title;
        EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos) << e.title;  // no U+FFFD
        EXPECT_EQ(gbk::Encode(text), bytes) << e.title;
        EXPECT_EQ(text, e.text) << e.title;
    }
}

using testing::DreamFixture;

std::string Stored(std::string_view text) { return testing::StoredDreamText(text); }

class DreamFixtureTest : public ::testing::Test {
  protected:
    store::Query Open() {
        return store::Query(store::BuildConnectionString(store::DataFile::Dream), 30);
    }
};

TEST_F(DreamFixtureTest, TreeKeepsKeyOrderDatabaseOrderAndEmptyCategories) {
    DreamFixture fixture({{3, " 人物 "}, {1, "动物"}, {2, "空类"}},
                         {{"1", " 梦见蛇 ", Stored("蛇")},
                          {"3", "梦见老人", Stored("老人")},
                          {"1", "梦见'鬼'", Stored("鬼")},
                          {"1", "梦见鹅", Stored("鹅")}});
    store::Query categories = Open(), titles = Open();
    const DreamTree tree = LoadDreamTree(categories, titles);
    ASSERT_EQ(tree.size(), 3u);
    EXPECT_EQ(tree[0].name, "动物");
    EXPECT_EQ(tree[0].titles, (std::vector<std::string>{"梦见蛇", "梦见'鬼'", "梦见鹅"}));
    EXPECT_EQ(tree[1].name, "空类");
    EXPECT_TRUE(tree[1].titles.empty());
    EXPECT_EQ(tree[2].name, "人物");
    EXPECT_EQ(tree[2].titles, std::vector<std::string>{"梦见老人"});
    EXPECT_FALSE(categories.IsOpen());
    EXPECT_FALSE(titles.IsOpen());
}

TEST_F(DreamFixtureTest, InterpretationIsOneLineAfterFourBlanks) {
    const std::string longText = "第一行的解释\n第二行的解释";
    DreamFixture fixture({{1, "其他"}}, {{"1", "梦见'鬼'", Stored("鬼怪之说")},
                                         {"1", "梦见空白", ""},
                                         {"1", "梦见两行", Stored(longText)},
                                         {"1", "梦见坏字", " ZZ" + Stored("坏了一对") + " "},
                                         {"1", "梦见其他", Stored("第二条同名之前")}});
    struct Case {
        std::string title;
        std::vector<std::string> lines;
        int badPairs;
    };
    for (const Case& c : {
             Case{"梦见'鬼'", {"    鬼怪之说"}, 0},     // a quote in the title
             Case{"梦见空白", {"    "}, 0},             // nothing decoded: four blanks
             Case{"梦见两行", {"    " + longText}, 0},  // one line, its breaks kept
             Case{"梦见坏字", {"    坏了一对"}, 1},     // trimmed, the bad pair skipped
             Case{"其他", {}, 0},                       // a category name is no title
             Case{"梦见' OR '1'='1", {}, 0},
         }) {
        store::Query texts = Open();
        int beeps = 0;
        VectorSink sink;
        sink.lines = {"what the memo showed before"};
        WriteDreamInterpretation(sink, FindDreamText(texts, c.title, [&beeps] { ++beeps; }));
        EXPECT_EQ(sink.lines, c.lines) << c.title;
        EXPECT_EQ(beeps, c.badPairs) << c.title;
        EXPECT_FALSE(texts.IsOpen());
    }
}

TEST_F(DreamFixtureTest, MissingDatabaseIsAnErrorNamingTheFile) {
    DreamFixture fixture({}, {});
    std::filesystem::remove(fixture.DatabasePath());
    store::Query categories = Open(), titles = Open();
    try {
        LoadDreamTree(categories, titles);
        FAIL() << "no error for a missing dream.db";
    } catch (const DatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("解梦数据库 dream.db"), std::string::npos);
    }
    EXPECT_THROW(FindDreamText(titles, "梦见蛇"), DatabaseError);
}

TEST(DreamSearch, FilterKeepsMatchingTitlesAndWholeMatchingCategories) {
    const DreamTree tree = {
        {"1", "动物", {"梦见蛇", "梦见蟒蛇", "梦见狗"}},
        {"2", "人物", {"梦见蛇妖", "梦见老人"}},
        {"3", "空类", {}},
        {"4", "植物", {"梦见大树"}},
    };
    auto shape = [](const DreamTree& t) {
        std::vector<std::string> lines;
        for (const DreamCategory& c : t) {
            std::string line = c.name + ":";
            for (const std::string& title : c.titles) line += " " + title;
            lines.push_back(line);
        }
        return lines;
    };
    struct Case {
        std::string needle;
        std::vector<std::string> shown;
        std::optional<std::string> first;
    };
    for (const Case& c : {
             Case{"",
                  {"动物: 梦见蛇 梦见蟒蛇 梦见狗", "人物: 梦见蛇妖 梦见老人",
                   "空类:", "植物: 梦见大树"},
                  "梦见蛇"},
             Case{"蛇", {"动物: 梦见蛇 梦见蟒蛇", "人物: 梦见蛇妖"}, "梦见蛇"},
             Case{"梦见蛇妖", {"人物: 梦见蛇妖"}, "梦见蛇妖"},
             Case{"物",
                  {"动物: 梦见蛇 梦见蟒蛇 梦见狗", "人物: 梦见蛇妖 梦见老人", "植物: 梦见大树"},
                  "梦见蛇"},
             Case{"空类", {"空类:"}, std::nullopt},
             Case{"外星人", {}, std::nullopt},
         }) {
        const DreamTree shown = FilterDreamTree(tree, c.needle);
        EXPECT_EQ(shape(shown), c.shown) << c.needle;
        EXPECT_EQ(FirstMatch(shown, c.needle), c.first) << c.needle;
    }
    // The exact title wins over an earlier one that only contains it.
    EXPECT_EQ(FirstMatch({{"1", "动物", {"梦见大蛇", "梦见蛇"}}}, "梦见蛇"), "梦见蛇");
    EXPECT_EQ(TitlesContaining(tree, "蛇"),
              (std::vector<std::string>{"梦见蛇", "梦见蟒蛇", "梦见蛇妖"}));
    EXPECT_TRUE(TitlesContaining(tree, "物").empty());
}

}  // namespace
}  // namespace velmora::tools
