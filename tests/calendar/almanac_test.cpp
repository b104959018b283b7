// The almanac table as built, read through the program's look-up.
#include "calendar/almanac.h"

#include <gtest/gtest.h>

#include <map>

#include "base/errors.h"
#include "base/text.h"
#include "calendar/lunar_calendar.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::calendar {
namespace {

AlmanacEntry EntryOf(int y, int m, int d) {
    const std::optional<AlmanacEntry> entry = LookupAlmanac(DaySerial(y, m, d));
    if (!entry) throw std::runtime_error("no almanac row for " + FormatDate(DaySerial(y, m, d)));
    return *entry;
}

// Days whose pillars and lunar dates are public record. Each row's other fields
// follow from the day pillar and the month by the traditional rules:
// nayin from the sixty-pair table, the officer counted from 建 on the month's
// branch, the clash on the branch six places on with the stem four places on,
// 煞 南 for 申子辰 / 北 寅午戌 / 西 亥卯未 / 东 巳酉丑, the 彭祖 sayings of stem and branch.
TEST(Almanac, PublishedDaysFieldByField) {
    struct Case {
        int y, m, d;
        const char* source;
        std::array<std::string_view, 6> want;  // nn suici tszf wuhang cong pzbj
    };
    const Case cases[] = {
        {2024,
         2,
         10,
         "Spring Festival 2024: 甲辰年正月初一, a 甲辰 day (public calendars)",
         {"甲辰(龙年)一月初一  星期六", "甲辰年 丙寅月 甲辰日", "门鸡栖房内东", "覆灯火 满执位",
          "冲狗(戊戌)煞南", "甲不开仓财物耗散 辰不哭泣必主重丧"}},
        {1949,
         10,
         1,
         "founding day of the PRC: 己丑年八月初十, a 甲子 day (public record)",
         {"己丑(牛年)八月初十  星期六", "己丑年 癸酉月 甲子日", "占门碓外东南", "海中金 平执位",
          "冲马(戊午)煞南", "甲不开仓财物耗散 子不问卜自惹祸殃"}},
        {2008,
         8,
         8,
         "Beijing Olympics opening: 戊子年七月初八, 庚申月 (after 立秋 of 8-7), 庚辰日",
         {"戊子(鼠年)七月初八  星期五", "戊子年 庚申月 庚辰日", "碓磨栖外正西", "白蜡金 成执位",
          "冲狗(甲戌)煞南", "庚不经络织机虚张 辰不哭泣必主重丧"}},
        {2000,
         1,
         1,
         "first day of 2000: 己卯年十一月廿五, 丙子月, 戊午日 (public calendars)",
         {"己卯(兔年)十一月廿五  星期六", "己卯年 丙子月 戊午日", "房床碓外东南", "天上火 破执位",
          "冲鼠(壬子)煞北", "戊不受田田主不祥 午不苫盖屋主更张"}},
        {2012,
         3,
         5,
         "惊蛰 2012 fell on 3-5: the first day of 癸卯 month; 壬辰年二月十三, 乙丑日",
         {"壬辰(龙年)二月十三  星期一", "壬辰年 癸卯月 乙丑日", "碓磨厕外东南", "海中金 开执位",
          "冲羊(己未)煞东", "乙不栽植千株不长 丑不冠带主不还乡"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        const AlmanacEntry got = EntryOf(c.y, c.m, c.d);
        const auto values = got.Values();
        for (size_t i = 0; i < c.want.size(); ++i)
            EXPECT_EQ(values[i], c.want[i]) << AlmanacColumns[i];
        EXPECT_EQ(" " + std::string(got.Officer()) + "执位", c.want[3].substr(c.want[3].find(' ')));
    }
}

// Days on which printed almanacs write 诸事不宜: the day of 月破 (the day
// branch clashes with the month's), and the eves of 立春 立夏 立秋 立冬 (四绝)
// and of the equinoxes and solstices (四离).
TEST(Almanac, DaysThatSuitNothing) {
    struct Case {
        int y, m, d;
        const char* why;
        const char* suits;
        const char* badSpirit;
    };
    for (const Case c : {
             Case{2000, 1, 1, "午 day in a 子 month: 月破", "求医 治病 破屋 坏垣", "月破"},
             Case{2024, 2, 3, "eve of 立春 2024-02-04: 四绝", "诸事不宜", "四绝"},
             Case{2024, 3, 19, "eve of 春分 2024-03-20: 四离", "诸事不宜", "四离"},
             Case{2024, 12, 20, "eve of 冬至 2024-12-21, also 月破: 四离 allows nothing",
                  "诸事不宜", "四离"},
         }) {
        SCOPED_TRACE(c.why);
        const AlmanacEntry e = EntryOf(c.y, c.m, c.d);
        EXPECT_EQ(e.Suits, c.suits);
        EXPECT_EQ(e.Avoids, "诸事不宜");
        EXPECT_NE((" " + e.BadSpirits + " ").find(std::string(" ") + c.badSpirit + " "),
                  std::string::npos)
            << e.BadSpirits;
        EXPECT_TRUE(e.AvoidsActivity("开市"));
        EXPECT_FALSE(e.SuitsActivity("开市"));
    }
    // On 月破 the few activities the day still suits are not avoided.
    EXPECT_TRUE(EntryOf(2000, 1, 1).SuitsActivity("治病"));
    EXPECT_FALSE(EntryOf(2000, 1, 1).AvoidsActivity("治病"));
    // The day after each eve is an ordinary day again.
    EXPECT_NE(EntryOf(2024, 2, 4).Avoids, "诸事不宜");
}

TEST(Almanac, ActivitiesAreWholeWordsOfTheLists) {
    const AlmanacEntry e = EntryOf(2024, 2, 10);
    EXPECT_EQ(e.Suits, "祭祀 祈福 开市 交易 纳财");
    EXPECT_TRUE(e.SuitsActivity("开市"));
    EXPECT_FALSE(e.AvoidsActivity("开市"));
    EXPECT_TRUE(e.AvoidsActivity("嫁娶"));
    EXPECT_FALSE(e.SuitsActivity("开"));  // part of a word is no activity
    EXPECT_FALSE(e.SuitsActivity(""));
    EXPECT_FALSE(EntryOf(2024, 2, 3).SuitsActivity("诸事不宜"));
    // The officer needs its closing word and the blank before it.
    for (const char* element : {"执位", "满执位", "覆灯火满执位", "覆灯火 满", ""}) {
        AlmanacEntry odd;
        odd.Element = element;
        EXPECT_EQ(odd.Officer(), "") << element;
    }
}

// A virtue of the day (天德, 月德, ...) outweighs the officer and ordinary
// spirits, never a heavy one such as 月煞.
TEST(Almanac, VirtuesOutweighOrdinarySpiritsOnly) {
    // A 执 day, whose officer avoids 开市 and 出行, holding 天德 and 月德
    // (whose lists have 开市 but not 出行).
    const AlmanacEntry held = EntryOf(2024, 1, 7);
    EXPECT_EQ(held.Element, "路旁土 执执位");
    EXPECT_NE(held.GoodSpirits.find("月德"), std::string::npos);
    EXPECT_TRUE(held.SuitsActivity("开市"));
    EXPECT_FALSE(held.AvoidsActivity("开市"));
    EXPECT_TRUE(held.AvoidsActivity("出行"));
    // 天德 and 月德 again, but 月煞 avoids 嫁娶 and 开市.
    const AlmanacEntry heavy = EntryOf(2024, 1, 17);
    EXPECT_NE(heavy.BadSpirits.find("月煞"), std::string::npos);
    for (const char* activity : {"嫁娶", "开市"}) {
        EXPECT_TRUE(heavy.AvoidsActivity(activity)) << activity;
        EXPECT_FALSE(heavy.SuitsActivity(activity)) << activity;
    }
}

// No day both suits and avoids an activity, and the 破 officer, 月破 and a
// day that avoids everything go together, over the whole table.
TEST(Almanac, ListsNeverContradictEachOther) {
    store::Query q(store::BuildConnectionString(store::DataFile::KelBirth),
                   store::Query::kDefaultTimeout);
    q.SetSql("SELECT gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji FROM huangdao");
    int checked = 0;
    q.Scan([&](const store::ResultRows& row) {
        AlmanacEntry e;
        e.Element = row.FieldAt(1, 4).AsText();
        e.GoodSpirits = row.FieldAt(1, 7).AsText();
        e.Suits = row.FieldAt(1, 8).AsText();
        e.BadSpirits = row.FieldAt(1, 9).AsText();
        e.Avoids = row.FieldAt(1, 10).AsText();
        const std::string gn = row.FieldAt(1, 0).AsText();
        for (const std::string& word : Split(e.Suits, ' ')) {
            if (word == kNothingSuits) continue;
            EXPECT_TRUE(e.SuitsActivity(word)) << gn << " " << word;
            EXPECT_FALSE(e.AvoidsActivity(word)) << gn << " " << word;
        }
        const bool broken = e.Element.ends_with("破执位");
        EXPECT_EQ(broken, (" " + e.BadSpirits + " ").find(" 月破 ") != std::string::npos) << gn;
        if (broken) {
            EXPECT_EQ(e.Avoids, kNothingSuits) << gn;
        }
        ++checked;
    });
    EXPECT_EQ(checked, DaySerial(2100, 12, 31) - DaySerial(1901, 1, 1) + 1);
}

// The month turns on the day of its 节 and the year on the day of 立春, with
// the days taken from the solar-term table: checked for every day of the table.
TEST(Almanac, PillarsTurnOnTheDaysOfTheTerms) {
    // 节 name -> the month branch it opens.
    const std::map<std::string, std::string, std::less<>> opens = {
        {"小寒", "丑"}, {"立春", "寅"}, {"惊蛰", "卯"}, {"清明", "辰"},
        {"立夏", "巳"}, {"芒种", "午"}, {"小暑", "未"}, {"立秋", "申"},
        {"白露", "酉"}, {"寒露", "戌"}, {"立冬", "亥"}, {"大雪", "子"}};
    std::map<std::string, std::string> termOfDay;  // yyyy-MM-dd -> 节
    store::Query jq(store::BuildConnectionString(store::DataFile::Tgcode),
                    store::Query::kDefaultTimeout);
    jq.SetSql("SELECT JQ, date(SJ) FROM JQ");
    jq.Scan([&](const store::ResultRows& row) {
        const std::string name = row.FieldAt(1, 0).AsText();
        if (opens.contains(name)) termOfDay[row.FieldAt(1, 1).AsText()] = name;
    });

    store::Query days(store::BuildConnectionString(store::DataFile::KelBirth),
                      store::Query::kDefaultTimeout);
    days.SetSql("SELECT gn, suici FROM huangdao ORDER BY gn");
    std::string previous;
    int turns = 0, yearTurns = 0;
    days.Scan([&](const store::ResultRows& row) {
        const std::string gn = row.FieldAt(1, 0).AsText();
        const std::string suici = row.FieldAt(1, 1).AsText();
        // "甲辰年 丙寅月 甲辰日": the year pillar is bytes 0..5, the month branch bytes 13..15.
        const std::string year = suici.substr(0, 6), monthBranch = suici.substr(13, 3);
        const auto term = termOfDay.find(gn);
        if (!previous.empty()) {
            const bool monthTurned = previous.substr(13, 3) != monthBranch;
            const bool yearTurned = previous.substr(0, 6) != year;
            EXPECT_EQ(monthTurned, term != termOfDay.end()) << gn << " " << suici;
            EXPECT_EQ(yearTurned, term != termOfDay.end() && term->second == "立春")
                << gn << " " << suici;
            turns += monthTurned;
            yearTurns += yearTurned;
        }
        if (term != termOfDay.end()) {
            EXPECT_EQ(monthBranch, opens.at(term->second)) << gn;
        }
        previous = suici;
    });
    EXPECT_EQ(turns, 200 * 12);
    EXPECT_EQ(yearTurns, 200);
}

TEST(Almanac, EveryDayOf1901To2100IsPresentOnce) {
    store::Query q(store::BuildConnectionString(store::DataFile::KelBirth),
                   store::Query::kDefaultTimeout);
    q.SetSql(
        "SELECT count(*), count(DISTINCT gn), min(gn), max(gn), sum(date(gn) IS gn) FROM huangdao");
    q.Open();
    const long long days = DaySerial(2100, 12, 31) - DaySerial(1901, 1, 1) + 1;
    EXPECT_EQ(q.FieldAt(0).AsInteger(), days);
    EXPECT_EQ(q.FieldAt(1).AsInteger(), days);
    EXPECT_EQ(q.FieldAt(2).AsText(), "1901-01-01");
    EXPECT_EQ(q.FieldAt(3).AsText(), "2100-12-31");
    EXPECT_EQ(q.FieldAt(4).AsInteger(), days);  // every key is a real ISO date
    // Every column of every row is filled.
    q.SetSql(
        "SELECT count(*) FROM huangdao WHERE '' IN (trim(nn), trim(suici), trim(tszf), "
        "trim(wuhang), trim(cong), trim(pzbj), trim(jsyq), trim(yi), trim(xsyq), trim(ji))");
    q.Open();
    EXPECT_EQ(q.FieldAt(0).AsInteger(), 0);
}

TEST(Almanac, LookupOutsideTheTableAndOnAMissingFile) {
    EXPECT_FALSE(LookupAlmanac(DaySerial(1900, 12, 31)).has_value());
    EXPECT_FALSE(LookupAlmanac(DaySerial(2101, 1, 1)).has_value());
    EXPECT_TRUE(LookupAlmanac(DaySerial(1901, 1, 1)).has_value());
    EXPECT_TRUE(LookupAlmanac(DaySerial(2100, 12, 31)).has_value());
    // A time of day does not matter.
    EXPECT_EQ(LookupAlmanac(DaySerial(2024, 2, 10) + 0.75)->Pillars, "甲辰年 丙寅月 甲辰日");

    store::Query missing("/nonexistent/KelBirth.db", store::Query::kDefaultTimeout);
    EXPECT_THROW(LookupAlmanac(missing, DaySerial(2024, 2, 10)), DatabaseError);
}

TEST(Almanac, NineteenLinesWithTheDateAsEntered) {
    const AlmanacEntry e = EntryOf(2012, 3, 5);
    VectorSink sink;
    sink.lines = {"old text"};
    WriteAlmanacEntry("2012-3-5", e, sink);
    ASSERT_EQ(sink.lines.size(), 19u);
    EXPECT_EQ(sink.lines[0], "当日统览:2012-3-5  壬辰(龙年)二月十三  星期一");
    EXPECT_EQ(AlmanacHeadline("2012-3-5", e), "2012-3-5  壬辰(龙年)二月十三  星期一");
    EXPECT_EQ(sink.lines[2], "岁次:壬辰年 癸卯月 乙丑日");
    EXPECT_EQ(sink.lines[4], "每日胎神占方:碓磨厕外东南");
    EXPECT_EQ(sink.lines[6], "五行:海中金 开执位");
    EXPECT_EQ(sink.lines[8], "冲:冲羊(己未)煞东");
    EXPECT_EQ(sink.lines[10], "彭祖百忌:乙不栽植千株不长 丑不冠带主不还乡");
    EXPECT_EQ(sink.lines[12], "吉神宜趋:" + e.GoodSpirits);
    EXPECT_EQ(sink.lines[14], "宜:" + e.Suits);
    EXPECT_EQ(sink.lines[16], "凶神宜忌:" + e.BadSpirits);
    EXPECT_EQ(sink.lines[18], "忌:" + e.Avoids);
    for (size_t i = 1; i < 19; i += 2) EXPECT_EQ(sink.lines[i], "") << "line " << i + 1;
}

}  // namespace
}  // namespace velmora::calendar
