// The nickname reading: initials of every kind of character, digit letters,
// and the letter that picks the text.
#include "tools/nickname.h"

#include <gtest/gtest.h>

namespace velmora::tools {
namespace {

std::string_view TextOf(char letter) { return NicknameTexts[letter - 'a']; }

TEST(ReadNickname, TheLastLetterPicksTheText) {
    struct Case {
        const char* nickname;
        const char* initials;
        const char* letter;
    };
    for (Case c : {
             Case{"小明", "XM", "m"},    // 明 reads ming
             Case{"明小", "MX", "x"},    // only the last character counts
             Case{"TOM2", "TOMB", "b"},  // digits become letters
             Case{"TOM!", "TOM", "m"},   // punctuation gives nothing
             Case{"tom", "TOM", "m"},
             Case{"ＴＯＭ", "TOM", "m"},  // full-width letters read as typed ...
             Case{"ｔｏｍ", "tom", "m"},  // ... in their own case
             Case{"ａ１", "aA", "a"},     // a full-width digit is a digit
             Case{"小明⑩", "XMAJ", "j"},  // ⑩ is 10, so AJ
             Case{"Ⅻ", "AB", "b"},
             Case{"⒛", "BJ", "j"},
             Case{"㈢", "C", "c"},
             Case{"ⅸ", "I", "i"},
             Case{"αΘ", "ATH", "h"},  // Greek, small and capital
             Case{"ψ", "PS", "s"},
             Case{"中国网名", "ZGWM", "m"},
             Case{"小あ", "X?", "?"},  // kana have no reading
             Case{"Ж", "?", "?"},      // nor has Cyrillic
             Case{"！？", "", ""},     // only punctuation: no letter
             Case{"A…", "A?", "?"},    // punctuation of row 0xA1 has no reading
             Case{"a😀", "A", "a"},     // a character GBK lacks gives nothing
         }) {
        const NicknameReading r = ReadNickname(c.nickname);
        EXPECT_EQ(r.initials, c.initials) << c.nickname;
        EXPECT_EQ(r.letter, c.letter) << c.nickname;
        const char letter = c.letter[0];
        EXPECT_EQ(r.text, letter >= 'a' && letter <= 'z' ? TextOf(letter) : "") << c.nickname;
        EXPECT_EQ(GetNicknameText(c.nickname), r.text) << c.nickname;
    }
    EXPECT_NE(GetNicknameText("明小"), GetNicknameText("小明"));
    EXPECT_EQ(GetNicknameText(""), "");
}

// Byte sequences that UTF-8 text never turns into, walked as the table says.
TEST(PinyinInitials, StepsOverBytesThatFormNoDoubleByteCharacter) {
    struct Case {
        std::string gbk;
        const char* initials;
    };
    for (const Case& c : {
             Case{"\x81"
                  "1",
                  "1"},                       // a lead byte before a byte below 0x40: one byte
             Case{"A\xB0", "A"},              // a lead byte at the end
             Case{"\xA2\x40", "?"},           // row 0xA2 below its numerals
             Case{"\xA2\xAB", ""},            // an unassigned numeral code
             Case{"\xA6\xB9", "?"},           // row 0xA6 outside the Greek letters
             Case{"\xA3\xA1", ""},            // full-width "!"
             Case{"\xA1\xA1", "?"},           // ideographic space: a code without a reading
             Case{"\xB0\xA1\xB0\xA1", "AA"},  // 啊啊
         })
        EXPECT_EQ(PinyinInitials(c.gbk), c.initials) << c.initials;
}

}  // namespace
}  // namespace velmora::tools
