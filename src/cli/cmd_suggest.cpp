// velmora-cli suggest: the candidate search of the naming page. Prints
// "缺:" with the elements the owner's pillars lack (cut to the body length),
// then the grid rows of the requested pages, nine TAB-separated columns each.

#include <ostream>

#include "base/text.h"
#include "cli/commands.h"
#include "naming/candidate_grid.h"
#include "naming/candidate_search.h"
#include "store/connection.h"

namespace velmora::cli {
namespace {

constexpr const char* kUsage =
    "usage: velmora-cli suggest --surname X --sex 男|女 --year Y --month M --day D --hour H\n"
    "         [--minute N] [--lunar] [--length 2|3|4] [--fixed POS=CHAR]... [--prefix TEXT]\n"
    "         [--suffix TEXT] [--pages N]\n"
    "  H is the hour 0..23; --lunar reads Y M D as a lunar date (regular month).\n";

constexpr const char* kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                     "午", "未", "申", "酉", "戌", "亥"};

// The hour as the hour box shows it: branch, blank, hour ("巳 10").
std::string HourBoxText(const std::string& hour) {
    const auto number = ParseInteger(Trim(hour));
    if (!number || *number < 0 || *number > 23) return hour;  // fails later as typed
    return std::string(kBranches[(*number + 1) / 2 % 12]) + " " + std::to_string(*number);
}

}  // namespace

int RunSuggest(const Args& args, std::ostream& out, std::ostream& err) {
    naming::SearchInput input;
    input.birth.SexText = "男";
    input.birth.MinuteText = "0";
    int pages = 1;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--lunar") {
            input.birth.DateKind = 1;
            continue;
        }
        if (i + 1 >= args.size()) {
            err << kUsage;
            return 2;
        }
        const std::string& value = args[++i];
        if (option == "--surname") input.birth.Surname = value;
        else if (option == "--sex") input.birth.SexText = value;
        else if (option == "--year") input.birth.YearText = value;
        else if (option == "--month") input.birth.MonthText = value;
        else if (option == "--day") input.birth.DayText = value;
        else if (option == "--hour") input.birth.HourText = value.empty() ? "" : HourBoxText(value);
        else if (option == "--minute") input.birth.MinuteText = value;
        else if (option == "--prefix") input.NameBegin = value;
        else if (option == "--suffix") input.NameEnd = value;
        else if (option == "--length" || option == "--pages") {
            const auto number = ParseInteger(value);
            const bool ok = number && (option == "--pages" ? *number >= 1
                                                           : *number >= 2 && *number <= 4);
            if (!ok) {
                err << "velmora-cli suggest: " << option << " '" << value << "' is out of range\n";
                return 2;
            }
            (option == "--pages" ? pages : input.Length) = static_cast<int>(*number);
        } else if (option == "--fixed") {
            const size_t eq = value.find('=');
            const auto pos = ParseInteger(value.substr(0, eq == std::string::npos ? 0 : eq));
            if (!pos || *pos < 1 || *pos > 4) {
                err << "velmora-cli suggest: --fixed takes POS=CHAR with POS 1..4\n";
                return 2;
            }
            input.Namezhi[*pos - 1] = value.substr(eq + 1);
        } else {
            err << kUsage;
            return 2;
        }
    }

    naming::SearchState state;
    store::Query strokes(store::BuildConnectionString(store::DataFile::Vudazod),
                         store::Query::kLookupTimeout);
    if (std::string message = naming::PrepareSearch(input, state, strokes); !message.empty()) {
        err << message << '\n';
        return 2;
    }
    store::Query result(store::Query::kSearchTimeout);
    naming::OpenSearch(input, state, result);

    out << "缺:" << state.MissingWuhang << '\n';
    const naming::RowDraw draw = naming::DefaultRowDraw();
    // Like 继续显示, further pages exist only for more than 200 rows.
    if (result.RowCount() <= naming::kPagedRowLimit) pages = 1;
    for (int page = 0; page < pages; ++page)
        for (const naming::GridRow& row :
             naming::BuildNamePage(result, state, input.NameBegin, input.NameEnd, draw)) {
            for (size_t col = 0; col < row.size(); ++col) out << (col ? "\t" : "") << row[col];
            out << '\n';
        }
    return 0;
}

}  // namespace velmora::cli
