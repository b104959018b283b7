#include "naming/candidate_grid.h"

#include <algorithm>
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

RowDraw DefaultRowDraw() {
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    return [engine](int count) {
        return std::uniform_int_distribution<int>(1, count)(*engine);
    };
}

std::vector<GridRow> BuildNamePage(store::Query& result, const SearchState& state,
                                   std::string_view prefix, std::string_view suffix,
                                   const RowDraw& draw) {
    std::vector<GridRow> page;
    if (!result.IsOpen()) return page;
    const int count = result.RowCount();
    const bool random = count >= kPagedRowLimit;
    const std::string begin = Trim(prefix);
    const std::string end = Trim(suffix);
    const int shown = std::min(count, kGridPageRows);
    page.reserve(shown);
    for (int k = 1; k <= shown; ++k) {
        result.MoveTo(random ? draw(count) : k);
        const std::string zi = result.FieldByName("zi").AsText();
        const int bh = static_cast<int>(result.FieldByName("bh").AsInteger());
        const int fs = static_cast<int>(result.FieldByName("fs").AsInteger());
        const int total = bh + state.AffixBh;
        page.push_back({std::to_string(k), begin + zi + end,
                        state.PrefixFt + result.FieldByName("ft").AsText() + state.SuffixFt,
                        std::to_string(total), zi, result.FieldByName("wuhang").AsText(),
                        std::to_string(bh), std::to_string(state.SuffixBh),
                        std::to_string(fs + NameBonus(total))});
    }
    return page;
}

}  // namespace velmora::naming
