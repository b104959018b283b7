#include "numerology/strokes.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_map>

#include "base/gbk.h"
#include "base/text.h"
#include "numerology/shuli.h"
#include "store/table_cache.h"

namespace velmora::numerology {
namespace {

constexpr std::string_view kReadingSql = "select nr from namefx where num = ?";

// The first character of a text (UTF-8), empty for an empty text.
std::string FirstCharacter(const std::string& text) {
    if (text.empty()) return {};
    const unsigned char lead = static_cast<unsigned char>(text[0]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return text.substr(0, std::min(length, text.size()));
}

}  // namespace

std::vector<std::string> CharacterKeys(std::string_view text) {
    const int length = gbk::ByteLength(text);
    if (length <= 2) return {std::string(text)};
    std::vector<std::string> keys = gbk::TwoByteKeys(text);
    if (length % 2 != 0) keys.pop_back();  // the last odd byte is dropped
    return keys;
}

Dictionary Dictionary::Read(const std::string& connection) {
    store::Query query(connection, store::Query::kLookupTimeout);
    // Room for every row at once: growing would copy the entries, and fresh
    // memory is what this read costs most.
    query.SetSql("select count(*), sum(length(CAST(zi AS BLOB))) from word");
    query.Open();
    Dictionary table;
    table.entries_.reserve(static_cast<size_t>(query.FieldAt(0).AsInteger()));
    table.texts_.reserve(static_cast<size_t>(query.FieldAt(1).AsInteger() * 3));
    query.SetSql("select zi, bh, ft, wuhang from word order by rowid");
    auto keep = [&](std::string_view text) {
        const Text t{static_cast<std::uint32_t>(table.texts_.size()),
                     static_cast<std::uint32_t>(text.size())};
        table.texts_ += text;
        return t;
    };
    query.Scan([&](const store::ResultRows& row) {
        if (row.FieldAt(1, 0).IsNull()) return;
        Entry& e = table.entries_.emplace_back();
        const std::string zi = row.FieldAt(1, 0).AsText();
        e.zi = keep(zi);
        const store::Field bh = row.FieldAt(1, 1);
        if (!bh.IsNull()) {
            const std::string text = bh.AsText();
            if (auto n = ParseInteger(text)) {
                e.bh = *n;
                e.hasBh = true;
            } else {
                e.badBh = true;
                table.badCounts_.try_emplace(zi, text);
            }
        }
        if (!row.FieldAt(1, 2).IsNull()) {
            e.ft = keep(FirstCharacter(Trim(row.FieldAt(1, 2).AsText())));
            e.hasFt = true;
        }
        e.wuhang = keep(Trim(row.FieldAt(1, 3).AsText()));
    });
    // One entry per character, its first row.
    auto byKey = [&](const Entry& a, const Entry& b) {
        return table.View(a.zi) < table.View(b.zi);
    };
    std::stable_sort(table.entries_.begin(), table.entries_.end(), byKey);
    auto same = [&](const Entry& a, const Entry& b) {
        return table.View(a.zi) == table.View(b.zi);
    };
    table.entries_.erase(std::unique(table.entries_.begin(), table.entries_.end(), same),
                         table.entries_.end());
    return table;
}

std::shared_ptr<const Dictionary> Dictionary::Of(const store::Query& query) {
    static store::TableCache<Dictionary> cache(&Dictionary::Read);
    return cache.Get(query.Connection());
}

const Dictionary::Entry* Dictionary::Find(std::string_view key) const {
    auto it = std::lower_bound(entries_.begin(), entries_.end(), key,
                               [&](const Entry& e, std::string_view k) { return View(e.zi) < k; });
    return it != entries_.end() && View(it->zi) == key ? &*it : nullptr;
}

int Dictionary::StrokeCount(std::string_view text) const {
    int total = 0;
    for (const std::string& key : CharacterKeys(text)) {
        const Entry* e = Find(key);
        if (!e) continue;
        if (e->badBh) ToInteger(badCounts_.at(key));  // raises the conversion error
        if (e->hasBh) total += static_cast<int>(e->bh);
    }
    return total;
}

std::vector<std::string> Dictionary::CharactersWithoutStrokes(std::string_view text) const {
    std::vector<std::string> missing;
    for (const std::string& c : SplitChars(text)) {
        const Entry* e = Find(c);
        const bool counted = e && (e->hasBh || (e->badBh && !Trim(badCounts_.at(c)).empty()));
        if (!counted && std::find(missing.begin(), missing.end(), c) == missing.end())
            missing.push_back(c);
    }
    return missing;
}

std::string Dictionary::TraditionalForm(std::string_view text) const {
    std::string result;
    for (const std::string& key : CharacterKeys(text))
        if (const Entry* e = Find(key); e && e->hasFt) result += View(e->ft);
    return result;
}

std::string Dictionary::Element(std::string_view character) const {
    const Entry* e = Find(character);
    return e ? std::string(View(e->wuhang)) : std::string();
}

int GetStrokeCount(store::Query& query, std::string_view text) {
    return Dictionary::Of(query)->StrokeCount(text);
}

std::string GetTraditionalForm(store::Query& query, std::string_view text) {
    return Dictionary::Of(query)->TraditionalForm(text);
}

std::string GetNameFxText(store::Query& query, long long number) {
    query.Close();
    if (query.Sql() != kReadingSql) query.SetSql(std::string(kReadingSql));
    query.SetParams({store::Param(std::to_string(NameNumber(number)))});
    query.Open();
    return query.RowCount() > 0 ? query.FieldAt(0).AsText() : std::string();
}

}  // namespace velmora::numerology
