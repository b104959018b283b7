#include "base/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace velmora::gbk {
namespace {

// One iconv conversion. Unconvertible or broken input is replaced by
// `replacement` (already in the target encoding) and conversion goes on.
std::string Convert(const char* to, const char* from, std::string_view in,
                    std::string_view replacement, size_t skip_width) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    std::string out;
    out.reserve(in.size() * 2 + 4);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char buffer[256];
    while (src_left > 0) {
        char* dst = buffer;
        size_t dst_left = sizeof buffer;
        size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buffer, dst - buffer);
        if (rc != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: replace the offending unit and skip it.
        out.append(replacement);
        size_t step = skip_width;
        if (skip_width == 0) {  // UTF-8 source: skip one whole sequence
            unsigned char lead = static_cast<unsigned char>(*src);
            step = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        }
        if (step > src_left) step = src_left;
        src += step;
        src_left -= step;
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string Encode(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8, "?", 0); }

std::string Decode(std::string_view gbk_bytes) {
    return Convert("UTF-8", "GBK", gbk_bytes, "\xEF\xBF\xBD", 1);
}

int ByteLength(std::string_view utf8) { return static_cast<int>(Encode(utf8).size()); }

std::string ByteSlice(std::string_view utf8, int start, int count) {
    const std::string bytes = Encode(utf8);
    const int size = static_cast<int>(bytes.size());
    if (start < 1) start = 1;
    if (count <= 0 || start > size) return {};
    if (count > size - start + 1) count = size - start + 1;
    std::string piece = bytes.substr(start - 1, count);
    // A lone half of a double-byte character cannot be decoded; show it as '?'.
    std::string fixed;
    for (size_t i = 0; i < piece.size();) {
        unsigned char c = static_cast<unsigned char>(piece[i]);
        if (c < 0x80) {
            fixed += piece[i];
            ++i;
        } else if (i + 1 < piece.size()) {
            fixed += piece.substr(i, 2);
            i += 2;
        } else {
            fixed += '?';
            ++i;
        }
    }
    // A slice that starts on a trail byte pairs it with the next lead byte;
    // Decode turns such a pair into U+FFFD rather than losing it.
    return Decode(fixed);
}

std::vector<std::string> TwoByteKeys(std::string_view utf8) {
    const std::string bytes = Encode(utf8);
    std::vector<std::string> keys;
    for (size_t i = 0; i < bytes.size(); i += 2) keys.push_back(Decode(bytes.substr(i, 2)));
    return keys;
}

std::string TruncateToBytes(std::string_view utf8, int max_bytes) {
    std::string out;
    int used = 0;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (i + len > utf8.size()) len = utf8.size() - i;
        std::string_view ch = utf8.substr(i, len);
        int width = ByteLength(ch);
        if (used + width > max_bytes) break;
        out.append(ch);
        used += width;
        i += len;
    }
    return out;
}

}  // namespace velmora::gbk
