#include "numerology/strokes.h"

#include <algorithm>
#include <map>
#include <optional>

#include "base/gbk.h"
#include "base/text.h"
#include "numerology/shuli.h"

namespace velmora::numerology {
namespace {

// Keys are looked up in batches through one IN list of fixed width, so the
// statement stays prepared and each call takes the file's read lock once per
// batch rather than once per character. Unused places are bound to NULL,
// which matches nothing.
constexpr size_t kBatch = 16;

std::string BatchSql(std::string_view column, std::string_view table) {
    std::string sql =
        "select zi, " + std::string(column) + " from " + std::string(table) + " where zi in (";
    for (size_t i = 0; i < kBatch; ++i) sql += i == 0 ? "?" : ", ?";
    return sql + ")";
}

const std::string& StrokeSql() {
    static const std::string sql = BatchSql("bh", "word");
    return sql;
}

const std::string& TraditionalSql() {
    static const std::string sql = BatchSql("ft", "word");
    return sql;
}

constexpr std::string_view kReadingSql = "select nr from namefx where num = ?";

// Runs one statement on the caller's query; the prepared statement is kept
// while the SQL text stays the same.
void OpenWith(store::Query& query, std::string_view sql, std::vector<store::Param> params) {
    query.Close();
    if (query.Sql() != sql) query.SetSql(std::string(sql));
    query.SetParams(std::move(params));
    query.Open();
}

// For each key of the text, the second column of the first word row whose zi
// is that key (no value for NULL); keys without a row are absent from the map.
std::map<std::string, std::optional<std::string>> LookUp(store::Query& query,
                                                         const std::string& sql,
                                                         const std::vector<std::string>& keys) {
    std::vector<std::string> distinct;
    for (const std::string& key : keys)
        if (std::find(distinct.begin(), distinct.end(), key) == distinct.end())
            distinct.push_back(key);
    std::map<std::string, std::optional<std::string>> found;
    for (size_t start = 0; start < distinct.size(); start += kBatch) {
        std::vector<store::Param> params(kBatch);  // NULL by default
        for (size_t i = 0; i < kBatch && start + i < distinct.size(); ++i)
            params[i] = distinct[start + i];
        OpenWith(query, sql, std::move(params));
        for (query.First(); !query.AtEnd(); query.Next()) {
            const std::string zi = query.FieldAt(0).AsText();
            if (found.count(zi)) continue;
            const store::Field value = query.FieldAt(1);
            found.emplace(
                zi, value.IsNull() ? std::nullopt : std::optional<std::string>(value.AsText()));
        }
    }
    return found;
}

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

int GetStrokeCount(store::Query& query, std::string_view text) {
    const std::vector<std::string> keys = CharacterKeys(text);
    const auto found = LookUp(query, StrokeSql(), keys);
    int total = 0;
    for (const std::string& key : keys) {
        auto it = found.find(key);
        if (it != found.end() && it->second) total += static_cast<int>(ToInteger(*it->second));
    }
    return total;
}

std::vector<std::string> CharactersWithoutStrokes(store::Query& query, std::string_view text) {
    const std::vector<std::string> characters = SplitChars(text);
    const auto found = LookUp(query, StrokeSql(), characters);
    std::vector<std::string> missing;
    for (const std::string& c : characters) {
        const auto it = found.find(c);
        const bool counted = it != found.end() && it->second && !Trim(*it->second).empty();
        if (!counted && std::find(missing.begin(), missing.end(), c) == missing.end())
            missing.push_back(c);
    }
    return missing;
}

std::string GetTraditionalForm(store::Query& query, std::string_view text) {
    const std::vector<std::string> keys = CharacterKeys(text);
    const auto found = LookUp(query, TraditionalSql(), keys);
    std::string result;
    for (const std::string& key : keys) {
        auto it = found.find(key);
        if (it != found.end() && it->second) result += FirstCharacter(Trim(*it->second));
    }
    return result;
}

std::string GetNameFxText(store::Query& query, long long number) {
    OpenWith(query, kReadingSql, {store::Param(std::to_string(NameNumber(number)))});
    return query.RowCount() > 0 ? query.FieldAt(0).AsText() : std::string();
}

}  // namespace velmora::numerology
