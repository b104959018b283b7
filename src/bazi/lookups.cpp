#include "bazi/lookups.h"

#include <array>
#include <cstdio>

#include "base/errors.h"
#include "base/gbk.h"
#include "base/text.h"
#include "store/connection.h"
#include "store/query.h"
#include "store/table_cache.h"

namespace velmora::bazi {
namespace {

struct ConstellationRange {
    int fromMonth, fromDay, toMonth, toDay;
    std::string_view name;
};

// Tested in this order; both ends belong to the range.
constexpr std::array<ConstellationRange, 13> kConstellations = {{
    {12, 22, 12, 31, "摩羯座"},
    {1, 1, 1, 19, "摩羯座"},
    {1, 20, 2, 18, "水瓶座"},
    {2, 19, 3, 20, "双鱼座"},
    {3, 21, 4, 20, "白羊座"},
    {4, 21, 5, 20, "金牛座 "},
    {5, 21, 6, 21, "双子座"},
    {6, 22, 7, 22, "巨蟹座"},
    {7, 23, 8, 22, "狮子座"},
    {8, 23, 9, 22, "处女座"},
    {9, 23, 10, 22, "天秤座"},
    {10, 23, 11, 21, "天蝎座"},
    {11, 22, 12, 21, "射手座"},
}};

constexpr std::array<std::string_view, 5> kElements = {"金", "木", "水", "火", "土"};

// Keys of the tables compare like the fixed-width text of classic SQL
// engines: blanks at the end of a key do not count.
std::string_view WithoutTrailingBlanks(std::string_view key) {
    const size_t end = key.find_last_not_of(' ');
    return key.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

// Each key's first row (in file order) of a two-column query: key -> trimmed value.
std::unordered_map<std::string, std::string> KeyedTexts(store::Query& query, const char* sql) {
    std::unordered_map<std::string, std::string> texts;
    query.SetSql(sql);
    query.Scan([&](const store::ResultRows& row) {
        if (!row.FieldAt(1, 0).IsNull())
            texts.emplace(row.FieldAt(1, 0).AsText(), Trim(row.FieldAt(1, 1).AsText()));
    });
    return texts;
}

std::string Lookup(const std::unordered_map<std::string, std::string>& texts,
                   std::string_view key) {
    auto it = texts.find(std::string(WithoutTrailingBlanks(key)));
    return it == texts.end() ? std::string() : it->second;
}

}  // namespace

std::string ConstellationOf(DateValue date) {
    const int year = CivilFromDate(date).year;
    for (const ConstellationRange& r : kConstellations) {
        if (DaySerial(year, r.fromMonth, r.fromDay) <= date &&
            date <= DaySerial(year, r.toMonth, r.toDay))
            return std::string(r.name);
    }
    return {};
}

StemBranchTables StemBranchTables::Read(const std::string& connection) {
    store::Query query(connection, store::Query::kDefaultTimeout);
    StemBranchTables tables;
    query.SetSql("SELECT hz, wh FROM hzwh ORDER BY rowid");
    query.Scan([&](const store::ResultRows& row) {
        if (!row.FieldAt(1, 0).IsNull())
            tables.elements_.emplace_back(row.FieldAt(1, 0).AsText(),
                                          Trim(row.FieldAt(1, 1).AsText()));
    });
    tables.tenGods_ = KeyedTexts(query, "SELECT jiazi, ShiShen FROM Shishen ORDER BY rowid");
    tables.nayin_ = KeyedTexts(query, "SELECT jiazi, layin FROM jiazi ORDER BY rowid");
    return tables;
}

std::shared_ptr<const StemBranchTables> StemBranchTables::Current() {
    static store::TableCache<StemBranchTables> cache(&StemBranchTables::Read);
    return cache.Get(store::BuildConnectionString(store::DataFile::Tgcode));
}

std::string StemBranchTables::CharElement(std::string_view character) const {
    const std::string key = Trim(character);
    // An empty key would be contained in every row; it has no element.
    if (key.empty()) return {};
    for (const auto& [hz, wh] : elements_)
        if (hz.find(key) != std::string::npos) return wh;
    return {};
}

std::string StemBranchTables::TenGodOf(std::string_view pair) const {
    return Lookup(tenGods_, pair);
}

std::string StemBranchTables::NayinOf(std::string_view pillar) const {
    return Lookup(nayin_, pillar);
}

std::string CharElement(std::string_view character) {
    return StemBranchTables::Current()->CharElement(character);
}

std::string TenGodOf(std::string_view pair) { return StemBranchTables::Current()->TenGodOf(pair); }

std::string NayinOf(std::string_view pillar) {
    return StemBranchTables::Current()->NayinOf(pillar);
}

std::string ElementCountText(std::string_view elementLine) {
    constexpr std::array<int, 8> kPositions = {1, 3, 8, 10, 15, 17, 22, 24};
    std::array<int, 5> counts{};
    for (int position : kPositions) {
        const std::string piece = gbk::ByteSlice(elementLine, position, 2);
        for (size_t e = 0; e < kElements.size(); ++e)
            if (piece == kElements[e]) ++counts[e];
    }
    std::string text;
    for (size_t e = 0; e < kElements.size(); ++e) {
        if (e > 0) text += ", ";
        text += std::string(kElements[e]) + ":占" + std::to_string(counts[e]) + "个";
    }
    return text;
}

std::string ElementLine(const std::string_view (&characters)[8]) {
    const auto tables = StemBranchTables::Current();
    std::string line;
    for (int i = 0; i < 8; ++i) {
        if (i > 0 && i % 2 == 0) line += "   ";
        line += tables->CharElement(characters[i]);
    }
    return line;
}

std::string BoneWeightKey(double sum) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", sum);
    const std::string text = buffer;
    if (text.size() == 1) return text + "0";
    std::string key(1, text[0]);
    if (text.size() >= 3) key += text[2];
    return key;
}

namespace {

// The bone-weight tables of dream.db: the weights of year, month, day and hour
// (each key's first row) and the verse pair of each total.
struct BoneWeightTables {
    std::unordered_map<std::string, double> parts[4];
    std::unordered_map<std::string, std::pair<std::string, std::string>> verses;

