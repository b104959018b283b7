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

// What the lookups read of one character: the first `word` row of its `zi`.
struct WordEntry {
    std::optional<long long> bh;       // no value for NULL
    std::optional<std::string> ft;     // first character of the trimmed form; NULL: none
    std::string wuhang;                // trimmed
    std::optional<std::string> badBh;  // a stored count that is no integer, reported when used
};

// The stroke, traditional-form and element columns of `word`, read once per file.
struct WordTable {
    std::unordered_map<std::string, WordEntry> entries;

    static WordTable Read(const std::string& connection) {
        store::Query query(connection, store::Query::kLookupTimeout);
        query.SetSql("select zi, bh, ft, wuhang from word order by rowid");
        WordTable table;
        query.Scan([&](const store::ResultRows& row) {
            if (row.FieldAt(1, 0).IsNull()) return;
            auto [it, added] = table.entries.try_emplace(row.FieldAt(1, 0).AsText());
            if (!added) return;
            WordEntry& e = it->second;
            const store::Field bh = row.FieldAt(1, 1);
            if (!bh.IsNull()) {
                const std::string text = bh.AsText();
                if (auto n = ParseInteger(text))
                    e.bh = *n;
                else
                    e.badBh = text;
            }
            if (!row.FieldAt(1, 2).IsNull())
                e.ft = FirstCharacter(Trim(row.FieldAt(1, 2).AsText()));
            e.wuhang = Trim(row.FieldAt(1, 3).AsText());
        });
        return table;
    }

    const WordEntry* Find(const std::string& key) const {
        auto it = entries.find(key);
        return it == entries.end() ? nullptr : &it->second;
    }
};

std::shared_ptr<const WordTable> WordsOf(const store::Query& query) {
    static store::TableCache<WordTable> cache(&WordTable::Read);
    return cache.Get(query.Connection());
}

}  // namespace

std::vector<std::string> CharacterKeys(std::string_view text) {
    const int length = gbk::ByteLength(text);
    if (length <= 2) return {std::string(text)};
    std::vector<std::string> keys = gbk::TwoByteKeys(text);
    if (length % 2 != 0) keys.pop_back();  // the last odd byte is dropped
    return keys;
}

int GetStrokeCount(store::Query& query, std::string_view text) {
    const auto words = WordsOf(query);
    int total = 0;
    for (const std::string& key : CharacterKeys(text)) {
        const WordEntry* e = words->Find(key);
        if (!e) continue;
        if (e->badBh) ToInteger(*e->badBh);  // raises the conversion error
        if (e->bh) total += static_cast<int>(*e->bh);
    }
    return total;
}

std::string GetTraditionalForm(store::Query& query, std::string_view text) {
    const auto words = WordsOf(query);
    std::string result;
    for (const std::string& key : CharacterKeys(text))
        if (const WordEntry* e = words->Find(key); e && e->ft) result += *e->ft;
    return result;
}

std::string GetWordElement(store::Query& query, std::string_view character) {
    const WordEntry* e = WordsOf(query)->Find(std::string(character));
    return e ? e->wuhang : std::string();
}

std::string GetNameFxText(store::Query& query, long long number) {
    query.Close();
    if (query.Sql() != kReadingSql) query.SetSql(std::string(kReadingSql));
    query.SetParams({store::Param(std::to_string(NameNumber(number)))});
    query.Open();
    return query.RowCount() > 0 ? query.FieldAt(0).AsText() : std::string();
}

}  // namespace velmora::numerology
