// velmora-cli almanac DATE... : the almanac entry of each day, one line per
// date: the date as given and the ten columns of huangdao, TAB-separated.

#include <optional>
#include <ostream>

#include "base/dates.h"
#include "base/errors.h"
#include "calendar/almanac.h"
#include "cli/commands.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::cli {

int RunAlmanac(const Args& args, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> texts = ArgsOrStdinLines(args);
    if (texts.empty()) {
        err << "usage: velmora-cli almanac DATE... (yyyy-M-d, or - to read dates from standard "
               "input)\n";
        return 2;
    }
    // Every text is checked before anything is printed.
    std::vector<DateValue> dates;
    for (const std::string& text : texts) {
        try {
            dates.push_back(ParseDate(text));
        } catch (const ConversionError&) {
            err << "velmora-cli almanac: '" << text << "' 不是有效的日期 (yyyy-M-d)\n";
            return 2;
        }
    }
    store::Query query(store::BuildConnectionString(store::DataFile::KelBirth),
                       store::Query::kDefaultTimeout);
    for (size_t i = 0; i < texts.size(); ++i) {
        out << texts[i];
        const std::optional<calendar::AlmanacEntry> entry =
            calendar::LookupAlmanac(query, dates[i]);
        // A day the table lacks keeps its ten fields empty.
        for (size_t column = 0; column < calendar::AlmanacColumns.size(); ++column)
            out << '\t' << (entry ? entry->Values()[column] : std::string_view());
        out << '\n';
    }
    return 0;
}

}  // namespace velmora::cli
