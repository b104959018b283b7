#include "base/text.h"

#include <charconv>

#include "base/errors.h"

namespace velmora {

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

}  // namespace

std::string Trim(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t begin = 0, end = text.size();
    for (;;) {
        if (begin < end && blank(text[begin]))
            ++begin;
        else if (text.substr(begin, end - begin).starts_with(kIdeographicSpace))
            begin += kIdeographicSpace.size();
        else
            break;
    }
    for (;;) {
        if (end > begin && blank(text[end - 1]))
            --end;
        else if (text.substr(begin, end - begin).ends_with(kIdeographicSpace))
            end -= kIdeographicSpace.size();
        else
            break;
    }
    return std::string(text.substr(begin, end - begin));
}

std::string FieldText(std::string_view field, std::string_view text) {
    return std::string(field) + "“" + std::string(text) + "”";
}

std::vector<std::string> SplitChars(std::string_view utf8) {
    std::vector<std::string> chars;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (i + len > utf8.size()) len = utf8.size() - i;
        chars.emplace_back(utf8.substr(i, len));
        i += len;
    }
    return chars;
}

std::optional<long long> ParseInteger(std::string_view text) {
    std::string trimmed = Trim(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty()) return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

long long ToInteger(std::string_view text, std::string_view field) {
    if (auto value = ParseInteger(text)) return *value;
    throw ConversionError(FieldText(field, text) + "不是有效的整数");
}

namespace {

// Length of the well-formed UTF-8 character at the start of the text, 0 when
// its bytes are none (overlong forms, surrogates and code points past U+10FFFF
// included).
size_t Utf8CharLength(std::string_view t) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(t[i]); };
    auto tail = [&](size_t i) { return i < t.size() && (byte(i) & 0xC0) == 0x80; };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return tail(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!tail(1) || !tail(2)) return 0;
        if (lead == 0xE0 && byte(1) < 0xA0) return 0;   // overlong
        if (lead == 0xED && byte(1) >= 0xA0) return 0;  // surrogate
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!tail(1) || !tail(2) || !tail(3)) return 0;
        if (lead == 0xF0 && byte(1) < 0x90) return 0;   // overlong
        if (lead == 0xF4 && byte(1) >= 0x90) return 0;  // past U+10FFFF
        return 4;
    }
    return 0;
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    while (!text.empty()) {
        const size_t length = Utf8CharLength(text);
        valid += length ? text.substr(0, length) : std::string_view("\uFFFD");
        text.remove_prefix(length ? length : 1);
    }
    return valid;
}

void RequireUtf8(std::string_view text, std::string_view field) {
    const std::string valid = ValidUtf8(text);
    if (valid != text) throw ConversionError(FieldText(field, valid) + "不是有效的UTF-8文本");
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            pieces.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return pieces;
}

}  // namespace velmora
