#pragma once
// Small lookups shared by the bazi report, the name analysis and the
// four-pillars engine. The database ones create their own query for the call,
// bind every key as a parameter, and give empty text for a missing row or a
// database error (the bone weight says otherwise below).

#include <optional>
#include <string>
#include <string_view>

#include "base/dates.h"
#include "store/query.h"

namespace velmora::bazi {

// Western constellation of a whole day, e.g. "摩羯座"; empty for a date with
// a time of day on the last day of a range. 金牛座 carries a trailing blank.
std::string ConstellationOf(DateValue date);

// Five-element word (金木水火土) of a character from `hzwh`, trimmed; empty
// when no row holds it, when the text is empty, or on a database error.
std::string CharElement(std::string_view character);

// Ten-god name of a pair "day stem + other stem" from `Shishen`, or empty
// (trailing blanks of the key do not count).
std::string TenGodOf(std::string_view pair);

// Nayin of a pillar "stem + branch" from `jiazi`, or empty. Trailing blanks
// of the key do not count (the 胎元 text "丁巳 " finds 沙中土); leading ones do.
std::string NayinOf(std::string_view pillar);

// The same three lookups on a query the caller holds bound to Tgcode.db, for
// a run of lookups on one connection (a fresh connection costs far more than
// the lookup itself). Errors give empty text, as above.
std::string CharElement(store::Query& tgcode, std::string_view character);
std::string TenGodOf(store::Query& tgcode, std::string_view pair);
std::string NayinOf(store::Query& tgcode, std::string_view pillar);

// A query bound to Tgcode.db for the overloads above.
store::Query OpenTgcodeQuery();

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
// exists for the total. Raises DatabaseError when a query cannot be opened:
// the caller then abandons its report silently.
std::optional<std::string> BoneWeightLine(std::string_view yearText, std::string_view monthText,
                                          std::string_view dayText, std::string_view hourText,
                                          int kind);

// The two-character key of a weight sum: "50" for 5, "43" for 4.3, "42" for 4.25.
std::string BoneWeightKey(double sum);

}  // namespace velmora::bazi
