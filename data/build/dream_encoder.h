#pragma once
// The inverse of the program's DecodeText: scrambles the GBK bytes of a dream
// interpretation into the hexadecimal text stored in JMTable.CONENT. Only the
// builder encodes; the program only decodes.

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::databuild {

// Upper-case hex, two digits a byte, of `gbkBytes` after `passes` inverse
// rounds with `key`; DecodeText(result, key, passes) gives `gbkBytes` back.
std::string EncodeDreamText(std::string_view gbkBytes, std::uint16_t key, int passes);

}  // namespace velmora::databuild
