#pragma once
// The candidate search behind 马上起名: which elements the owner's pillars
// lack, the affix strokes and traditional forms, and the combination of
// characters into bodies whose stroke counts form a scored pattern of `gz`.
// Each position's characters come from a query of their own (a random sample
// drawn by SQLite, every row of CYZI, or the fixed character's rows of `word`);
// the samples are then joined with the patterns in memory, which is what keeps
// a search of 100,000 result rows well under a tenth of a second.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "bazi/bazi_report.h"
#include "calendar/lunar_calendar.h"
#include "store/query.h"

namespace velmora::naming {

// What the naming page holds for a search (texts as typed; trimmed here).
struct SearchInput {
    calendar::BirthInput birth;  // Surname, SexText, DateKind, Year/Month/Day/Hour/MinuteText
    std::string Prefix;          // region prefix
    std::string Suffix;          // industry suffix
    int Length = 2;              // characters in the body: 2, 3 or 4
    std::array<std::string, 4> FixedChars;  // fixed characters of positions 1..4
};

// Kept by the naming page between searches; read when a page of the grid is filled.
struct SearchState {
    std::string MissingWuhang;  // 金木水火土 the pillars lack, cut to the body length
    std::vector<std::string> WuhangFilter;  // elements every body must contain (金木水火土 order)
    std::string PrefixFt;                   // traditional form of the prefix
    std::string SuffixFt;                   // traditional form of the suffix
    int SuffixBh = 0;                       // strokes of the suffix
    int AffixBh = 0;                        // strokes of suffix and prefix together
};

// The first owner input that is missing or out of range, with the edit the
// focus goes back to (the surname edit for a missing surname); none when all
// are there.
std::optional<bazi::InputProblem> CheckOwnerInput(const calendar::BirthInput& birth);

// Why a search does not run: an owner input (shown like every input message)
// or the fixed positions of the body (shown as a notice).
struct SearchStop {
    enum class Kind { OwnerInput, FixedPositions };
    Kind Reason = Kind::OwnerInput;
    bazi::InputProblem Problem;
};

// The elements (金, 木, 水, 火, 土 in this order) that none of the eight pillar
// characters of the owner's birth has. Raises ConversionError for a date or
// time that does not parse or does not exist.
std::string ComputeMissingWuhang(const calendar::BirthInput& birth);

// The elements of `missing`, in the order 金, 木, 水, 火, 土.
std::vector<std::string> BuildWuhangFilter(std::string_view missing);

// `missing` cut to its first `length` characters, trimmed.
std::string CutMissing(std::string_view missing, int length);

// The fixed characters of positions 1..length (trimmed; empty = free).
std::vector<std::string> FixedPositions(const SearchInput& input);

// The message when every position of the body is fixed; empty otherwise.
std::string AllFixedMessage(const SearchInput& input);

// Where the characters of one position of the body come from (two positions
// for a two-character name of MZ): a query run anew on every search.
struct CharacterSource {
    std::string Sql;
    std::vector<store::Param> Params;
    int Span = 1;
};

struct SearchPlan {
    std::vector<CharacterSource> Sources;  // in position order
    int RowLimit = 0;                      // joined rows kept at most; 0 = all of them
};

// The sources and row limit for the body length and its fixed positions
// (empty text = free).
SearchPlan PlanSearch(int length, const std::vector<std::string>& fixed);

// Steps before the query: checks the owner inputs, recomputes the state
// (missing elements, affixes on `strokes`, a query on Vudazod.db, filter) and
// checks the fixed positions. Returns what stops the search, or none when the
// query may run. Conversion errors propagate.
std::optional<SearchStop> PrepareSearch(const SearchInput& input, SearchState& state,
                                        store::Query& strokes);

// One body the search proposes: its characters, their elements and
// traditional forms (each empty where a character's data lacks it), the sum
// of its strokes and the score of the `gz` pattern its strokes form.
struct Candidate {
    std::string Body;
    std::string Elements;
    std::string Traditional;
    int Strokes = 0;
    int PatternScore = 0;
};

// The search on Vudazod.db: one candidate per combination of source rows and
// matching `gz` row (no defined order), at most the plan's row limit of them
// before the element filter drops the bodies that lack a missing element.
// Raises DatabaseError when the data cannot be read.
std::vector<Candidate> RunSearch(const SearchInput& input, const SearchState& state);

// More than this many rows enable 继续显示; from it on pages are random draws.
inline constexpr int kPagedRowLimit = 200;

}  // namespace velmora::naming
