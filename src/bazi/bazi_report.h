#pragma once
// The bazi reading (批八字) of an owner: validation of the owner panel's input
// and the report itself, line by line, into any report sink. The owner values
// (name, age, birth line, lunar text, zodiac, constellation) are shared with
// the company-name analysis, whose first lines read the same.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/dates.h"
#include "base/report_sink.h"
#include "bazi/four_pillars.h"
#include "bazi/lookups.h"
#include "calendar/lunar_calendar.h"
#include "store/query.h"

namespace velmora::bazi {

// The control a validation message sends the user back to.
enum class InputFocus { None, Surname, GivenName, MainBody };

struct InputProblem {
    std::string Message;
    InputFocus Focus = InputFocus::None;
};

// The owner's values printed at the top of both reports. Computing them
// raises ConversionError for a date or hour text that does not convert,
// including a lunar date that has no solar day in the calendar's table.
struct OwnerValues {
    std::string Name;  // trimmed surname + trimmed given name
    calendar::SolarBirthDate Solar;
    DateValue Birth = 0;  // the solar birth date
    calendar::LunarDate Lunar;
    int Hour = 0;
    int Age = 0;  // calendar years between the birth year and nowYear
    std::string LunarText;
    std::string Zodiac;
    std::string Star;
    std::string BirthLine;  // "您出生公历：1980年01月01日0点0分"
};
OwnerValues ComputeOwnerValues(const calendar::BirthInput& input, int nowYear);

// The first failing check of the bazi page, in the order the user fills the
// panel; nullopt when the input may be reported.
std::optional<InputProblem> ValidateBaziInput(const calendar::BirthInput& input);

// Writes the bazi report of a valid input into the sink as one finished
// text: the lines are collected first and the sink is cleared and filled only
// at the end. Returns the validation problem instead, leaving the sink alone.
// Raises ConversionError for texts that do not convert and DatabaseError for
// a database that cannot be read; the sink is untouched then.
std::optional<InputProblem> WriteBaziReport(const calendar::BirthInput& input, ReportSink& sink,
                                            int nowYear);

// The lines of the report, for callers that want them without a sink.
std::vector<std::string> BaziReportLines(const calendar::BirthInput& input, int nowYear);

// The lines both reports print from the pillars, in the order they print
// them, with the element words they judge.
struct PillarLines {
    std::string TenGods;                      // "十神：伤官   劫财   日元   比肩"
    std::string Pillars;                      // "八字：庚申   戊寅   己未   己巳"
    std::array<std::string, 8> ElementWords;  // element of each pillar character
    std::string ElementLine;                  // "金金   土木   土土   土火"
    std::string Elements;                     // "五行：" + ElementLine
    std::string Nayin;                        // "纳音：" + the four pillars' nayin
};
PillarLines PillarLinesOf(const StemBranchTables& tables, const FourPillars& pillars);

// The luck pillars joined by three blanks: "戊寅   己卯   ...".
std::string LuckPillarsText(const FourPillars& pillars);
// "纳音：" + the nayin of each luck pillar followed by a blank.
std::string LuckNayinLine(const StemBranchTables& tables, const FourPillars& pillars);
// "十神：" + the ten god of each luck pillar's stem followed by three blanks.
std::string LuckTenGodLine(const StemBranchTables& tables, const FourPillars& pillars);

// "03岁", "12岁".
std::string AgeLabel(int years);

// The frame line of the report headers: "<", 81 "=", ">".
std::string FrameLine();

}  // namespace velmora::bazi
