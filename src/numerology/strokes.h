#pragma once
// Lookups in the character dictionary and the name-number readings. Each takes
// a query object the calling window owns: bound to Vudazod.db (table word)
// for strokes, traditional forms and elements, to KelFile.db (table namefx)
// for readings. The columns of `word` the lookups use are read into memory
// once per file (keys are whole texts, so a quote in a name is an ordinary
// character); a reading runs its statement on the query and leaves it open.
// Database errors (missing file or table, time-out) propagate as
// DatabaseError.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/query.h"

namespace velmora::numerology {

// The character keys of a text, cut by GBK bytes: a text of at most two bytes
// is one key (also the empty text); a longer one gives its 2-byte pieces from
// the start, dropping a last odd byte. A text that mixes ASCII and Chinese is
// cut out of step and its keys match no character.
std::vector<std::string> CharacterKeys(std::string_view text);

// The columns bh, ft and wuhang of `word` in memory, each character's first
// row. A run of lookups takes the dictionary once (Of) and asks it; the
// functions below take it for each call.
class Dictionary {
  public:
    // The dictionary of the file `query` is bound to, read once per file.
    static std::shared_ptr<const Dictionary> Of(const store::Query& query);
    static Dictionary Read(const std::string& connection);

    // The sum of word.bh over the keys of the text; a key word lacks counts 0.
    int StrokeCount(std::string_view text) const;
    // The traditional forms of the keys joined: for each key the first
    // character of its trimmed word.ft; a key word lacks contributes nothing.
    std::string TraditionalForm(std::string_view text) const;
    // The trimmed word.wuhang of a character; empty when word lacks it.
    std::string Element(std::string_view character) const;
    // The characters of the text (each once, in order) that have no stroke
    // count: no word row, or an empty bh. Every character outside GBK and
    // every ASCII character is among them, as none has a row.
    std::vector<std::string> CharactersWithoutStrokes(std::string_view text) const;

  private:
    // A piece of texts_.
    struct Text {
        std::uint32_t offset = 0, length = 0;
    };
    // Kept small: twenty thousand of them are read by every process that
    // counts a stroke.
    struct Entry {
        Text zi;
        Text ft;      // first character of the trimmed form
        Text wuhang;  // trimmed
        long long bh = 0;
        bool hasBh = false;  // false for NULL
        bool hasFt = false;  // false for NULL
        bool badBh = false;  // the stored count is no integer: badCounts_ holds its text
    };
    std::string_view View(Text t) const { return {texts_.data() + t.offset, t.length}; }
    const Entry* Find(std::string_view key) const;

    std::vector<Entry> entries_;  // sorted by zi, one per character
    std::string texts_;
    std::unordered_map<std::string, std::string> badCounts_;  // zi -> stored text
};

// The sum of word.bh over the keys of the text; a key word lacks counts 0.
int GetStrokeCount(store::Query& query, std::string_view text);

// The traditional forms of the keys joined: for each key the first character of
// its trimmed word.ft; a key word lacks contributes nothing.
std::string GetTraditionalForm(store::Query& query, std::string_view text);

// The namefx reading of NameNumber(number); the empty text when it has none.
std::string GetNameFxText(store::Query& query, long long number);

}  // namespace velmora::numerology
