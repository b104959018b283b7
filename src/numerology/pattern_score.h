#pragma once
// The score of a stroke pattern: the stroke counts of the characters of a name
// body, in order. The numbers a pattern forms are each character's count, the
// running sums after the second, third... character short of the total, and
// the total; each number earns points by its luck class in ShuliTable:
//   吉 100, 吉带凶 75, 凶带吉 65, 凶 30.
// Two characters:        score = 0.6 total + 0.4 mean(counts)
// Three or four:         score = 0.5 total + 0.2 mean(running sums) + 0.3 mean(counts)
// rounded to the nearest integer. A pattern is worth proposing when its total
// is not 凶 and its score is at least kMinimumPatternScore. The data builder
// fills the gz and MZ tables with this rule.

#include <span>

#include "numerology/shuli.h"

namespace velmora::numerology {

inline constexpr int kMinimumPatternScore = 60;
inline constexpr int kMaximumPatternStrokes = 30;  // gz lists counts 1..30 per character

constexpr int LuckPoints(Luck luck) {
    switch (luck) {
        case Luck::Good:
            return 100;
        case Luck::GoodWithBad:
            return 75;
        case Luck::BadWithGood:
            return 65;
        case Luck::Bad:
            return 30;
    }
    return 0;
}

// Score of 2 to 4 stroke counts (each >= 1); other lengths give 0.
int PatternScore(std::span<const int> strokes);

bool PatternWorthProposing(std::span<const int> strokes);

}  // namespace velmora::numerology
