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
    query.SetSql("select zi, bh, ft, wuhang from word order by rowid");
    Dictionary table;
    query.Scan([&](const store::ResultRows& row) {
        if (row.FieldAt(1, 0).IsNull()) return;
        auto [it, added] = table.entries_.try_emplace(row.FieldAt(1, 0).AsText());
        if (!added) return;
        Entry& e = it->second;
        const store::Field bh = row.FieldAt(1, 1);
        if (!bh.IsNull()) {
            const std::string text = bh.AsText();
            if (auto n = ParseInteger(text))
                e.bh = *n;
            else
                e.badBh = text;
        }
        if (!row.FieldAt(1, 2).IsNull()) e.ft = FirstCharacter(Trim(row.FieldAt(1, 2).AsText()));
        e.wuhang = Trim(row.FieldAt(1, 3).AsText());
    });
    return table;
}

std::shared_ptr<const Dictionary> Dictionary::Of(const store::Query& query) {
    static store::TableCache<Dictionary> cache(&Dictionary::Read);
    return cache.Get(query.Connection());
}

const Dictionary::Entry* Dictionary::Find(const std::string& key) const {
    auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : &it->second;
}

int Dictionary::StrokeCount(std::string_view text) const {
    int total = 0;
    for (const std::string& key : CharacterKeys(text)) {
        const Entry* e = Find(key);
        if (!e) continue;
        if (e->badBh) ToInteger(*e->badBh);  // raises the conversion error
        if (e->bh) total += static_cast<int>(*e->bh);
    }
    return total;
}

std::string Dictionary::TraditionalForm(std::string_view text) const {
    std::string result;
    for (const std::string& key : CharacterKeys(text))
        if (const Entry* e = Find(key); e && e->ft) result += *e->ft;
    return result;
}

std::string Dictionary::Element(std::string_view character) const {
    const Entry* e = Find(std::string(character));
    return e ? e->wuhang : std::string();
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
