// The built solar-term table JQ that the four-pillars engine reads.
#include <gtest/gtest.h>

#include <cmath>

#include "base/dates.h"
#include "bazi/four_pillars.h"
#include "calendar/lunar_calendar.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::bazi {
namespace {

DateValue StoredInstant(int year, const char* name) {
    store::Query q(store::BuildConnectionString(store::DataFile::Tgcode), 30);
    q.SetSql("SELECT SJ FROM JQ WHERE YearA = ? AND JQ = ?");
    q.SetParams({store::Param(static_cast<long long>(year)), store::Param(std::string(name))});
    q.Open();
    EXPECT_EQ(q.RowCount(), 1) << year << " " << name;
    return q.RowCount() ? q.FieldAt(0).AsDate() : 0;
}

// Published instants, China Standard Time, to the minute (the equinoxes and
// solstices as the astronomical almanacs give them in UT, plus eight hours).
TEST(SolarTermTable, MatchesPublishedInstantsWithinAMinute) {
    struct Case {
        int year;
        const char* name;
        const char* published;
    };
    for (Case c :
         {Case{2024, "立春", "2024-02-04 16:27"}, Case{2021, "立春", "2021-02-03 22:59"},
          Case{2024, "春分", "2024-03-20 11:06"}, Case{2024, "夏至", "2024-06-21 04:51"},
          Case{2024, "冬至", "2024-12-21 17:20"}, Case{2000, "春分", "2000-03-20 15:35"},
          Case{2000, "夏至", "2000-06-21 09:48"}, Case{2000, "秋分", "2000-09-23 01:27"},
          Case{2000, "冬至", "2000-12-21 21:37"}, Case{1999, "冬至", "1999-12-22 15:44"}}) {
        const double seconds = (StoredInstant(c.year, c.name) - ParseDateTime(c.published)) * 86400;
        // The published minute holds the instant; allow a minute either side of it.
        EXPECT_GT(seconds, -60) << c.year << " " << c.name;
        EXPECT_LT(seconds, 120) << c.year << " " << c.name;
    }
}

// Every year 1900..2101 has its 24 terms in order, about 15.2 days apart,
// term n in Gregorian month n / 2 + 1, so every month has exactly one 节.
TEST(SolarTermTable, TwentyFourOrderedTermsEveryYear) {
    store::Query q(store::BuildConnectionString(store::DataFile::Tgcode), 30);
    q.SetSql("SELECT YearA, JQ, SJ FROM JQ ORDER BY SJ");
    q.Open();
    ASSERT_EQ(q.RowCount(), 202 * 24);
    DateValue previous = 0;
    int index = 0;
    for (q.First(); !q.AtEnd(); q.Next(), ++index) {
        const int year = static_cast<int>(q.FieldAt(0).AsInteger());
        const std::string name = q.FieldAt(1).AsText();
        const DateValue instant = q.FieldAt(2).AsDate();
        const int term = index % 24;
        SCOPED_TRACE(name + " " + FormatDateTime(instant));
        ASSERT_EQ(year, 1900 + index / 24);
        ASSERT_EQ(name, calendar::SolarTermNames[term]);
        const CivilDate civil = CivilFromDate(instant);
        EXPECT_EQ(civil.year, year);
        EXPECT_EQ(civil.month, term / 2 + 1);
        if (term % 2 == 0) {
            EXPECT_EQ(JieOfMonth(civil.month), name);
        }
        if (index > 0) {
            EXPECT_GT(instant - previous, 14.0);
            EXPECT_LT(instant - previous, 16.5);
        }
        previous = instant;
    }
}

}  // namespace
}  // namespace velmora::bazi
