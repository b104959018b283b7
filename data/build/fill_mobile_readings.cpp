// dream.db: the mobile-number verdicts (shouji), keys "1" to "79" from
// mobile_readings.tsv. The build fails on a missing, repeated or stray key, an
// unknown luck word, a reading shorter than 30 or longer than 120 characters,
// and on two verdicts with the same state or the same reading.

#include <set>
#include <stdexcept>
#include <string>

#include "base/text.h"
#include "builder.h"

namespace velmora::databuild {

void FillMobileReadings(BuildContext& context) {
    static const std::set<std::string> kLuckWords = {"大吉",   "吉",     "半吉",
                                                     "吉带凶", "凶带吉", "凶"};
    constexpr long long kKeys = 79;  // a key is the last four digits mod 80; 0 needs no row

    Inserter rows(*context.dream, "shouji", {"num", "title", "jx", "content"});
    std::set<long long> keys;
    std::set<std::string> titles, contents;
    for (const auto& r : ReadTsv(context.sources / "mobile_readings.tsv")) {
        auto fail = [&](const std::string& why) {
            throw std::runtime_error("mobile_readings.tsv: key " + r.at(0) + ": " + why);
        };
        if (r.size() != 4) fail("expected 4 fields");
        const auto key = ParseInteger(r[0]);
        if (!key || *key < 1 || *key > kKeys || std::to_string(*key) != r[0])
            fail("key is not a number from 1 to 79");
        if (!keys.insert(*key).second) fail("repeated key");
        if (!kLuckWords.count(r[2])) fail("unknown luck word " + r[2]);
        const size_t length = SplitChars(r[3]).size();
        if (length < 30 || length > 120)
            fail("reading of " + std::to_string(length) + " characters");
        if (r[1].empty() || !titles.insert(r[1]).second) fail("empty or repeated state " + r[1]);
        if (!contents.insert(r[3]).second) fail("repeated reading");
        rows.Row({r[0], r[1], r[2], r[3]});
    }
    if (static_cast<long long>(keys.size()) != kKeys)
        throw std::runtime_error("mobile_readings.tsv: " + std::to_string(keys.size()) +
                                 " keys instead of 79");
}

}  // namespace velmora::databuild
