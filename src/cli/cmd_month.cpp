// velmora-cli month YYYY-M : one line per day of a Gregorian month, with what
// the calendar window's engine says of it and the text its grid cell shows.

#include <ostream>

#include "base/errors.h"
#include "calendar/month_calendar.h"
#include "cli/commands.h"

namespace velmora::cli {
namespace {

// "2012-2" or "2012-02": four-digit year, month 1..12.
bool ParseYearMonth(const std::string& text, int& year, int& month) {
    const size_t dash = text.find('-');
    if (dash != 4 || text.size() < 6 || text.size() > 7) return false;
    year = month = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == dash) continue;
        if (text[i] < '0' || text[i] > '9') return false;
        int& part = i < dash ? year : month;
        part = part * 10 + (text[i] - '0');
    }
    return year >= 1 && month >= 1 && month <= 12;
}

}  // namespace

int RunMonth(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: velmora-cli month YYYY-M\n";
        return 2;
    }
    int year = 0;
    int month = 0;
    if (!ParseYearMonth(args[0], year, month))
        throw ConversionError("'" + args[0] + "' 不是有效的年月（应为 yyyy-M，月份 1 到 12）");
    using namespace calendar;
    for (int day = 1; day <= DaysInMonthOf(year, month); ++day) {
        const CivilDate date{year, month, day};
        const CellText cell = GetCellText(date);
        out << year << '-' << month << '-' << day << '\t' << GetLunarCode(date) << '\t'
            << GetLunarMonthText(date) << '\t' << GetLunarDayText(date) << '\t'
            << GetSolarTermText(date) << '\t' << GetSolarHoliday(day, date) << '\t'
            << GetLunarHoliday(date) << '\t' << GetZodiacText(date) << '\t'
            << GetConstellation(date) << '\t' << cell.text << '\t' << CellKindName(cell.kind)
            << '\n';
    }
    return 0;
}

}  // namespace velmora::cli
