#pragma once
// Small UTF-8 text helpers shared by the engines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Removes leading and trailing blanks and control characters (spaces, tabs, CR,
// LF) and full-width blanks (U+3000).
std::string Trim(std::string_view text);

// The text's Unicode characters, each as its own UTF-8 string.
std::vector<std::string> SplitChars(std::string_view utf8);

// Whole decimal number with optional sign and surrounding blanks; nullopt otherwise.
std::optional<long long> ParseInteger(std::string_view text);

// Like ParseInteger, but raises ConversionError "<field>“<text>”不是有效的整数".
// `field` names the input box the text came from ("出生分钟"); texts read
// from the databases have none.
long long ToInteger(std::string_view text, std::string_view field = {});

// "<field>“<text>”": how every conversion message names its field and text.
std::string FieldText(std::string_view field, std::string_view text);

// The text with every byte that is no part of a well-formed UTF-8 character
// replaced by U+FFFD, so messages never echo broken bytes.
std::string ValidUtf8(std::string_view text);

// Raises ConversionError "<field>“<text>”不是有效的UTF-8文本" (broken bytes
// shown as U+FFFD) when the text is no well-formed UTF-8.
void RequireUtf8(std::string_view text, std::string_view field);

// Splits on a single character, keeping empty pieces.
std::vector<std::string> Split(std::string_view text, char separator);

}  // namespace velmora