    static BoneWeightTables Read(const std::string& connection) {
        store::Query query(connection, store::Query::kDefaultTimeout);
        BoneWeightTables tables;
        const char* partSql[4] = {
            "SELECT year, weight FROM chenggu1 ORDER BY rowid",
            "SELECT month2, weight FROM chenggu2 ORDER BY rowid",
            "SELECT day2, weight FROM chenggu3 ORDER BY rowid",
            "SELECT time, weight FROM chenggu4 ORDER BY rowid",
        };
        for (int i = 0; i < 4; ++i) {
            query.SetSql(partSql[i]);
            query.Scan([&](const store::ResultRows& row) {
                if (!row.FieldAt(1, 0).IsNull())
                    tables.parts[i].emplace(row.FieldAt(1, 0).AsText(),
                                            row.FieldAt(1, 1).AsNumber());
            });
        }
        query.SetSql("SELECT weight, content, content2 FROM chenggu ORDER BY rowid");
        query.Scan([&](const store::ResultRows& row) {
            if (!row.FieldAt(1, 0).IsNull())
                tables.verses.emplace(
                    row.FieldAt(1, 0).AsText(),
                    std::pair{Trim(row.FieldAt(1, 1).AsText()), Trim(row.FieldAt(1, 2).AsText())});
        });
        return tables;
    }
};

}  // namespace

std::optional<std::string> BoneWeightLine(std::string_view yearText, std::string_view monthText,
                                          std::string_view dayText, std::string_view hourText,
                                          int kind) {
    static store::TableCache<BoneWeightTables> cache(&BoneWeightTables::Read);
    const auto tables = cache.Get(store::BuildConnectionString(store::DataFile::Dream));
    const std::string_view keys[4] = {yearText, monthText, dayText, hourText};
    double sum = 0;
    for (int i = 0; i < 4; ++i) {
        auto it = tables->parts[i].find(std::string(keys[i]));
        if (it != tables->parts[i].end()) sum += it->second;
    }

    const std::string key = BoneWeightKey(sum);
    auto verse = tables->verses.find(key);
    if (verse == tables->verses.end()) return std::nullopt;

    switch (kind) {
        case 0: {
            std::string line = "你的骨重为：" + key.substr(0, 1) + "两";
            if (key.size() > 1 && key[1] != '0') line += key.substr(1, 1) + "钱";
            return line;
        }
        case 1:
            return "骨重诗评：" + verse->second.first;
        case 2:
            return "骨重解评：" + verse->second.second;
        default:
            return std::nullopt;
    }
}

}  // namespace velmora::bazi
