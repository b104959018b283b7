#include "numerology/shuli.h"

#include "base/text.h"

namespace velmora::numerology {

std::string ShuliText(const ShuliEntry& entry) {
    const PersonalityType& type = kPersonalityTypes.at(entry.personality - 1);
    std::string text;
    text.reserve(512);
    text.append(entry.phrase).append("|").append(LuckWord(entry.luck)).append("|");
    text.append("主人性格类型：[").append(type.name).append("]，其具体表现为：");
    text.append(type.description);
    return text;
}

ShuliParts SplitShuliText(std::string_view text) {
    ShuliParts parts;
    const size_t first = text.find('|');
    if (first != std::string_view::npos) {
        parts.phrase = text.substr(0, first);
        text.remove_prefix(first + 1);
    }
    const size_t second = text.find('|');
    if (second != std::string_view::npos) {
        parts.luck = text.substr(0, second);
        text.remove_prefix(second + 1);
    }
    parts.personality = text;
    return parts;
}

std::string GetShuliText(std::string_view number_text) {
    const long long number = ToInteger(number_text, "数字");
    if (number < 0) return std::string(kShuliApology);
    return ShuliText(ShuliTable[ShuliRow(number)]);
}

}  // namespace velmora::numerology
