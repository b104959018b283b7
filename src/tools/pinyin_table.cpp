#include "tools/pinyin_table.h"

namespace velmora::tools {

std::string_view PinyinSyllable(unsigned char lead, unsigned char trail) {
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE) return {};
    const std::uint16_t position =
        PinyinIndexTable[(lead - 0x81) * kPinyinTrailCount + (trail - 0x40)];
    return position < PinyinSyllables.size() ? PinyinSyllables[position] : std::string_view{};
}

}  // namespace velmora::tools
