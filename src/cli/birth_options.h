#pragma once
// The owner options shared by `velmora-cli analyze` and `velmora-cli bazi`:
// they build the same BirthInput as an owner panel of the desktop pages.
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "base/text.h"
#include "calendar/lunar_calendar.h"
#include "cli/commands.h"

namespace velmora::cli {

// "--name value" pairs; nullopt (after a message on err) for anything else
// or for a name outside `known`.
inline std::optional<std::map<std::string, std::string>> ParseOptions(
    const Args& args, std::initializer_list<std::string_view> known, std::ostream& err) {
    std::map<std::string, std::string> options;
    for (size_t i = 0; i < args.size(); i += 2) {
        const std::string& name = args[i];
        bool ok = name.size() > 2 && name.rfind("--", 0) == 0 && i + 1 < args.size();
        if (ok) {
            ok = false;
            for (std::string_view k : known) ok = ok || k == name;
        }
        if (!ok) {
            err << "velmora-cli: unexpected argument '" << name << "'\n";
            return std::nullopt;
        }
        options[name.substr(2)] = args[i + 1];
    }
    return options;
}

#define VELMORA_BIRTH_OPTIONS \
    "--surname", "--given", "--sex", "--calendar", "--date", "--hour", "--minute"

// The hour combo's text for an hour 0..23: its branch, a blank, the hour
// ("巳 10"); other texts pass unchanged, as a typed combo text would.
inline std::string HourComboText(const std::string& hour) {
    static constexpr const char* kBranchOfHour[24] = {
        "子", "丑", "丑", "寅", "寅", "卯", "卯", "辰", "辰", "巳", "巳", "午",
        "午", "未", "未", "申", "申", "酉", "酉", "戌", "戌", "亥", "亥", "子"};
    const std::optional<long long> h = ParseInteger(Trim(hour));
    if (!h || *h < 0 || *h > 23) return hour;
    return std::string(kBranchOfHour[*h]) + " " + std::to_string(*h);
}

// Fills a BirthInput from the options; nullopt after a message on err when
// --sex or --calendar carries a value the panel does not offer. Missing
// values stay empty so the report's own validation speaks about them.
inline std::optional<calendar::BirthInput> BirthFromOptions(std::map<std::string, std::string>& o,
                                                            std::ostream& err) {
    calendar::BirthInput in;
    in.Surname = o["surname"];
    in.GivenName = o["given"];
    in.SexText = o.count("sex") ? o["sex"] : "男";
    if (in.SexText != "男" && in.SexText != "女") {
        err << "velmora-cli: --sex must be 男 or 女\n";
        return std::nullopt;
    }
    const std::string calendarKind = o.count("calendar") ? o["calendar"] : "solar";
    if (calendarKind != "solar" && calendarKind != "lunar") {
        err << "velmora-cli: --calendar must be solar or lunar\n";
        return std::nullopt;
    }
    in.DateKind = calendarKind == "solar" ? 0 : 1;
    const std::vector<std::string> parts = Split(o["date"], '-');
    if (!o["date"].empty() && parts.size() != 3) {
        err << "velmora-cli: --date must be Y-M-D\n";
        return std::nullopt;
    }
    if (parts.size() == 3) {
        in.YearText = parts[0];
        in.MonthText = parts[1];
        in.DayText = parts[2];
    }
    in.HourText = o.count("hour") ? HourComboText(o["hour"]) : "";
    in.MinuteText = o.count("minute") ? o["minute"] : "0";
    return in;
}

}  // namespace velmora::cli
