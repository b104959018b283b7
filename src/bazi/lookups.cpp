#include "bazi/lookups.h"

#include <array>
#include <cstdio>

#include "base/errors.h"
#include "base/gbk.h"
#include "base/text.h"
#include "store/connection.h"
#include "store/query.h"

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

constexpr const char* kElementSql =
    "SELECT wh FROM hzwh WHERE instr(hz, ?) > 0 ORDER BY rowid LIMIT 1";
// Keys compare like the fixed-width text of classic SQL engines: trailing
// blanks do not count, so the 胎元 text "丁巳 " finds its nayin.
constexpr const char* kTenGodSql = "SELECT ShiShen FROM Shishen WHERE jiazi = rtrim(?) LIMIT 1";
constexpr const char* kNayinSql = "SELECT layin FROM jiazi WHERE jiazi = rtrim(?) LIMIT 1";

// One keyed lookup: the first column of the first row, trimmed; empty for no
// row or any database error.
std::string LookupText(store::Query& query, const char* sql, std::string_view key) {
    try {
        query.Close();
        query.SetSql(sql);
        query.AddParam(std::string(key));
        query.Open();
        std::string text = query.RowCount() > 0 ? Trim(query.FieldAt(0).AsText()) : std::string();
        query.Close();
        return text;
    } catch (const std::exception&) {
        query.Close();
        return {};
    }
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

store::Query OpenTgcodeQuery() {
    return store::Query(store::BuildConnectionString(store::DataFile::Tgcode),
                        store::Query::kDefaultTimeout);
}

std::string CharElement(store::Query& tgcode, std::string_view character) {
    const std::string key = Trim(character);
    // An empty key would be contained in every row; it has no element.
    if (key.empty()) return {};
    return LookupText(tgcode, kElementSql, key);
}

std::string TenGodOf(store::Query& tgcode, std::string_view pair) {
    return LookupText(tgcode, kTenGodSql, pair);
}

std::string NayinOf(store::Query& tgcode, std::string_view pillar) {
    return LookupText(tgcode, kNayinSql, pillar);
}

std::string CharElement(std::string_view character) {
    store::Query query = OpenTgcodeQuery();
    return CharElement(query, character);
}

std::string TenGodOf(std::string_view pair) {
    store::Query query = OpenTgcodeQuery();
    return TenGodOf(query, pair);
}

std::string NayinOf(std::string_view pillar) {
    store::Query query = OpenTgcodeQuery();
    return NayinOf(query, pillar);
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
    store::Query query = OpenTgcodeQuery();
    std::string line;
    for (int i = 0; i < 8; ++i) {
        if (i > 0 && i % 2 == 0) line += "   ";
        line += CharElement(query, characters[i]);
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

std::optional<std::string> BoneWeightLine(std::string_view yearText, std::string_view monthText,
                                          std::string_view dayText, std::string_view hourText,
                                          int kind) {
    // Opening errors propagate as DatabaseError: the caller abandons its report.
    store::Query query(store::BuildConnectionString(store::DataFile::Dream),
                       store::Query::kDefaultTimeout);
    struct Part {
        const char* sql;
        std::string_view key;
    };
    const Part parts[] = {
        {"SELECT weight FROM chenggu1 WHERE year = ?", yearText},
        {"SELECT weight FROM chenggu2 WHERE month2 = ?", monthText},
        {"SELECT weight FROM chenggu3 WHERE day2 = ?", dayText},
        {"SELECT weight FROM chenggu4 WHERE time = ?", hourText},
    };
    double sum = 0;
    for (const Part& part : parts) {
        query.Close();
        query.SetSql(part.sql);
        query.AddParam(std::string(part.key));
        query.Open();
        if (query.RowCount() > 0) sum += query.FieldAt(0).AsNumber();
    }
    query.Close();

    const std::string key = BoneWeightKey(sum);
    query.SetSql("SELECT content, content2 FROM chenggu WHERE weight = ?");
    query.AddParam(key);
    query.Open();
    if (query.RowCount() == 0) return std::nullopt;

    switch (kind) {
        case 0: {
            std::string line = "你的骨重为：" + key.substr(0, 1) + "两";
            if (key.size() > 1 && key[1] != '0') line += key.substr(1, 1) + "钱";
            return line;
        }
        case 1:
            return "骨重诗评：" + Trim(query.FieldAt(0).AsText());
        case 2:
            return "骨重解评：" + Trim(query.FieldAt(1).AsText());
        default:
            return std::nullopt;
    }
}

}  // namespace velmora::bazi
