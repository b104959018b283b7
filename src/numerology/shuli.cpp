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

std::string GetShuliText(std::string_view number_text) {
    const long long number = ToInteger(number_text, "数字");
    if (number < 0) return std::string(kShuliApology);
    return ShuliText(ShuliTable[ShuliRow(number)]);
}

}  // namespace velmora::numerology
