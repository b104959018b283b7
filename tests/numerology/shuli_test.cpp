// The 81-number table and the name-number reduction.
#include "numerology/shuli.h"

#include <gtest/gtest.h>

#include <map>

#include "base/errors.h"
#include "base/text.h"
#include "numerology/pattern_score.h"

namespace velmora::numerology {
namespace {

TEST(NameNumber, ReducesModulo81) {
    struct Case {
        long long total;
        int expected;
    };
    for (Case c : {Case{0, 0}, Case{1, 1}, Case{80, 80}, Case{81, 0}, Case{82, 1}, Case{162, 0},
                   Case{12345678901LL, static_cast<int>(12345678901LL % 81)}})
        EXPECT_EQ(NameNumber(c.total), c.expected) << c.total;
}

// Every number gets its own row: 1 the first, 81 (and 0) the last.
TEST(ShuliRow, EachNumberGetsItsOwnRow) {
    struct Case {
        long long number;
        int row;
    };
    for (Case c : {Case{1, 0}, Case{2, 1}, Case{80, 79}, Case{81, 80}, Case{0, 80}, Case{82, 0},
                   Case{162, 80}, Case{163, 0}})
        EXPECT_EQ(ShuliRow(c.number), c.row) << c.number;
}

TEST(ShuliTable, RowsHaveWellFormedPhrasesAndTypes) {
    std::map<Luck, int> lucks;
    for (size_t row = 0; row < ShuliTable.size(); ++row) {
        const ShuliEntry& e = ShuliTable[row];
        ++lucks[e.luck];
        EXPECT_GE(e.personality, 1) << row;
        EXPECT_LE(e.personality, 9) << row;
        std::vector<std::string> parts;
        std::string part;
        for (const std::string& ch : SplitChars(e.phrase)) {
            if (ch == "，") {
                parts.push_back(part);
                part.clear();
            } else {
                part += ch;
            }
        }
        parts.push_back(part);
        ASSERT_EQ(parts.size(), 4u) << row;
        int five_character_phrases = 0;
        for (const std::string& p : parts) {
            const size_t length = SplitChars(p).size();
            EXPECT_TRUE(length == 4 || length == 5) << row << " " << p;
            five_character_phrases += length == 5;
        }
        // Only the numbers 52 and 68 carry one phrase of five characters.
        EXPECT_EQ(five_character_phrases, (row == 51 || row == 67) ? 1 : 0) << row;
    }
    EXPECT_EQ(lucks[Luck::Good], 35);
    EXPECT_EQ(lucks[Luck::Bad], 30);
    EXPECT_EQ(lucks[Luck::GoodWithBad], 13);
    EXPECT_EQ(lucks[Luck::BadWithGood], 3);
}

TEST(PersonalityTypes, DescriptionsRunFrom49To77Characters) {
    for (const PersonalityType& type : kPersonalityTypes) {
        const size_t length = SplitChars(type.description).size();
        EXPECT_GE(length, 49u) << type.name;
        EXPECT_LE(length, 77u) << type.name;
        EXPECT_EQ(type.description.find('|'), std::string_view::npos) << type.name;
    }
}

TEST(GetShuliText, GivesTheNumbersOwnEntry) {
    struct Case {
        const char* text;
        int row;
    };
    for (Case c : {Case{"1", 0}, Case{"2", 1}, Case{"80", 79}, Case{"81", 80}, Case{"0", 80},
                   Case{"82", 0}, Case{"13800138000", ShuliRow(13800138000LL)},
                   Case{"9223372036854775807", ShuliRow(9223372036854775807LL)}}) {
        const ShuliEntry& e = ShuliTable[c.row];
        const PersonalityType& type = kPersonalityTypes[e.personality - 1];
        const std::string expected = std::string(e.phrase) + "|" + std::string(LuckWord(e.luck)) +
                                     "|主人性格类型：[" + std::string(type.name) +
                                     "]，其具体表现为：" + std::string(type.description);
        EXPECT_EQ(GetShuliText(c.text), expected) << c.text;
    }
}

TEST(GetShuliText, NegativeNumbersGetTheApology) {
    for (const char* text : {"-5", "-81", "-1"}) {
        const std::string result = GetShuliText(text);
        EXPECT_EQ(result, kShuliApology) << text;
        EXPECT_EQ(result.find('|'), std::string::npos);
    }
}

TEST(GetShuliText, TextThatIsNoIntegerIsAConversionError) {
    for (const char* text : {"12a", "", "abc", "1.5", "99999999999999999999"}) {
        try {
            GetShuliText(text);
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "数字“" + std::string(text) + "”不是有效的整数");
        }
    }
}

// The number tests cut an entry at its first two "|"; a missing "|" leaves
// the part before it empty and hands the rest on.
TEST(SplitShuliText, CutsAtTheFirstTwoBars) {
    struct Case {
        const char* text;
        const char* phrase;
        const char* luck;
        const char* personality;
    };
    for (Case c : {Case{"甲|吉|乙", "甲", "吉", "乙"}, Case{"甲|乙", "甲", "", "乙"},
                   Case{"对不起", "", "", "对不起"}, Case{"甲|吉|乙|丙", "甲", "吉", "乙|丙"},
                   Case{"||", "", "", ""}}) {
        const ShuliParts parts = SplitShuliText(c.text);
        EXPECT_EQ(parts.phrase, c.phrase) << c.text;
        EXPECT_EQ(parts.luck, c.luck) << c.text;
        EXPECT_EQ(parts.personality, c.personality) << c.text;
    }
}

// Scores worked out by hand from the luck classes: 1, 3, 5, 6 are 吉; 2, 4, 9, 10, 19 are 凶.
TEST(PatternScore, WeighsTotalSumsAndCounts) {
    struct Case {
        std::vector<int> strokes;
        int score;
        bool proposed;
    };
    const Case cases[] = {
        {{1, 5}, 100, true},       // 1 吉, 5 吉, total 6 吉
        {{2, 4}, 72, true},        // 0.6*100 + 0.4*(30+30)/2
        {{9, 10}, 30, false},      // total 19 凶
        {{1, 2, 3}, 93, true},     // 0.5*100 + 0.2*100 (sum 3) + 0.3*(100+30+100)/3
        {{2, 2, 2}, 65, true},     // total 6 吉, sum 4 凶: 50 + 6 + 9
        {{1, 1, 1, 3}, 93, true},  // 50 + 0.2*(30+100)/2 + 0.3*100
        {{5}, 0, false},           // one character is no pattern
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PatternScore(c.strokes), c.score) << ::testing::PrintToString(c.strokes);
        EXPECT_EQ(PatternWorthProposing(c.strokes), c.proposed)
            << ::testing::PrintToString(c.strokes);
    }
}

}  // namespace
}  // namespace velmora::numerology
