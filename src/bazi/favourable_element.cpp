#include "bazi/favourable_element.h"

namespace velmora::bazi {
namespace {

// The generating cycle 木 -> 火 -> 土 -> 金 -> 水 -> 木.
constexpr std::array<std::string_view, 5> kCycle = {"木", "火", "土", "金", "水"};

int CycleIndex(std::string_view element) {
    for (size_t i = 0; i < kCycle.size(); ++i)
        if (kCycle[i] == element) return static_cast<int>(i);
    return -1;
}

std::string_view Step(std::string_view element, int steps) {
    const int i = CycleIndex(element);
    if (i < 0) return {};
    return kCycle[static_cast<size_t>((i + steps) % 5)];
}

}  // namespace

std::string_view Produces(std::string_view element) { return Step(element, 1); }
std::string_view Controls(std::string_view element) { return Step(element, 2); }
std::string_view ProducedBy(std::string_view element) { return Step(element, 4); }

FavourableReading JudgeFavourable(const std::array<std::string, 8>& elements) {
    FavourableReading reading;
    reading.DayMaster = elements[4];
    if (CycleIndex(reading.DayMaster) < 0) {
        reading.DayMaster.clear();
        return reading;
    }
    const std::string_view mother = ProducedBy(reading.DayMaster);
    for (const std::string& e : elements) {
        if (CycleIndex(e) < 0) continue;
        if (e == reading.DayMaster || e == mother)
            ++reading.Support;
        else
            ++reading.Drain;
    }
    reading.Strong = reading.Support >= 5;
    if (reading.Strong)
        reading.Elements = {std::string(Produces(reading.DayMaster)),
                            std::string(Controls(reading.DayMaster))};
    else
        reading.Elements = {std::string(mother), reading.DayMaster};
    return reading;
}

std::string FavourableLine(const FavourableReading& reading, std::string_view dayStem) {
    if (reading.DayMaster.empty()) return "喜用神：日主五行不明，暂无法判断";
    std::string line = "喜用神：日主" + std::string(dayStem) + reading.DayMaster +
                       (reading.Strong ? "偏旺" : "偏弱") + "（扶助" +
                       std::to_string(reading.Support) + "个，克泄耗" +
                       std::to_string(reading.Drain) + "个），宜取";
    for (size_t i = 0; i < reading.Elements.size(); ++i) {
        if (i > 0) line += "、";
        line += reading.Elements[i];
    }
    return line;
}

}  // namespace velmora::bazi
