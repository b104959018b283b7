// dream.db: the dream book (Tclass, JMTable) and the bone-weight tables
// (chenggu1..4 and chenggu); fill_mobile_readings.cpp fills shouji.

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string_view>

#include "base/gbk.h"
#include "base/text.h"
#include "builder.h"
#include "dream_encoder.h"

namespace velmora::databuild {
namespace {

constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊",
                                                     "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                        "午", "未", "申", "酉", "戌", "亥"};

double ToWeight(const std::string& text) {
    size_t used = 0;
    const double value = std::stod(text, &used);
    if (used != text.size()) throw std::runtime_error("bone_weights.tsv: bad weight " + text);
    return value;
}

void FillBoneWeights(BuildContext& context) {
    // kind -> key -> weight
    std::map<std::string, std::map<std::string, double>> weights;
    for (const auto& r : ReadTsv(context.sources / "bone_weights.tsv")) {
        if (r.size() < 3) throw std::runtime_error("bone_weights.tsv: short line");
        weights[r[0]][r[1]] = ToWeight(r[2]);
    }
    auto weight = [&](const std::string& kind, const std::string& key) {
        auto k = weights.find(kind);
        if (k == weights.end() || !k->second.count(key))
            throw std::runtime_error("bone_weights.tsv: no " + kind + " weight for " + key);
        return k->second.at(key);
    };

    // Lunar years by their cycle pair; 1984 is a 甲子 year.
    Inserter years(*context.dream, "chenggu1", {"year", "weight"});
    for (int year = 1900; year <= 2100; ++year) {
        const int n = ((year - 1984) % 60 + 60) % 60;
        const std::string pair = std::string(kStems[n % 10]) + std::string(kBranches[n % 12]);
        years.Row({std::to_string(year), weight("year", pair)});
    }
    Inserter months(*context.dream, "chenggu2", {"month2", "weight"});
    for (int month = 1; month <= 12; ++month)
        months.Row({std::to_string(month), weight("month", std::to_string(month))});
    Inserter days(*context.dream, "chenggu3", {"day2", "weight"});
    for (int day = 1; day <= 30; ++day)
        days.Row({std::to_string(day), weight("day", std::to_string(day))});
    // Hours by their two-hour period: 23 and 0 are 子, 1 and 2 丑, and so on.
    Inserter hours(*context.dream, "chenggu4", {"time", "weight"});
    for (int hour = 0; hour <= 23; ++hour)
        hours.Row(
            {std::to_string(hour), weight("hour", std::string(kBranches[(hour + 1) / 2 % 12]))});
}

void FillBoneReadings(BuildContext& context) {
    Inserter rows(*context.dream, "chenggu", {"weight", "content", "content2"});
    for (const auto& r : ReadTsv(context.sources / "bone_weight_readings.tsv")) {
        if (r.size() < 3 || r[0].size() != 2)
            throw std::runtime_error("bone_weight_readings.tsv: bad line for " + r[0]);
        rows.Row({r[0], r[1], r[2]});
    }
}

// The book's own rules, checked so that a slip in the source stops the build
// instead of reaching the program.
constexpr size_t kShortestText = 40;
constexpr size_t kLongestText = 200;
// Must match the program's decoder.
constexpr std::uint16_t kDreamKey = 4917;
constexpr int kDreamPasses = 7;

// dream_book.tsv: category, title, interpretation. Categories are numbered
// from 1 in the order they first appear; each dream keeps its category's
// number as CLASEID and its text, as GBK bytes encoded for the decoder, as CONENT.
void FillDreamBook(BuildContext& context) {
    const std::string source = "dream_book.tsv";
    std::map<std::string, int> categoryIds;
    std::set<std::string> titles, texts;
    Inserter categories(*context.dream, "Tclass", {"ZMID", "ZMCLASS"});
    Inserter dreams(*context.dream, "JMTable", {"CLASEID", "TITLE", "CONENT"});
    for (const auto& r : ReadTsv(context.sources / source)) {
        if (r.size() != 3) throw std::runtime_error(source + ": not three fields: " + r[0]);
        const std::string category = Trim(r[0]), title = Trim(r[1]), text = Trim(r[2]);
        if (category.empty() || title.empty())
            throw std::runtime_error(source + ": empty category or title near " + text);
        const size_t length = SplitChars(text).size();
        if (length < kShortestText || length > kLongestText)
            throw std::runtime_error(source + ": " + title + " has " + std::to_string(length) +
                                     " characters, not 40 to 200");
        for (const std::string* field : {&category, &title, &text})
            if (gbk::Decode(gbk::Encode(*field)) != *field)
                throw std::runtime_error(source + ": " + title + " has a character GBK lacks");
        if (!titles.insert(title).second)
            throw std::runtime_error(source + ": title twice: " + title);
        if (!texts.insert(text).second)
            throw std::runtime_error(source + ": text of " + title + " given twice");

        auto [it, added] = categoryIds.emplace(category, static_cast<int>(categoryIds.size()) + 1);
        if (added) categories.Row({static_cast<long long>(it->second), category});
        dreams.Row({std::to_string(it->second), title,
                    EncodeDreamText(gbk::Encode(text), kDreamKey, kDreamPasses)});
    }
}

}  // namespace

void FillDream(BuildContext& context) {
    FillDreamBook(context);
    FillBoneWeights(context);
    FillBoneReadings(context);
}

}  // namespace velmora::databuild
