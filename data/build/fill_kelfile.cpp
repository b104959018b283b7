// KelFile.db: the readings of the name numbers (namefx), keys "0" to "80".
// Each reading opens with its luck class; the build fails when that class
// disagrees with the 81-number table, or when a key is missing or repeated.

#include <set>
#include <stdexcept>
#include <string>

#include "base/text.h"
#include "builder.h"
#include "numerology/shuli.h"

namespace velmora::databuild {
namespace {

std::string_view ClassOpening(numerology::Luck luck) {
    switch (luck) {
        case numerology::Luck::Good:
            return "此数属吉。";
        case numerology::Luck::Bad:
            return "此数属凶。";
        case numerology::Luck::GoodWithBad:
            return "此数吉中带凶。";
        case numerology::Luck::BadWithGood:
            return "此数凶中带吉。";
    }
    return {};
}

}  // namespace

void FillKelFile(BuildContext& context) {
    Inserter namefx(*context.kelfile, "namefx", {"num", "nr"});
    std::set<long long> keys;
    for (const auto& record : ReadTsv(context.sources / "namefx.tsv")) {
        const long long key = ToInteger(record.at(0));
        const std::string text = Trim(record.at(1));
        if (key < 0 || key > 80 || !keys.insert(key).second)
            throw std::runtime_error("namefx.tsv: bad or repeated key " + record.at(0));
        // Key 0 stands for 81, whose luck LuckOf(0) already gives.
        if (text.rfind(ClassOpening(numerology::LuckOf(key)), 0) != 0)
            throw std::runtime_error("namefx.tsv: the reading of " + record.at(0) +
                                     " does not open with its luck class");
        namefx.Row({std::to_string(key), text});
    }
    if (keys.size() != 81) throw std::runtime_error("namefx.tsv: expected the keys 0 to 80");
}

}  // namespace velmora::databuild
