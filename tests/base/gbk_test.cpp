#include "base/gbk.h"

#include <gtest/gtest.h>

namespace velmora::gbk {
namespace {

TEST(Gbk, EncodesChineseAsTwoBytesAndRoundTrips) {
    EXPECT_EQ(Encode("华"), "\xBB\xAA");
    EXPECT_EQ(Decode("\xBB\xAA"), "华");
    const std::string mixed = "上海九万科技 Ltd. 鑫";
    EXPECT_EQ(Decode(Encode(mixed)), mixed);
    EXPECT_EQ(Encode("😀"), "?");  // outside GBK: one replacement byte
}

TEST(Gbk, ByteLength) {
    struct Case { const char* text; int bytes; };
    for (Case c : {Case{"", 0}, Case{"abc", 3}, Case{"张", 2}, Case{"巳 10", 5},
                   Case{"上海九万科技有限公司", 20}, Case{"A张B", 4}})
        EXPECT_EQ(ByteLength(c.text), c.bytes) << c.text;
}

TEST(Gbk, ByteSliceCountsBytesFromOne) {
    struct Case { const char* text; int start; int count; const char* slice; };
    for (Case c : {Case{"巳 10", 4, 2, "10"}, Case{"子 0", 4, 2, "0"}, Case{"巳 10", 1, 2, "巳"},
                   Case{"庚申(猴年)", 6, 2, "猴"}, Case{"abc", 2, 100, "bc"},
                   Case{"abc", 5, 1, ""}, Case{"abc", 0, 2, "ab"}, Case{"张三", 1, 0, ""}})
        EXPECT_EQ(ByteSlice(c.text, c.start, c.count), c.slice)
            << c.text << " " << c.start << " " << c.count;
    EXPECT_EQ(ByteSlice("张三", 1, 1), "?");  // half a character stays visible
}

TEST(Gbk, TwoByteKeysCutCharacters) {
    EXPECT_EQ(TwoByteKeys("九万科技"), (std::vector<std::string>{"九", "万", "科", "技"}));
    EXPECT_EQ(TwoByteKeys("ab"), (std::vector<std::string>{"ab"}));
    EXPECT_EQ(TwoByteKeys("abc"), (std::vector<std::string>{"ab", "c"}));
    EXPECT_TRUE(TwoByteKeys("").empty());
}

TEST(Gbk, TruncateToBytesNeverSplitsACharacter) {
    EXPECT_EQ(TruncateToBytes("上海九万科技", 5), "上海");
    EXPECT_EQ(TruncateToBytes("a上海", 4), "a上");
    EXPECT_EQ(TruncateToBytes("短", 20), "短");
}

}  // namespace
}  // namespace velmora::gbk
