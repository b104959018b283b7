// velmora-cli pillars "yyyy-M-d H:m" SEX... : the four pillars and their
// derived values, one line per birth.

#include <ostream>

#include "base/dates.h"
#include "base/text.h"
#include "bazi/four_pillars.h"
#include "calendar/lunar_calendar.h"
#include "cli/commands.h"

namespace velmora::cli {
namespace {

constexpr const char* kUsage =
    "usage: velmora-cli pillars \"yyyy-M-d H:m\" SEX... (SEX 男 or 女; or - to read lines "
    "\"yyyy-M-d H:m SEX\" from standard input)\n";

}  // namespace

int RunPillars(const Args& args, std::ostream& out, std::ostream& err) {
    // Each birth is "date time sex"; arguments come in pairs, stdin lines whole.
    std::vector<std::string> births;
    if (args.size() == 1 && args[0] == "-") {
        for (const std::string& line : ArgsOrStdinLines(args))
            if (!Trim(line).empty()) births.push_back(Trim(line));
    } else {
        if (args.empty() || args.size() % 2 != 0) {
            err << kUsage;
            return 2;
        }
        for (size_t i = 0; i < args.size(); i += 2)
            births.push_back(Trim(args[i]) + " " + Trim(args[i + 1]));
    }
    if (births.empty()) {
        err << kUsage;
        return 2;
    }
    for (const std::string& birth : births) {
        const size_t blank = birth.find_last_of(' ');
        const std::string moment_text =
            blank == std::string::npos ? birth : Trim(birth.substr(0, blank));
        const std::string sex = blank == std::string::npos ? "" : birth.substr(blank + 1);
        if (sex != "男" && sex != "女") {
            err << "velmora-cli pillars: '" << birth << "': the sex must be 男 or 女\n";
            return 2;
        }
        const DateValue moment = ParseDateTime(moment_text, "出生时间");
        const CivilDate day = CivilFromDate(moment);
        const CivilTime time = TimeFromDate(moment);
        if (const auto message = calendar::CheckBirthYear(day.year)) {
            err << *message << '\n';
            return 2;
        }
        const bazi::FourPillars p =
            bazi::ComputeFourPillars(day.year, day.month, day.day, time.hour, time.minute, sex);
        out << birth << '\t' << p.PillarsText() << '\t' << Trim(p.TaiYuan) << '\t' << p.StartAge
            << '\t' << (p.Backward ? 'B' : 'F') << '\t' << p.LuckPillars << '\t' << p.YearHidden
            << ' ' << p.MonthHidden << ' ' << p.DayHidden << ' ' << p.HourHidden << '\n';
    }
    return 0;
}

}  // namespace velmora::cli
