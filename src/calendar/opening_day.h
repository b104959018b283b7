#pragma once
// Opening days (开张吉日): the days of the coming months on which a business
// may open, chosen by the owner's and the partners' birth pillars, the day's
// 建除 officer and the directions the user wants to keep clear.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/dates.h"
#include "base/report_sink.h"
#include "calendar/lunar_calendar.h"

namespace velmora::calendar {

struct OpeningDayPerson {
    std::string Role;  // "法人" or "合伙人"
    BirthInput Birth;  // only the date, calendar, hour and minute are read
};

enum class Direction { East, South, West, North };

struct OpeningDayInput {
    std::vector<OpeningDayPerson> Persons;
    std::array<bool, 4> AvoidDirection{};  // indexed by Direction
};

inline constexpr int kOpeningDaySpan = 90;  // days looked at, from the first day on
inline constexpr int kMaxOpeningDays = 12;  // days listed at most

// The first input problem as the message to show; none when the input is complete.
std::optional<std::string> CheckOpeningDayInput(const OpeningDayInput& input);

// The day's place in the sixty-day cycle, 0 = 甲子.
int DayCycleIndex(DateValue date);

// Writes the report for the days from first_day on: the first days of the
// span that pass every rule, each saying whether the almanac lists 开市 among
// its 宜; a day whose almanac avoids 开市 (or everything) is never proposed.
// The input must have passed CheckOpeningDayInput; a birth date that is no
// real day raises ConversionError, an almanac that cannot be read
// DatabaseError, and the sink is left as it was.
void WriteOpeningDays(const OpeningDayInput& input, DateValue first_day, ReportSink& sink);

}  // namespace velmora::calendar
