#pragma once
// One page of the candidate grid built from the search's candidates: the full
// name with its affixes, the traditional form, strokes, elements and the total
// score (pattern score plus a bonus for the 81-number class of the total).

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "naming/candidate_search.h"

namespace velmora::naming {

// Totals (modulo 81) whose number is lucky: bonus 4.
inline constexpr std::array<int, 32> LuckyTotals = {0,  1,  3,  5,  7,  8,  11, 13, 15, 16, 18,
                                                    21, 23, 24, 25, 31, 32, 33, 35, 37, 39, 41,
                                                    45, 47, 48, 52, 57, 61, 63, 65, 67, 68};
// Totals (modulo 81) that are half lucky: bonus 3. Any other total: 2.
inline constexpr std::array<int, 14> HalfLuckyTotals = {6,  17, 26, 27, 29, 30, 38,
                                                        49, 51, 55, 58, 71, 73, 75};

int NameBonus(int total);

inline constexpr int kGridPageRows = 100;
inline constexpr int kGridColumns = 9;
using GridRow = std::array<std::string, kGridColumns>;

// Columns that hold whole numbers: 编号, 总体笔画, 主体笔画, 行业笔画, 总体评分.
inline constexpr std::array<bool, kGridColumns> kNumberColumns = {true,  false, false, true, false,
                                                                  false, true,  true,  true};
static_assert(kNumberColumns[0] && kNumberColumns[3] && kNumberColumns[8]);

// Sorts the rows of a page by one column, numbers by value, texts by their
// bytes; rows that compare equal keep their order.
void SortGridRows(std::vector<GridRow>& rows, int column, bool descending);

// Draws a result row uniformly from 1..count.
using RowDraw = std::function<int(int count)>;
RowDraw DefaultRowDraw();

// The rows of one page: with fewer than 200 candidates the first 100 in their
// order, otherwise 100 candidates drawn independently with `draw`. `prefix` and
// `suffix` are the affix edits as they are now; strokes and traditional forms
// of the affixes come from the state of the last search.
std::vector<GridRow> BuildNamePage(const std::vector<Candidate>& candidates,
                                   const SearchState& state,
                                   std::string_view prefix, std::string_view suffix,
                                   const RowDraw& draw);

}  // namespace velmora::naming
