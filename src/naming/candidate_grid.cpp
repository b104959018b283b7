#include "naming/candidate_grid.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <random>

#include "base/text.h"

namespace velmora::naming {

int NameBonus(int total) {
    const int r = (total % 81 + 81) % 81;
    if (std::find(LuckyTotals.begin(), LuckyTotals.end(), r) != LuckyTotals.end()) return 4;
    if (std::find(HalfLuckyTotals.begin(), HalfLuckyTotals.end(), r) != HalfLuckyTotals.end())
        return 3;
    return 2;
}

void SortGridRows(std::vector<GridRow>& rows, int column, bool descending) {
    const bool numbers = kNumberColumns.at(column);
    std::stable_sort(rows.begin(), rows.end(), [&](const GridRow& a, const GridRow& b) {
        const GridRow& first = descending ? b : a;
        const GridRow& second = descending ? a : b;
        if (numbers) {
            constexpr long long kBlank = std::numeric_limits<long long>::min();
            return ParseInteger(first[column]).value_or(kBlank) <
                   ParseInteger(second[column]).value_or(kBlank);
        }
        return first[column] < second[column];
    });
}

RowDraw DefaultRowDraw() {
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    return [engine](int count) { return std::uniform_int_distribution<int>(1, count)(*engine); };
}

std::vector<GridRow> BuildNamePage(const std::vector<Candidate>& candidates,
                                   const SearchState& state, std::string_view prefix,
                                   std::string_view suffix, const RowDraw& draw) {
    std::vector<GridRow> page;
    const int count = static_cast<int>(candidates.size());
    const bool random = count >= kPagedRowLimit;
    const std::string begin = Trim(prefix);
    const std::string end = Trim(suffix);
    const int shown = std::min(count, kGridPageRows);
    page.reserve(shown);
    for (int k = 1; k <= shown; ++k) {
        const Candidate& c = candidates[static_cast<size_t>((random ? draw(count) : k) - 1)];
        const int total = c.Strokes + state.AffixBh;
        page.push_back({std::to_string(k), begin + c.Body + end,
                        state.PrefixFt + c.Traditional + state.SuffixFt, std::to_string(total),
                        c.Body, c.Elements, std::to_string(c.Strokes),
                        std::to_string(state.SuffixBh),
                        std::to_string(c.PatternScore + NameBonus(total))});
    }
    return page;
}

}  // namespace velmora::naming
