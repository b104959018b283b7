#include "base/text.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace velmora {
namespace {

TEST(Text, TrimAndSplit) {
    EXPECT_EQ(Trim("  \r\n 九万 \t\n"), "九万");
    EXPECT_EQ(Trim(" \n "), "");
    // Full-width blanks trim like ASCII ones; inner ones stay.
    EXPECT_EQ(Trim("\u3000 九\u3000万\u3000\u3000"), "九\u3000万");
    EXPECT_EQ(Trim("\u3000\u3000"), "");
    EXPECT_EQ(SplitChars("A九万"), (std::vector<std::string>{"A", "九", "万"}));
    EXPECT_EQ(Split("a\t\tb", '\t'), (std::vector<std::string>{"a", "", "b"}));
}

TEST(Text, IntegersAndTheConversionError) {
    EXPECT_EQ(ToInteger(" 42 "), 42);
    EXPECT_EQ(ToInteger("-7"), -7);
    EXPECT_FALSE(ParseInteger("4a").has_value());
    EXPECT_FALSE(ParseInteger("").has_value());
    try {
        ToInteger("十二");
        ADD_FAILURE();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "“十二”不是有效的整数");
    }
    try {
        ToInteger("6o", "出生分钟");
        ADD_FAILURE();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "出生分钟“6o”不是有效的整数");
    }
}

// Broken UTF-8 never reaches a message: each bad byte shows as U+FFFD.
TEST(Text, BrokenUtf8IsReplacedAndRefused) {
    const struct {
        std::string text;
        std::string valid;
    } cases[] = {
        {"张三 ab", "张三 ab"},
        {"\U00020BB7", "\U00020BB7"},                      // 𠮷, four bytes
        {"\xFF\xFE", "\uFFFD\uFFFD"},                      // no lead byte
        {"张\xE5\xBC", "张\uFFFD\uFFFD"},                  // cut off
        {"\xC0\xAF", "\uFFFD\uFFFD"},                      // overlong '/'
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},            // a surrogate
        {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValidUtf8(c.text), c.valid) << c.valid;
        if (c.text == c.valid) {
            EXPECT_NO_THROW(RequireUtf8(c.text, "参数"));
            continue;
        }
        try {
            RequireUtf8(c.text, "参数");
            ADD_FAILURE() << c.valid;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "参数“" + c.valid + "”不是有效的UTF-8文本");
        }
    }
}

}  // namespace
}  // namespace velmora
