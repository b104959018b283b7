#pragma once
// Small UTF-8 text helpers shared by the engines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Removes leading and trailing blanks and control characters (spaces, tabs, CR, LF).
std::string Trim(std::string_view text);

// The text's Unicode characters, each as its own UTF-8 string.
std::vector<std::string> SplitChars(std::string_view utf8);

// Whole decimal number with optional sign and surrounding blanks; nullopt otherwise.
std::optional<long long> ParseInteger(std::string_view text);

// Like ParseInteger, but raises ConversionError "'<text>' is not a valid integer value".
long long ToInteger(std::string_view text);

// Splits on a single character, keeping empty pieces.
std::vector<std::string> Split(std::string_view text, char separator);

}  // namespace velmora
