// The pinyin tables that the build writes from data/sources/gbk_pinyin.tsv.
#include "tools/pinyin_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "base/gbk.h"
#include "base/text.h"

namespace velmora::tools {
namespace {

std::string_view SyllableOf(std::string_view character) {
    const std::string bytes = gbk::Encode(character);
    if (bytes.size() != 2) return "<not one double-byte code>";
    return PinyinSyllable(static_cast<unsigned char>(bytes[0]),
                          static_cast<unsigned char>(bytes[1]));
}

TEST(PinyinSyllables, StandardSyllablesInOrderThenAnEmptyPositionAndTheExtras) {
    ASSERT_GT(PinyinSyllables.size(), kExtraSyllables.size() + 2);
    EXPECT_EQ(PinyinSyllables[0], "");
    EXPECT_EQ(PinyinSyllables[1], "a");
    const size_t extras = PinyinSyllables.size() - kExtraSyllables.size();
    EXPECT_EQ(PinyinSyllables[extras - 2], "zuo");
    EXPECT_EQ(PinyinSyllables[extras - 1], "");
    for (size_t p = 2; p + 1 < extras; ++p)
        EXPECT_LT(PinyinSyllables[p - 1], PinyinSyllables[p]) << p;
    for (size_t i = 0; i < kExtraSyllables.size(); ++i)
        EXPECT_EQ(PinyinSyllables[extras + i], kExtraSyllables[i]);
}

TEST(PinyinIndexTable, ReadsCharactersAsTheirFirstReading) {
    struct Case {
        const char* character;
        const char* syllable;
    };
    for (Case c : {Case{"中", "zhong"}, Case{"国", "guo"}, Case{"网", "wang"}, Case{"名", "ming"},
                   Case{"啊", "a"}, Case{"齄", "zha"}, Case{"丂", "kao"}, Case{"绿", "lv"},
                   Case{"略", "lve"}, Case{"嗯", "n"},
                   Case{"\uF92C", "lang"} /* compatibility 郎 */, Case{"あ", ""}, Case{"α", ""}})
        EXPECT_EQ(SyllableOf(c.character), c.syllable) << c.character;
    EXPECT_EQ(PinyinSyllable(0x81, 0x3F), "");
    EXPECT_EQ(PinyinSyllable(0xFE, 0xFF), "");
    EXPECT_EQ(PinyinSyllable(0x80, 0x40), "");
}

// Every line of the source is in the table under the code that the program's
// own GBK conversion gives its character, and nothing else is.
TEST(PinyinIndexTable, HoldsExactlyTheLinesOfItsSource) {
    std::ifstream source(VELMORA_PINYIN_SOURCE);
    ASSERT_TRUE(source) << VELMORA_PINYIN_SOURCE;
    std::string line;
    int lines = 0;
    while (std::getline(source, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> f = Split(line, '\t');
        ASSERT_EQ(f.size(), 3u) << line;
        const std::string bytes = gbk::Encode(f[1]);
        ASSERT_EQ(bytes.size(), 2u) << line;
        char code[5];
        std::snprintf(code, sizeof code, "%02X%02X", static_cast<unsigned char>(bytes[0]),
                      static_cast<unsigned char>(bytes[1]));
        EXPECT_EQ(f[0], code) << line;
        EXPECT_EQ(SyllableOf(f[1]), f[2]) << line;
        ++lines;
    }
    int entries = 0;
    for (std::uint16_t position : PinyinIndexTable) {
        ASSERT_LT(position, PinyinSyllables.size());
        entries += position != 0;
    }
    EXPECT_EQ(entries, lines);
}

// GB 2312 (rows 0xB0-0xF7, trail 0xA1-0xFE) has a reading for every character;
// the symbol rows before it (punctuation, numerals, kana, Greek, Cyrillic,
// pinyin letters, box drawing) have none.
TEST(PinyinIndexTable, CoversGb2312AndLeavesTheSymbolRowsEmpty) {
    int gb2312 = 0, unread = 0;
    for (int lead = 0xB0; lead <= 0xF7; ++lead)
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail >= 0xFA) continue;  // the five unassigned codes
            ++gb2312;
            unread += PinyinSyllable(lead, trail).empty();
        }
    EXPECT_EQ(gb2312, 6763);
    EXPECT_EQ(unread, 0);
    for (int lead = 0xA1; lead <= 0xA9; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail)
            EXPECT_EQ(PinyinSyllable(lead, trail), "") << std::hex << lead << trail;
}

}  // namespace
}  // namespace velmora::tools
