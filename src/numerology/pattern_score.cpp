#include "numerology/pattern_score.h"

#include <cmath>

namespace velmora::numerology {

int PatternScore(std::span<const int> strokes) {
    const size_t count = strokes.size();
    if (count < 2 || count > 4) return 0;
    double counts = 0;
    double sums = 0;
    int running = 0;
    for (size_t i = 0; i < count; ++i) {
        counts += LuckPoints(LuckOf(strokes[i]));
        running += strokes[i];
        if (i >= 1 && i + 1 < count) sums += LuckPoints(LuckOf(running));
    }
    const double total = LuckPoints(LuckOf(running));
    counts /= static_cast<double>(count);
    const double score =
        count == 2 ? 0.6 * total + 0.4 * counts
                   : 0.5 * total + 0.2 * sums / static_cast<double>(count - 2) + 0.3 * counts;
    return static_cast<int>(std::lround(score));
}

bool PatternWorthProposing(std::span<const int> strokes) {
    int total = 0;
    for (int s : strokes) total += s;
    return LuckOf(total) != Luck::Bad && PatternScore(strokes) >= kMinimumPatternScore;
}

}  // namespace velmora::numerology
