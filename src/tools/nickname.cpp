#include "tools/nickname.h"

#include "base/gbk.h"
#include "tools/pinyin_table.h"

namespace velmora::tools {
namespace {

bool IsAsciiLetterOrDigit(int c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// GBK row 0xA2: the value of each numeral, by trail byte from 0xA1; 0 where
// the row has no numeral. ⅰ-ⅹ at A1, ⒈-⒛ at B1, ⑴-⒇ at C5, ①-⑩ at D9,
// ㈠-㈩ at E5, Ⅰ-Ⅻ at F1.
constexpr std::array<unsigned char, 0xFF - 0xA1> kNumeralValues = [] {
    std::array<unsigned char, 0xFF - 0xA1> values{};
    auto run = [&](int first_trail, int count) {
        for (int i = 0; i < count; ++i)
            values[first_trail - 0xA1 + i] = static_cast<unsigned char>(i + 1);
    };
    run(0xA1, 10);
    run(0xB1, 20);
    run(0xC5, 20);
    run(0xD9, 10);
    run(0xE5, 10);
    run(0xF1, 12);
    return values;
}();
static_assert(kNumeralValues[0xAA - 0xA1] == 10 && kNumeralValues[0xAB - 0xA1] == 0);
static_assert(kNumeralValues[0xE2 - 0xA1] == 10 && kNumeralValues[0xE3 - 0xA1] == 0);
static_assert(kNumeralValues[0xFC - 0xA1] == 12 && kNumeralValues[0xFD - 0xA1] == 0);

// GBK row 0xA6: the Greek letters in alphabet order, capitals at A1-B8 and
// small letters at C1-D8, written in Latin capitals.
constexpr std::array<std::string_view, 24> kGreekLetters = {
    "A", "B", "G", "D", "E", "Z", "E", "TH", "I",  "K",  "L",  "M",
    "N", "X", "O", "P", "R", "S", "T", "U",  "PH", "KH", "PS", "O"};

// The piece of one double-byte character.
std::string DoubleBytePiece(unsigned char lead, unsigned char trail) {
    switch (lead) {
        case 0xA2:
            if (trail < 0xA1) return "?";
            if (trail == 0xFF || kNumeralValues[trail - 0xA1] == 0) return {};
            return std::to_string(kNumeralValues[trail - 0xA1]);
        case 0xA3: {
            const int ascii = trail - 0x80;  // full-width ASCII
            return IsAsciiLetterOrDigit(ascii) ? std::string(1, static_cast<char>(ascii))
                                               : std::string{};
        }
        case 0xA6:
            if (trail >= 0xA1 && trail <= 0xB8) return std::string(kGreekLetters[trail - 0xA1]);
            if (trail >= 0xC1 && trail <= 0xD8) return std::string(kGreekLetters[trail - 0xC1]);
            return "?";
        default: {
            const std::string_view syllable = PinyinSyllable(lead, trail);
            return syllable.empty() ? "?" : std::string(1, UpperAscii(syllable.front()));
        }
    }
}

}  // namespace

std::string PinyinInitials(std::string_view gbk) {
    std::string initials;
    for (size_t i = 0; i < gbk.size();) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        const bool has_trail = i + 1 < gbk.size() && static_cast<unsigned char>(gbk[i + 1]) >= 0x40;
        if (lead < 0x81 || !has_trail) {
            if (IsAsciiLetterOrDigit(lead)) initials += UpperAscii(static_cast<char>(lead));
            i += 1;
            continue;
        }
        initials += DoubleBytePiece(lead, static_cast<unsigned char>(gbk[i + 1]));
        i += 2;
    }
    return initials;
}

NicknameReading ReadNickname(std::string_view nickname) {
    NicknameReading reading;
    if (nickname.empty()) return reading;
    reading.initials = PinyinInitials(gbk::Encode(nickname));
    for (char& c : reading.initials) c = DigitLetter(c);
    if (reading.initials.empty()) return reading;
    char last = reading.initials.back();
    if (last >= 'A' && last <= 'Z') last = static_cast<char>(last - 'A' + 'a');
    reading.letter = std::string(1, last);
    if (last >= 'a' && last <= 'z') reading.text = NicknameTexts[last - 'a'];
    return reading;
}

std::string GetNicknameText(std::string_view nickname) {
    return std::string(ReadNickname(nickname).text);
}

}  // namespace velmora::tools
