// velmora-cli lunar DATE... : the lunar date, its text and the day's solar term.

#include <ostream>

#include "base/dates.h"
#include "calendar/lunar_calendar.h"
#include "cli/commands.h"

namespace velmora::cli {

int RunLunar(const Args& args, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> dates = ArgsOrStdinLines(args);
    if (dates.empty()) {
        err << "usage: velmora-cli lunar DATE... (yyyy-M-d, or - to read dates from standard "
               "input)\n";
        return 2;
    }
    for (const std::string& text : dates) {
        const DateValue date = ParseDate(text, "日期");
        const calendar::LunarDate lunar = calendar::SolarToLunar(date);
        out << text << '\t' << lunar.Year << '\t' << lunar.Month << '\t' << lunar.Day << '\t'
            << int{lunar.IsLeap} << '\t';
        // Outside the calendar's range both texts stay empty.
        if (lunar.Year != 0)
            out << calendar::LunarText(lunar) << '\t' << calendar::SolarTermOn(date);
        else
            out << '\t';
        out << '\n';
    }
    return 0;
}

}  // namespace velmora::cli
