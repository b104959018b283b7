// velmora-cli pillars "yyyy-M-d H:m" SEX... : the four pillars and their
// derived values, one line per birth.

#include <iostream>

#include "base/dates.h"
#include "base/text.h"
#include "bazi/bazi_report.h"
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
    // Prints the line of one birth "date time sex"; false after a message.
    auto print = [&](const std::string& birth) {
        const size_t blank = birth.find_last_of(' ');
        const std::string moment_text =
            blank == std::string::npos ? birth : Trim(birth.substr(0, blank));
        const std::string sex = blank == std::string::npos ? "" : birth.substr(blank + 1);
        if (sex != "男" && sex != "女") {
            err << "velmora-cli pillars: '" << birth << "': the sex must be 男 or 女\n";
            return false;
        }
        const DateValue moment = ParseDateTime(moment_text, "出生时间");
        if (const auto message = calendar::CheckBirthYear(CivilFromDate(moment).year)) {
            err << *message << '\n';
            return false;
        }
        const bazi::FourPillars p = bazi::ComputeFourPillars(moment, sex);
        out << birth << '\t' << p.PillarsText() << '\t' << p.TaiYuan.Text() << '\t' << p.StartAge
            << '\t' << (p.Backward ? 'B' : 'F') << '\t' << bazi::LuckPillarsText(p) << '\t'
            << p.Hidden(0) << ' ' << p.Hidden(1) << ' ' << p.Hidden(2) << ' ' << p.Hidden(3)
            << '\n';
        return true;
    };

    // Each birth is "date time sex"; arguments come in pairs, stdin lines
    // whole, printed as they are read.
    if (args.size() == 1 && args[0] == "-") {
        bool ok = true;
        size_t births = 0;
        ForEachLine(std::cin, [&](const std::string& line) {
            if (!ok || Trim(line).empty()) return;
            ++births;
            ok = print(Trim(line));
        });
        if (!ok) return 2;
        if (births > 0) return 0;
    } else if (!args.empty() && args.size() % 2 == 0) {
        for (size_t i = 0; i < args.size(); i += 2)
            if (!print(Trim(args[i]) + " " + Trim(args[i + 1]))) return 2;
        return 0;
    }
    err << kUsage;
    return 2;
}

}  // namespace velmora::cli
