#include "dream_encoder.h"

namespace velmora::databuild {

std::string EncodeDreamText(std::string_view gbkBytes, std::uint16_t key, int passes) {
    std::string b(gbkBytes);
    const size_t length = b.size();
    const auto high = static_cast<unsigned char>(key >> 8);
    const auto low = static_cast<unsigned char>(key & 0xFF);
    auto at = [&b](size_t i) { return static_cast<unsigned char>(b[i]); };
    // The decoder's rounds run forward pass then backward pass; undo them in
    // reverse. Each decoded byte came from its neighbour's final value, which
    // is still in place when the bytes are undone in the opposite direction.
    for (int pass = 0; pass < passes && length > 1; ++pass) {
        for (size_t i = 0; i + 1 < length; ++i)
            b[i] = static_cast<char>(static_cast<unsigned char>(at(i) ^ low) - at(i + 1));
        for (size_t i = length - 1; i > 0; --i)
            b[i] = static_cast<char>(static_cast<unsigned char>(at(i) ^ high) - at(i - 1));
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(length * 2);
    for (unsigned char c : b) {
        hex.push_back(kDigits[c >> 4]);
        hex.push_back(kDigits[c & 0x0F]);
    }
    return hex;
}

}  // namespace velmora::databuild
