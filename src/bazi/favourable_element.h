#pragma once
// The owner's favourable elements (喜用神), shared by the bazi report and the
// company-name analysis.
//
// Rule: the day stem's element is the day master. Each of the eight pillar
// characters whose element is the day master's own (比劫) or the one that
// produces it (印) supports the day master; every other character (the
// element it produces, the one it controls, the one that controls it) drains
// it. Five or more supporters out of eight make the day master strong: it is
// balanced by the element it produces (食伤, carrying its surplus off) and the
// one it controls (财). Four or fewer make it weak: it is balanced by the
// element that produces it and by its own element. Characters without a known
// element count on neither side.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::bazi {

struct FavourableReading {
    std::string DayMaster;  // element of the day stem, empty when unknown
    int Support = 0;        // characters on the day master's side (itself included)
    int Drain = 0;          // characters against it
    bool Strong = false;
    std::vector<std::string> Elements;  // the favourable elements, most useful first
};

// The elements produced by and controlling each element, in 木火土金水 terms.
std::string_view ProducedBy(std::string_view element);  // 木 -> 水
std::string_view Produces(std::string_view element);    // 木 -> 火
std::string_view Controls(std::string_view element);    // 木 -> 土

// elements: the element words of year stem, year branch, month stem, month
// branch, day stem, day branch, hour stem and hour branch.
FavourableReading JudgeFavourable(const std::array<std::string, 8>& elements);

// "喜用神：日主庚金偏旺（扶助5个，克泄耗3个），宜取水、木" and the like.
std::string FavourableLine(const FavourableReading& reading, std::string_view dayStem);

}  // namespace velmora::bazi
