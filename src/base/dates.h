#pragma once
// Date values: a day count from 1899-12-30 (day 0) with the time of day as
// its fraction. Date texts are year-month-day joined by "-"; no locale is read.

#include <string>
#include <string_view>

namespace velmora {

using DateValue = double;

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct CivilTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Whole-day serial number of a civil date (proleptic Gregorian, any year).
int DaySerial(int year, int month, int day);
inline int DaySerial(const CivilDate& d) { return DaySerial(d.year, d.month, d.day); }

// Civil date of the integral part of a date value (floor for negatives).
CivilDate CivilFromDate(DateValue date);

// Time of day of a date value's fraction, rounded to the millisecond.
CivilTime TimeFromDate(DateValue date);

// A date value from its civil parts.
DateValue MakeDateValue(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                        int millisecond = 0);

// True when year-month-day names a real day (years 1 to 9999).
bool IsValidDate(int year, int month, int day);

// "yyyy-M-d": 4-digit year, 1- or 2-digit month and day. Raises
// ConversionError "<field>“<text>”不是有效的日期" otherwise; `field` names the
// input the text came from ("出生日期"), texts from the databases have none.
DateValue ParseDate(std::string_view text, std::string_view field = {});

// "yyyy-M-d H:m[:s]": the date as above, then hour 0-23, minute and second 0-59
// (1 or 2 digits). Raises ConversionError "<field>“<text>”不是有效的日期和时间".
DateValue ParseDateTime(std::string_view text, std::string_view field = {});

// "yyyy-MM-dd" of the integral part.
std::string FormatDate(DateValue date);

// "yyyy-MM-dd HH:mm:ss" (seconds rounded from the fraction).
std::string FormatDateTime(DateValue date);

// Today's date from the system clock, local time, whole day.
DateValue Today();

}  // namespace velmora
