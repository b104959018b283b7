#include "calendar/almanac.h"

#include <algorithm>

#include "base/text.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::calendar {
namespace {

constexpr std::string_view kLookupSql =
    "SELECT nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji FROM huangdao WHERE gn = ? "
    "LIMIT 1";

// The labels of the page's ten lines, in the order of AlmanacColumns.
constexpr std::array<std::string_view, 10> kLabels = {
    "当日统览:", "岁次:",     "每日胎神占方:", "五行:",     "冲:",
    "彭祖百忌:", "吉神宜趋:", "宜:",           "凶神宜忌:", "忌:"};

bool ListHolds(std::string_view list, std::string_view word) {
    const std::vector<std::string> words = Split(list, ' ');
    return std::ranges::find(words, word) != words.end();
}

}  // namespace

std::array<std::string_view, 10> AlmanacEntry::Values() const {
    return {Overview,     Pillars,     FetalGod, Element,    Clash,
            PengzuTaboos, GoodSpirits, Suits,    BadSpirits, Avoids};
}

std::string_view AlmanacEntry::Officer() const {
    // "覆灯火 满执位": one character (three bytes) before the closing word.
    constexpr std::string_view kClosing = "执位";
    const std::string_view element = Element;
    if (!element.ends_with(kClosing) || element.size() < kClosing.size() + 4) return {};
    const std::string_view officer = element.substr(element.size() - kClosing.size() - 3, 3);
    return element[element.size() - kClosing.size() - 4] == ' ' ? officer : std::string_view();
}

bool AlmanacEntry::SuitsActivity(std::string_view activity) const {
    return activity != kNothingSuits && ListHolds(Suits, activity);
}

bool AlmanacEntry::AvoidsActivity(std::string_view activity) const {
    // "诸事不宜" among the 忌 leaves only what the day's 宜 name.
    if (Avoids == kNothingSuits) return !activity.empty() && !SuitsActivity(activity);
    return ListHolds(Avoids, activity);
}

std::optional<AlmanacEntry> LookupAlmanac(store::Query& query, DateValue date) {
    query.Close();
    query.SetSql(std::string(kLookupSql));
    query.AddParam(FormatDate(date));
    query.Open();
    std::optional<AlmanacEntry> entry;
    if (query.RowCount() > 0) {
        query.First();
        auto value = [&](int column) { return Trim(query.FieldAt(column).AsText()); };
        entry = AlmanacEntry{value(0), value(1), value(2), value(3), value(4),
                             value(5), value(6), value(7), value(8), value(9)};
    }
    query.Close();
    return entry;
}

std::optional<AlmanacEntry> LookupAlmanac(DateValue date) {
    store::Query query(store::BuildConnectionString(store::DataFile::KelBirth),
                       store::Query::kDefaultTimeout);
    return LookupAlmanac(query, date);
}

std::string AlmanacHeadline(std::string_view dateText, const AlmanacEntry& entry) {
    return std::string(dateText) + "  " + entry.Overview;
}

void WriteAlmanacEntry(std::string_view dateText, const AlmanacEntry& entry, ReportSink& sink) {
    sink.Clear();
    const std::array<std::string_view, 10> values = entry.Values();
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) sink.AppendLine("");
        const std::string value =
            i == 0 ? AlmanacHeadline(dateText, entry) : std::string(values[i]);
        sink.AppendLine(std::string(kLabels[i]) + value);
    }
}

}  // namespace velmora::calendar
