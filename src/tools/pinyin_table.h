#pragma once
// The first Mandarin reading of every double-byte GBK code. The build writes
// the tables from data/sources/gbk_pinyin.tsv (Unihan kMandarin) with
// pinyin_table.cmake; no database is involved.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace velmora::tools {

inline constexpr int kPinyinLeadCount = 126;   // lead bytes 0x81..0xFE
inline constexpr int kPinyinTrailCount = 191;  // trail bytes 0x40..0xFE
inline constexpr int kPinyinCodeCount = kPinyinLeadCount * kPinyinTrailCount;

// The extra syllables that follow the standard ones (after one empty position).
inline constexpr std::array<std::string_view, 11> kExtraSyllables = {
    "ei", "m", "n", "dia", "cen", "nou", "jv", "qv", "xv", "lv", "nv"};

// Toneless syllables in lower-case ASCII, ü written v. Position 0 is "" and
// stands for no reading; then the standard syllables in alphabetical order
// (a, ai, an ... zuo), one empty position, and kExtraSyllables.
extern const std::span<const std::string_view> PinyinSyllables;

// For code lead:trail, entry (lead - 0x81) * 191 + (trail - 0x40): a position
// in PinyinSyllables, 0 for a code without a reading.
extern const std::array<std::uint16_t, kPinyinCodeCount> PinyinIndexTable;

// The syllable of one double-byte code; "" when the code has no reading or its
// bytes lie outside the table.
std::string_view PinyinSyllable(unsigned char lead, unsigned char trail);

}  // namespace velmora::tools
