#pragma once
// The dream book (解梦大全): categories and dream titles from dream.db, and the
// interpretations, which the database keeps scrambled.
//
// A stored interpretation is the hexadecimal text of a byte string that went
// through chained add-and-xor passes; DecodeText undoes them and gives the
// GBK bytes of the text. FindDreamText looks a title up and returns the text
// as UTF-8; WriteDreamInterpretation puts it on a report sink, the same line
// for the dream page's memo and for velmora-cli. The tree and the search
// filter are plain values, so the page and the CLI share them.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/report_sink.h"
#include "store/query.h"

namespace velmora::tools {

// The key and the number of passes every stored text was scrambled with.
inline constexpr std::uint16_t kDreamKey = 4917;
inline constexpr int kDreamPasses = 7;

// Called once for every pair of characters that is no hexadecimal number;
// the desktop beeps.
using BadPairHandler = std::function<void()>;

// Two characters a byte (upper- or lower-case hex digits); a trailing odd
// character is ignored and a pair that is no hex number is skipped.
std::string HexToStr(std::string_view text, const BadPairHandler& onBadPair = {});

// The stored text turned back into its GBK bytes: HexToStr, then `passes`
// times a forward pass (b[i] = (b[i-1] + b[i]) xor high byte of the key, i
// rising) and a backward pass (b[i] = (b[i+1] + b[i]) xor low byte, i
// falling), each step using the value its neighbour already got.
std::string DecodeText(std::string_view stored, std::uint16_t key, int passes,
                       const BadPairHandler& onBadPair = {});

struct DreamCategory {
    std::string id;                   // ZMID, the key of its titles
    std::string name;                 // ZMCLASS, trimmed
    std::vector<std::string> titles;  // trimmed, in the order the database keeps them
};
using DreamTree = std::vector<DreamCategory>;

// Every category in ascending ZMID with its titles. `categories` and
// `titles` are query objects bound to dream.db; both are closed afterwards.
// A database that cannot be read raises DatabaseError.
DreamTree LoadDreamTree(store::Query& categories, store::Query& titles);

// The decoded interpretation of the first dream with exactly this title,
// as UTF-8; nullopt when no dream has it. Raises DatabaseError.
std::optional<std::string> FindDreamText(store::Query& texts, std::string_view title,
                                         const BadPairHandler& onBadPair = {});

// Clears the sink and, for a found text, adds it as one line after four blanks.
void WriteDreamInterpretation(ReportSink& sink, const std::optional<std::string>& text);

// The tree as the search box shows it for `needle`: a category whose name
// contains it keeps all its titles, any other keeps the titles that contain
// it and is dropped when none does. An empty needle keeps the whole tree.
DreamTree FilterDreamTree(const DreamTree& tree, std::string_view needle);

// The title a search for `needle` opens in `tree`: the title equal to it,
// else the first title in tree order; nullopt for a tree without titles.
std::optional<std::string> FirstMatch(const DreamTree& tree, std::string_view needle);

// The titles that contain `needle`, in tree order.
std::vector<std::string> TitlesContaining(const DreamTree& tree, std::string_view needle);

}  // namespace velmora::tools
