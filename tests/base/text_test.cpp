#include "base/text.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace velmora {
namespace {

TEST(Text, TrimAndSplit) {
    EXPECT_EQ(Trim("  \r\n 九万 \t\n"), "九万");
    EXPECT_EQ(Trim(" \n "), "");
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
        EXPECT_STREQ(e.what(), "'十二' is not a valid integer value");
    }
}

}  // namespace
}  // namespace velmora
