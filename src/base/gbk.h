#pragma once
// The one place where text crosses between UTF-8 (used everywhere inside the
// program) and GBK (code page 936), whose byte semantics define edit limits,
// byte positions, 2-byte character keys and the bytes of saved report files.

#include <string>
#include <string_view>
#include <vector>

namespace velmora::gbk {

// UTF-8 -> GBK bytes. A character GBK lacks becomes '?', so lengths stay defined.
std::string Encode(std::string_view utf8);

// GBK bytes -> UTF-8. A broken byte sequence becomes U+FFFD.
std::string Decode(std::string_view gbk_bytes);

// Length of the text in GBK bytes: ASCII 1, a Chinese character 2.
int ByteLength(std::string_view utf8);

// Bytes [start, start + count) of the GBK form, start counted from 1, clamped
// like a classic Copy(); returned as UTF-8. A slice that cuts a character in
// half keeps the half as '?' so the caller still sees a non-empty piece.
std::string ByteSlice(std::string_view utf8, int start, int count);

// The text cut into keys of two GBK bytes (one Chinese character each).
// A trailing odd byte forms a key of its own.
std::vector<std::string> TwoByteKeys(std::string_view utf8);

// The longest prefix of the text that fits in max_bytes GBK bytes without
// splitting a character; edit limits use it.
std::string TruncateToBytes(std::string_view utf8, int max_bytes);

}  // namespace velmora::gbk
