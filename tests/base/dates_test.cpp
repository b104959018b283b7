#include "base/dates.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace velmora {
namespace {

TEST(Dates, SerialNumbersFrom1899_12_30) {
    struct Case {
        int y, m, d, serial;
    };
    for (Case c : {Case{1899, 12, 30, 0}, Case{1900, 1, 31, 32}, Case{2000, 2, 5, 36561},
                   Case{2100, 12, 31, 73415}, Case{1, 1, 1, -693593}, Case{1899, 12, 29, -1}}) {
        EXPECT_EQ(DaySerial(c.y, c.m, c.d), c.serial);
        EXPECT_EQ(CivilFromDate(c.serial), (CivilDate{c.y, c.m, c.d}));
    }
}

TEST(Dates, ParsesDateTextsAndRejectsOthersWithTheText) {
    EXPECT_EQ(ParseDate("1980-1-1"), DaySerial(1980, 1, 1));
    EXPECT_EQ(ParseDate("2000-02-05"), 36561);
    for (const char* bad : {"1981-2-29", "1980-13-1", "1980-0-10", "80-1-1", "1980/1/1", "",
                            "1980-1-1 ", "1980-001-1", "abcd-1-1"}) {
        try {
            ParseDate(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "“" + std::string(bad) + "”不是有效的日期");
        }
    }
}

TEST(Dates, ParsesMomentsAndFormatsThemBack) {
    DateValue v = ParseDateTime("2021-2-3 23:30");
    EXPECT_EQ(FormatDateTime(v), "2021-02-03 23:30:00");
    EXPECT_EQ(FormatDate(v), "2021-02-03");
    EXPECT_EQ(FormatDateTime(ParseDateTime("2024-02-04 16:27:08")), "2024-02-04 16:27:08");
    CivilTime t = TimeFromDate(ParseDateTime("1999-12-31 0:5:9"));
    EXPECT_EQ(t.hour * 10000 + t.minute * 100 + t.second, 509);
    for (const char* bad : {"2021-2-3 24:00", "2021-2-3 12:60", "2021-2-3", "2021-2-30 1:00"})
        EXPECT_THROW(ParseDateTime(bad), ConversionError) << bad;
}

}  // namespace
}  // namespace velmora
