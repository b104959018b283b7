// Vudazod.db: the character dictionary (word), our name-character pool (CYZI),
// the scored stroke patterns (gz) and the two-character names (MZ). The
// stroke, element and traditional-form rules live here; data/sources/README.md
// states them in words.

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/text.h"
#include "builder.h"
#include "naming/stroke_patterns.h"
#include "numerology/pattern_score.h"

namespace velmora::databuild {
namespace {

namespace fs = std::filesystem;
using numerology::kMaximumPatternStrokes;

struct StrokeFacts {
    int radical = 0;   // Kangxi radical number, 1..214
    int residual = 0;  // strokes beside the radical; 0 or -1 for the radical itself
    int written = 0;   // the written total
};

struct Character {
    std::string zi;
    std::string wuhang;
    std::string ft;
    int bh = 0;
};

// The numerals count their values whatever their written strokes.
constexpr std::array<std::string_view, 10> kNumerals = {"一", "二", "三", "四", "五",
                                                        "六", "七", "八", "九", "十"};

// Elements by radical meaning (Kangxi numbers; the reduced forms 钅 氵 灬 王 etc.
// share the number of their full form).
struct RadicalElement {
    int radical;
    std::string_view element;
};
constexpr RadicalElement kRadicalElements[] = {
    {167, "金"}, {18, "金"},  {62, "金"},  {69, "金"},  {96, "金"},  {154, "金"},  // 金刀戈斤玉贝
    {75, "木"},  {115, "木"}, {118, "木"}, {119, "木"}, {140, "木"}, {120, "木"},  // 木禾竹米艸糸
    {85, "水"},  {15, "水"},  {173, "水"}, {195, "水"}, {47, "水"},   // 水冫雨鱼川
    {86, "火"},  {72, "火"},                                          // 火日
    {32, "土"},  {46, "土"},  {112, "土"}, {102, "土"}, {170, "土"},  // 土山石田阜
};

// Elements by the initial of the Mandarin reading (the five tones: 牙 木,
// 舌 火, 喉 土, 齿 金, 唇 水). A reading that starts with a vowel counts as 喉.
std::string_view ElementOfReading(std::string_view reading) {
    if (reading.empty()) return {};
    auto starts = [&](std::string_view p) { return reading.substr(0, p.size()) == p; };
    if (starts("zh") || starts("ch") || starts("sh")) return "火";
    switch (reading[0]) {
        case 'g':
        case 'k':
        case 'j':
        case 'q':
        case 'x':
            return "木";
        case 'd':
        case 't':
        case 'n':
        case 'l':
        case 'r':
            return "火";
        case 'z':
        case 'c':
        case 's':
            return "金";
        case 'b':
        case 'p':
        case 'm':
        case 'f':
            return "水";
        default:
            return "土";  // a, o, e, y, w, h and vowels with tone marks
    }
}

// Last resort for the few characters without a reading: the last digit of the strokes.
std::string_view ElementOfStrokes(int strokes) {
    constexpr std::array<std::string_view, 10> kByDigit = {"水", "木", "木", "火", "火",
                                                           "土", "土", "金", "金", "水"};
    return kByDigit[static_cast<size_t>(strokes % 10)];
}

int ToInt(const std::string& text) { return static_cast<int>(ToInteger(text)); }

class CharacterRules {
  public:
    explicit CharacterRules(const fs::path& sources) {
        for (const auto& r : ReadTsv(sources / "kangxi_radicals.tsv")) {
            radical_strokes_.at(static_cast<size_t>(ToInt(r.at(0)))) = ToInt(r.at(2));
            full_radicals_[r.at(1)] = ToInt(r.at(2));
        }
        for (const auto& r : ReadTsv(sources / "han_strokes.tsv"))
            facts_[r.at(0)] = {ToInt(r.at(1)), ToInt(r.at(2)), ToInt(r.at(3))};
        for (const auto& r : ReadTsv(sources / "traditional_overrides.tsv"))
            overrides_[r.at(0)] = r.at(1);
    }

    // The numerology count of a character: the Kangxi count of its traditional
    // form, where a reduced radical counts as its full form.
    int Strokes(const std::string& zi, const std::string& ft) const {
        for (size_t i = 0; i < kNumerals.size(); ++i)
            if (zi == kNumerals[i]) return static_cast<int>(i) + 1;
        auto it = facts_.find(ft);
        if (it == facts_.end()) it = facts_.find(zi);
        if (it == facts_.end()) throw std::runtime_error("no stroke facts for " + zi);
        const StrokeFacts& f = it->second;
        if (f.residual <= 0) {
            // A radical itself: the full form has its Kangxi count (鼎 13, 瓦 5),
            // a reduced or variant form its own written strokes (王 4, 氵 3).
            auto full = full_radicals_.find(ft);
            return full != full_radicals_.end() ? full->second : f.written;
        }
        return std::max(f.written,
                        f.residual + radical_strokes_.at(static_cast<size_t>(f.radical)));
    }

    Character Make(const std::vector<std::string>& record) const {
        Character c;
        c.zi = record.at(0);
        const int radical = ToInt(record.at(1));
        const std::string reading = record.size() > 2 ? record[2] : std::string();
        const std::vector<std::string> candidates = record.size() > 3 && !record[3].empty()
                                                        ? Split(record[3], ' ')
                                                        : std::vector<std::string>{};
        if (auto o = overrides_.find(c.zi); o != overrides_.end())
            c.ft = o->second;
        else if (!candidates.empty())
            c.ft = candidates.front();
        else
            c.ft = c.zi;
        c.bh = Strokes(c.zi, c.ft);
        for (const RadicalElement& re : kRadicalElements)
            if (re.radical == radical) c.wuhang = re.element;
        if (c.wuhang.empty()) c.wuhang = ElementOfReading(reading);
        if (c.wuhang.empty()) c.wuhang = ElementOfStrokes(c.bh);
        return c;
    }

