#include "numerology/strokes.h"

#include <algorithm>

#include "base/gbk.h"
#include "base/text.h"
#include "numerology/shuli.h"

namespace velmora::numerology {
namespace {

constexpr std::string_view kStrokeSql = "select bh from word where zi = ?";
constexpr std::string_view kTraditionalSql = "select ft from word where zi = ?";
constexpr std::string_view kReadingSql = "select nr from namefx where num = ?";

// Runs one keyed lookup; the prepared statement is kept while the SQL stays the same.
void OpenKeyed(store::Query& query, std::string_view sql, std::string key) {
    query.Close();
    if (query.Sql() != sql) query.SetSql(std::string(sql));
    query.SetParams({store::Param(std::move(key))});
    query.Open();
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
    int total = 0;
    for (std::string& key : CharacterKeys(text)) {
        OpenKeyed(query, kStrokeSql, std::move(key));
        if (query.RowCount() > 0) total += static_cast<int>(query.FieldAt(0).AsInteger());
    }
    return total;
}

std::string GetTraditionalForm(store::Query& query, std::string_view text) {
    std::string result;
    for (std::string& key : CharacterKeys(text)) {
        OpenKeyed(query, kTraditionalSql, std::move(key));
        if (query.RowCount() > 0) result += FirstCharacter(Trim(query.FieldAt(0).AsText()));
    }
    return result;
}

std::string GetNameFxText(store::Query& query, long long number) {
    OpenKeyed(query, kReadingSql, std::to_string(NameNumber(number)));
    return query.RowCount() > 0 ? query.FieldAt(0).AsText() : std::string();
}

}  // namespace velmora::numerology
