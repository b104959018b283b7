#pragma once
// The three number tests. A mobile number reduces to a key whose verdict is
// read from dream.db's table shouji; a QQ number or any other number reduces
// modulo 81 to an entry of the built-in 81-number table. Each verdict is four
// texts: the number, its state, its luck word and the detailed reading.

#include <string>
#include <string_view>

namespace velmora::tools {

enum class NumberTest { Mobile, QQ, AnyNumber };

// What a window says when its edit is empty.
std::string_view EmptyNumberMessage(NumberTest test);

struct NumberVerdict {
    std::string number;
    std::string state;
    std::string luck;
    std::string reading;
    bool operator==(const NumberVerdict&) const = default;
};

// True for a text made of the digits 0 to 9 only (the empty text included):
// what the number edits accept.
bool IsDigitText(std::string_view text);

// The key of a mobile number: its characters from the 8th on (the last four
// digits of an 11-digit number) read as n, written as n mod 80. "0" when the
// number is shorter than 8 characters, when those characters are no decimal
// number, or when n is a multiple of 80.
std::string MobileNumberKey(std::string_view number);

// The verdict a window shows for its trimmed, non-empty edit text, which the
// edits keep to digits; any other text raises ConversionError.
// - Mobile: key "0" gives the fixed "超吉" verdict without a query; any other
//   key its row of shouji, each field trimmed, and empty texts when the table
//   has no such row. A database that cannot be read raises DatabaseError.
// - QQ and any number: the entry of the 81-number table (GetShuliText) for the
//   number's remainder modulo 81, taken from the digits themselves so a number
//   of any length finds its entry; 0 and 81 share the entry of 81.
NumberVerdict RunNumberTest(NumberTest test, std::string_view number);

}  // namespace velmora::tools