  private:
    std::array<int, 215> radical_strokes_{};
    std::map<std::string, int> full_radicals_;  // full radical form -> Kangxi strokes
    std::map<std::string, StrokeFacts> facts_;
    std::map<std::string, std::string> overrides_;
};

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    for (const std::string& piece : Split(line, ' '))
        if (!Trim(piece).empty()) words.push_back(Trim(piece));
    return words;
}

// The pool in file order, each character once.
std::vector<std::string> ReadPool(const fs::path& path) {
    std::vector<std::string> pool;
    std::set<std::string> seen;
    for (const auto& record : ReadTsv(path))
        for (const std::string& zi : Words(record.at(0)))
            if (seen.insert(zi).second) pool.push_back(zi);
    return pool;
}

void FillGz(Database& db) {
    Inserter gz(db, "gz", {"lx", "bh11", "bh12", "bh21", "bh22", "zf"});
    std::vector<store::Param> row(6);  // lx, bh11, bh12, bh21, bh22, zf; unused counts stay NULL
    auto add = [&](const std::vector<int>& pattern) {
        if (!numerology::PatternWorthProposing(pattern)) return;
        row[0] = static_cast<long long>(pattern.size());
        for (size_t i = 0; i < 4; ++i) {
            if (i < pattern.size())
                row[i + 1] = static_cast<long long>(pattern[i]);
            else
                row[i + 1] = std::monostate{};
        }
        row[5] = static_cast<long long>(numerology::PatternScore(pattern));
        gz.Row(row);
    };
    const int top = kMaximumPatternStrokes;
    for (int a = 1; a <= top; ++a)
        for (int b = 1; b <= top; ++b) {
            add({a, b});
            for (int c = 1; c <= top; ++c) {
                add({a, b, c});
                for (int d = 1; d <= top; ++d) add({a, b, c, d});
            }
        }
}

void FillMz(Database& db, const fs::path& path, const std::map<std::string, Character>& pool) {
    std::vector<std::string> leads, trails;
    std::set<std::string> skip;
    for (const auto& record : ReadTsv(path)) {
        const std::vector<std::string> words = Words(record.at(0));
        if (words.empty()) continue;
        std::vector<std::string>* target = words[0] == "lead:"    ? &leads
                                           : words[0] == "trail:" ? &trails
                                                                  : nullptr;
        for (size_t i = 1; i < words.size(); ++i) {
            if (words[0] == "skip:") {
                skip.insert(words[i]);
                continue;
            }
            if (!target) throw std::runtime_error("mz_parts.txt: unknown line " + record.at(0));
            if (!pool.count(words[i]))
                throw std::runtime_error("mz_parts.txt: " + words[i] + " is not in the pool");
            if (std::find(target->begin(), target->end(), words[i]) == target->end())
                target->push_back(words[i]);
        }
    }
    Inserter mz(db, "MZ", {"ID", "zi", "wuhang", "ft", "bh", "bh1", "bh2", "fs"});
    long long id = 0;
    for (const std::string& lead : leads)
        for (const std::string& trail : trails) {
            if (lead == trail || skip.count(lead + trail)) continue;
            const Character& a = pool.at(lead);
            const Character& b = pool.at(trail);
            const std::vector<int> pattern{a.bh, b.bh};
            if (a.bh > kMaximumPatternStrokes || b.bh > kMaximumPatternStrokes ||
                !numerology::PatternWorthProposing(pattern))
                continue;
            mz.Row({++id, a.zi + b.zi, a.wuhang + b.wuhang, a.ft + b.ft,
                    static_cast<long long>(a.bh + b.bh), static_cast<long long>(a.bh),
                    static_cast<long long>(b.bh),
                    static_cast<double>(numerology::PatternScore(pattern))});
        }
}

}  // namespace

void FillVudazod(BuildContext& context) {
    Database& db = *context.vudazod;
    const CharacterRules rules(context.sources);

    std::map<std::string, Character> dictionary;
    {
        Inserter word(db, "word", {"zi", "wuhang", "ft", "bh"});
        for (const auto& record : ReadTsv(context.sources / "han_characters.tsv")) {
            Character c = rules.Make(record);
            word.Row({c.zi, c.wuhang, c.ft, static_cast<long long>(c.bh)});
            dictionary.emplace(c.zi, std::move(c));
        }
    }

    std::map<std::string, Character> pool;
    {
        Inserter cyzi(db, "CYZI", {"ID", "zi", "wuhang", "ft", "bh"});
        long long id = 0;
        for (const std::string& zi : ReadPool(context.sources / "cyzi.txt")) {
            auto it = dictionary.find(zi);
            if (it == dictionary.end())
                throw std::runtime_error("cyzi.txt: unknown character " + zi);
            const Character& c = it->second;
            cyzi.Row({++id, c.zi, c.wuhang, c.ft, static_cast<long long>(c.bh)});
            pool.emplace(zi, c);
        }
    }

    FillGz(db);
    naming::WritePackedStrokePatterns(db.Handle());
    FillMz(db, context.sources / "mz_parts.txt", pool);
}

}  // namespace velmora::databuild
