#include "tools/dream_book.h"

#include "base/errors.h"
#include "base/gbk.h"
#include "base/text.h"

namespace velmora::tools {
namespace {

constexpr const char* kCategoriesSql = "SELECT ZMID, ZMCLASS FROM Tclass ORDER BY ZMID ASC";
constexpr const char* kTitlesSql = "SELECT TITLE FROM JMTable WHERE CLASEID = ? ORDER BY ID";
constexpr const char* kTextSql = "SELECT CONENT FROM JMTable WHERE TITLE = ? ORDER BY ID LIMIT 1";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Opens a query on dream.db; a failure names the file in the message.
void OpenDreamQuery(store::Query& query) {
    try {
        query.Open();
    } catch (const DatabaseError& e) {
        query.Close();
        throw DatabaseError(std::string("解梦数据库 dream.db 读取失败：") + e.what());
    }
}

bool Contains(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

}  // namespace

std::string HexToStr(std::string_view text, const BadPairHandler& onBadPair) {
    std::string bytes;
    bytes.reserve(text.size() / 2);
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) {
            if (onBadPair) onBadPair();
            continue;
        }
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

std::string DecodeText(std::string_view stored, std::uint16_t key, int passes,
                       const BadPairHandler& onBadPair) {
    std::string b = HexToStr(stored, onBadPair);
    const size_t length = b.size();
    if (length < 2) return b;  // no neighbours: every pass leaves the byte alone
    const auto high = static_cast<unsigned char>(key >> 8);
    const auto low = static_cast<unsigned char>(key & 0xFF);
    auto at = [&b](size_t i) { return static_cast<unsigned char>(b[i]); };
    for (int pass = 0; pass < passes; ++pass) {
        for (size_t i = 1; i < length; ++i)
            b[i] = static_cast<char>(static_cast<unsigned char>(at(i - 1) + at(i)) ^ high);
        for (size_t i = length - 1; i-- > 0;)
            b[i] = static_cast<char>(static_cast<unsigned char>(at(i + 1) + at(i)) ^ low);
    }
    return b;
}

DreamTree LoadDreamTree(store::Query& categories, store::Query& titles) {
    DreamTree tree;
    categories.Close();
    categories.SetSql(kCategoriesSql);
    OpenDreamQuery(categories);
    for (categories.First(); !categories.AtEnd(); categories.Next()) {
        DreamCategory category{
            Trim(categories.FieldAt(0).AsText()), Trim(categories.FieldAt(1).AsText()), {}};
        titles.Close();
        titles.SetSql(kTitlesSql);
        titles.AddParam(category.id);
        OpenDreamQuery(titles);
        for (titles.First(); !titles.AtEnd(); titles.Next())
            category.titles.push_back(Trim(titles.FieldAt(0).AsText()));
        tree.push_back(std::move(category));
    }
    categories.Close();
    titles.Close();
    return tree;
}

std::optional<std::string> FindDreamText(store::Query& texts, std::string_view title,
                                         const BadPairHandler& onBadPair) {
    texts.Close();
    texts.SetSql(kTextSql);
    texts.AddParam(std::string(title));
    OpenDreamQuery(texts);
    std::optional<std::string> text;
    if (texts.RowCount() > 0) {
        const std::string stored = Trim(texts.FieldAt(0).AsText());
        text = gbk::Decode(DecodeText(stored, kDreamKey, kDreamPasses, onBadPair));
    }
    texts.Close();
    return text;
}

void WriteDreamInterpretation(ReportSink& sink, const std::optional<std::string>& text) {
    sink.Clear();
    if (text) sink.AppendLine("    " + *text);
}

DreamTree FilterDreamTree(const DreamTree& tree, std::string_view needle) {
    if (needle.empty()) return tree;
    DreamTree shown;
    for (const DreamCategory& category : tree) {
        if (Contains(category.name, needle)) {
            shown.push_back(category);
            continue;
        }
        DreamCategory kept{category.id, category.name, {}};
        for (const std::string& title : category.titles)
            if (Contains(title, needle)) kept.titles.push_back(title);
        if (!kept.titles.empty()) shown.push_back(std::move(kept));
    }
    return shown;
}

std::optional<std::string> FirstMatch(const DreamTree& tree, std::string_view needle) {
    std::optional<std::string> first;
    for (const DreamCategory& category : tree) {
        for (const std::string& title : category.titles) {
            if (title == needle) return title;
            if (!first) first = title;
        }
    }
    return first;
}

std::vector<std::string> TitlesContaining(const DreamTree& tree, std::string_view needle) {
    std::vector<std::string> found;
    for (const DreamCategory& category : tree)
        for (const std::string& title : category.titles)
            if (Contains(title, needle)) found.push_back(title);
    return found;
}

}  // namespace velmora::tools
