// velmora-cli solar YEAR MONTH DAY [--leap] : the Gregorian date of a lunar date.

#include <algorithm>
#include <climits>
#include <ostream>

#include "base/dates.h"
#include "base/text.h"
#include "calendar/lunar_calendar.h"
#include "cli/commands.h"

namespace velmora::cli {

int RunSolar(const Args& args, std::ostream& out, std::ostream& err) {
    Args numbers;
    bool leap = false;
    for (const std::string& a : args) {
        if (a == "--leap")
            leap = true;
        else
            numbers.push_back(a);
    }
    if (numbers.size() != 3) {
        err << "usage: velmora-cli solar YEAR MONTH DAY [--leap]\n";
        return 2;
    }
    // Numbers beyond 32 bits are no lunar date either; clamp them so the
    // message shows them out of range rather than wrapped.
    auto number = [](const std::string& text, std::string_view field) {
        return static_cast<int>(std::clamp<long long>(ToInteger(text, field), INT_MIN, INT_MAX));
    };
    calendar::LunarDate lunar;
    lunar.Year = number(numbers[0], "农历年");
    lunar.Month = number(numbers[1], "农历月");
    lunar.Day = number(numbers[2], "农历日");
    lunar.IsLeap = leap ? 1 : 0;
    // A lunar date without a solar day is a conversion error (exit 1).
    out << FormatDate(calendar::LunarToSolarChecked(lunar)) << '\n';
    return 0;
}

}  // namespace velmora::cli
