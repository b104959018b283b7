#pragma once
// Lookups in the character dictionary and the name-number readings. Each runs
// on a query object the calling window owns: bound to Vudazod.db (table word)
// for strokes and traditional forms, to KelFile.db (table namefx) for readings.
// Every call sets the query's SQL, binds the keys as parameters (a quote in a
// name is an ordinary character), opens it and leaves it open on its last
// statement. Database errors (missing file or table, time-out) propagate as
// DatabaseError.

#include <string>
#include <string_view>
#include <vector>

#include "store/query.h"

namespace velmora::numerology {

// The character keys of a text, cut by GBK bytes: a text of at most two bytes
// is one key (also the empty text); a longer one gives its 2-byte pieces from
// the start, dropping a last odd byte. A text that mixes ASCII and Chinese is
// cut out of step and its keys match no character.
std::vector<std::string> CharacterKeys(std::string_view text);

// The sum of word.bh over the keys of the text; a key word lacks counts 0.
int GetStrokeCount(store::Query& query, std::string_view text);

// The characters of the text (each once, in order) that have no stroke count
// in the dictionary: no word row, or an empty bh. Every character outside GBK
// and every ASCII character is among them, as none has a row.
std::vector<std::string> CharactersWithoutStrokes(store::Query& query, std::string_view text);

// The traditional forms of the keys joined: for each key the first character of
// its trimmed word.ft; a key word lacks contributes nothing.
std::string GetTraditionalForm(store::Query& query, std::string_view text);

// The namefx reading of NameNumber(number); the empty text when it has none.
std::string GetNameFxText(store::Query& query, long long number);

}  // namespace velmora::numerology
