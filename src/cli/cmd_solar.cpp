// velmora-cli solar YEAR MONTH DAY [--leap] : the Gregorian date of a lunar date.

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
    calendar::LunarDate lunar;
    lunar.Year = static_cast<int>(ToInteger(numbers[0]));
    lunar.Month = static_cast<int>(ToInteger(numbers[1]));
    lunar.Day = static_cast<int>(ToInteger(numbers[2]));
    lunar.IsLeap = leap ? 1 : 0;
    // An invalid lunar date gives 0001-01-01, as everywhere in the program.
    out << FormatDate(calendar::LunarToSolar(lunar)) << '\n';
    return 0;
}

}  // namespace velmora::cli
