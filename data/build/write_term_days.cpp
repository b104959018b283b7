// velmora-termdays [OUTPUT]
// Writes src/calendar/solar_term_days.h: the days of the 24 solar terms of
// 1901..2050 for the month calendar, packed one byte per month, from the same
// solar-position code that fills the JQ table (so the calendar window and the
// four-pillars engine agree on every term day). Without OUTPUT the header goes
// to standard output. A summary of the term days goes to standard error.

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "base/dates.h"
#include "calendar/lunar_calendar.h"
#include "solar_terms.h"

using namespace velmora;

namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
constexpr int kYears = kLastYear - kFirstYear + 1;

// Civil day of month, China Standard Time, of term 0 (小寒) .. 23 (冬至).
using TermDays = std::array<std::array<int, 24>, kYears>;

TermDays ComputeTermDays() {
    TermDays days{};
    for (int year = kFirstYear; year <= kLastYear; ++year)
        for (int term = 0; term < 24; ++term) {
            const CivilDate civil = CivilFromDate(databuild::SolarTermInstantCst(year, term));
            if (civil.year != year || civil.month != term / 2 + 1)
                throw std::runtime_error("term " + std::to_string(term) + " of " +
                                         std::to_string(year) + " leaves its month");
            days[year - kFirstYear][term] = civil.day;
        }
    return days;
}

// High nibble: 15 - day of the first term; low nibble: day of the second - 15.
// A day that a nibble cannot hold stops the tool rather than wrap.
int PackMonth(int firstDay, int secondDay) {
    const int high = 15 - firstDay;
    const int low = secondDay - 15;
    if (high < 1 || high > 15 || low < 0 || low > 15)
        throw std::runtime_error("term days " + std::to_string(firstDay) + " and " +
                                 std::to_string(secondDay) + " do not fit the byte layout");
    return high * 16 + low;
}

std::string Header(const TermDays& days) {
    std::ostringstream out;
    out << "#pragma once\n"
           "// Written by velmora-termdays (data/build/write_term_days.cpp); do not edit.\n"
           "// The days of the 24 solar terms of 1901..2050, civil dates in China\n"
           "// Standard Time, from the solar-position code that fills the JQ table.\n"
           "// One byte per year and month: the month's first term falls on day\n"
           "// 15 - (byte / 16), its second on day 15 + (byte % 16).\n"
           "\n"
           "#include <array>\n"
           "#include <cstdint>\n"
           "\n"
           "namespace velmora::calendar {\n"
           "\n"
           "// clang-format off\n"
           "inline constexpr std::array<std::array<std::uint8_t, 12>, "
        << kYears << "> SolarTermDayTable = {{\n";
    for (int y = 0; y < kYears; ++y) {
        out << "    {";
        for (int m = 0; m < 12; ++m) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", PackMonth(days[y][2 * m], days[y][2 * m + 1]));
            out << (m ? ", " : "") << hex;
        }
        out << "},  // " << kFirstYear + y << '\n';
    }
    out << "}};\n"
           "// clang-format on\n"
           "\n"
           "}  // namespace velmora::calendar\n";
    return out.str();
}

// How the days spread: per term its range, its most frequent day and the
// years off that day; and the days on which the closed formula of the lunar
// calendar core (SolarTermMoment) puts a term elsewhere.
void Summary(const TermDays& days, std::ostream& out) {
    int outside = 0, offUsual = 0, formulaDiffers = 0;
    for (int term = 0; term < 24; ++term) {
        std::map<int, int> count;
        for (int y = 0; y < kYears; ++y) {
            const int day = days[y][term];
            ++count[day];
            const bool first = term % 2 == 0;
            if (first ? (day < 3 || day > 9) : (day < 18 || day > 24)) {
                ++outside;
                out << "outside 3..9 / 18..24: " << kFirstYear + y << " "
                    << calendar::SolarTermNames[term] << " on day " << day << '\n';
            }
            const CivilDate formula =
                CivilFromDate(calendar::SolarTermMoment(kFirstYear + y, term));
            if (formula.day != day) ++formulaDiffers;
        }
        const auto usual = std::max_element(count.begin(), count.end(),
                                            [](auto& a, auto& b) { return a.second < b.second; });
        offUsual += kYears - usual->second;
        out << calendar::SolarTermNames[term] << "\tmonth " << term / 2 + 1 << "\tdays "
            << count.begin()->first << ".." << count.rbegin()->first << "\tusually " << usual->first
            << "\toff it in " << kYears - usual->second << " years\n";
    }
    out << "term days: " << kYears * 24 << "; outside 3..9 / 18..24: " << outside
        << "; off their term's usual day: " << offUsual
        << "; on another day by the closed formula: " << formulaDiffers << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: velmora-termdays [OUTPUT]\n";
        return 2;
    }
    try {
        const TermDays days = ComputeTermDays();
        const std::string header = Header(days);
        Summary(days, std::cerr);
        if (argc == 1) {
            std::cout << header;
            return 0;
        }
        std::ofstream file(argv[1], std::ios::binary);
        file << header;
        file.close();
        if (!file) {
            std::cerr << "velmora-termdays: cannot write " << argv[1] << '\n';
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << "velmora-termdays: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
