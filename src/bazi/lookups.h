#pragma once
// Small lookups shared by the bazi report, the name analysis and the
// four-pillars engine. The database ones answer from their tables of
// Tgcode.db and dream.db, read into memory once per process (and again when a
// file changes). A missing row gives empty text; a file that cannot be read
// raises DatabaseError naming it.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/dates.h"

namespace velmora::bazi {

// Western constellation of a whole day, e.g. "摩羯座"; empty for a date with
// a time of day on the last day of a range. 金牛座 carries a trailing blank.
std::string ConstellationOf(DateValue date);

// The tables `hzwh`, `Shishen` and `jiazi` of Tgcode.db in memory. A run of
// lookups takes the tables once and asks them; the free functions below take
// them for each call.
class StemBranchTables {
  public:
    // The tables of the current data folder's Tgcode.db.
    static std::shared_ptr<const StemBranchTables> Current();
    static StemBranchTables Read(const std::string& connection);

    // Five-element word (金木水火土) of a character: the trimmed `wh` of the
    // first `hzwh` row whose `hz` contains the trimmed character; empty when
    // no row holds it or the text is empty.
    std::string CharElement(std::string_view character) const;
    // Ten-god name of a pair "day stem + other stem" from `Shishen`, or empty
    // (trailing blanks of the key do not count).
    std::string TenGodOf(std::string_view pair) const;
    // Nayin of a pillar "stem + branch" from `jiazi`, or empty. Trailing
    // blanks of the key do not count (the 胎元 text "丁巳 " finds 沙中土);
    // leading ones do.
    std::string NayinOf(std::string_view pillar) const;

  private:
    std::vector<std::pair<std::string, std::string>> elements_;  // hz, trimmed wh; file order
    std::unordered_map<std::string, std::string> tenGods_;       // first row of each key
    std::unordered_map<std::string, std::string> nayin_;         // first row of each key
};

// The lookups of StemBranchTables::Current().
std::string CharElement(std::string_view character);
std::string TenGodOf(std::string_view pair);
std::string NayinOf(std::string_view pillar);

// Counts 金木水火土 among the eight two-byte words at GBK bytes 1, 3, 8, 10,
// 15, 17, 22 and 24 of an element line ("金:占2个, 木:占1个, ...").
std::string ElementCountText(std::string_view elementLine);

// The element line of eight characters: E1E2   E3E4   E5E6   E7E8, each E the
// CharElement of the character (year stem, year branch, month stem, ...).
std::string ElementLine(const std::string_view (&characters)[8]);

// One line of the bone-weight reading (称骨). kind 0: "你的骨重为：4两3钱",
// 1: "骨重诗评：" + verse, 2: "骨重解评：" + explanation. The texts are the
// lunar year ("1980"), lunar month ("1".."12"), lunar day ("1".."30") and
// hour ("0".."23"). A missing weight row counts 0; nullopt when no verse
// exists for the total. Raises DatabaseError when dream.db cannot be read.
std::optional<std::string> BoneWeightLine(std::string_view yearText, std::string_view monthText,
                                          std::string_view dayText, std::string_view hourText,
                                          int kind);

// The two-character key of a weight sum: "50" for 5, "43" for 4.3, "42" for 4.25.
std::string BoneWeightKey(double sum);

}  // namespace velmora::bazi
