#include "base/dates.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "base/errors.h"
#include "base/text.h"

namespace velmora {
namespace {

constexpr std::chrono::sys_days kEpoch =
    std::chrono::sys_days{std::chrono::year{1899} / std::chrono::December / 30};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads 1..max_digits digits at text[pos]; false when none or too many.
bool ReadNumber(std::string_view text, size_t& pos, int min_digits, int max_digits, int& value) {
    size_t start = pos;
    value = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        if (static_cast<int>(pos - start) > max_digits) return false;
    }
    return static_cast<int>(pos - start) >= min_digits;
}

bool Expect(std::string_view text, size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

bool ReadDate(std::string_view text, size_t& pos, int& y, int& m, int& d) {
    return ReadNumber(text, pos, 4, 4, y) && Expect(text, pos, '-') &&
           ReadNumber(text, pos, 1, 2, m) && Expect(text, pos, '-') &&
           ReadNumber(text, pos, 1, 2, d) && IsValidDate(y, m, d);
}

}  // namespace

int DaySerial(int year, int month, int day) {
    using namespace std::chrono;
    sys_days days{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                  std::chrono::day{static_cast<unsigned>(day)}};
    return static_cast<int>((days - kEpoch).count());
}

CivilDate CivilFromDate(DateValue date) {
    using namespace std::chrono;
    const auto whole = static_cast<int>(std::floor(date));
    year_month_day ymd{kEpoch + days{whole}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

CivilTime TimeFromDate(DateValue date) {
    double fraction = date - std::floor(date);
    long long ms = std::llround(fraction * 86400000.0);
    if (ms >= 86400000) ms = 86399999;
    return {static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

DateValue MakeDateValue(int year, int month, int day, int hour, int minute, int second,
                        int millisecond) {
    double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
    return DaySerial(year, month, day) + ms / 86400000.0;
}

bool IsValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    std::chrono::year_month_day ymd{std::chrono::year{year} /
                                    std::chrono::month{static_cast<unsigned>(month)} /
                                    std::chrono::day{static_cast<unsigned>(day)}};
    return ymd.ok();
}

DateValue ParseDate(std::string_view text, std::string_view field) {
    size_t pos = 0;
    int y = 0, m = 0, d = 0;
    if (!ReadDate(text, pos, y, m, d) || pos != text.size())
        throw ConversionError(FieldText(field, text) + "不是有效的日期");
    return DaySerial(y, m, d);
}

DateValue ParseDateTime(std::string_view text, std::string_view field) {
    size_t pos = 0;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    bool ok = ReadDate(text, pos, y, mo, d) && Expect(text, pos, ' ') &&
              ReadNumber(text, pos, 1, 2, h) && Expect(text, pos, ':') &&
              ReadNumber(text, pos, 1, 2, mi);
    if (ok && pos < text.size()) ok = Expect(text, pos, ':') && ReadNumber(text, pos, 1, 2, s);
    ok = ok && pos == text.size() && h <= 23 && mi <= 59 && s <= 59;
    if (!ok) throw ConversionError(FieldText(field, text) + "不是有效的日期和时间");
    return MakeDateValue(y, mo, d, h, mi, s);
}

std::string FormatDate(DateValue date) {
    CivilDate c = CivilFromDate(date);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
    return buf;
}

std::string FormatDateTime(DateValue date) {
    // Round to the nearest second first so 23:59:59.9996 moves to the next day.
    double rounded = std::round(date * 86400.0) / 86400.0;
    CivilTime t = TimeFromDate(rounded);
    char buf[16];
    std::snprintf(buf, sizeof buf, " %02d:%02d:%02d", t.hour, t.minute, t.second);
    return FormatDate(rounded) + buf;
}

DateValue Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DaySerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace velmora
