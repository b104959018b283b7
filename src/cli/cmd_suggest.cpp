// velmora-cli suggest: the candidate search of the naming page. Prints
// "缺:" with the elements the owner's pillars lack (cut to the body length),
// then the grid rows of the requested pages, nine TAB-separated columns each.

#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "base/text.h"
#include "cli/birth_options.h"
#include "cli/commands.h"
#include "naming/candidate_grid.h"
#include "naming/candidate_search.h"
#include "store/connection.h"

namespace velmora::cli {
namespace {

constexpr const char* kUsage =
    "usage: velmora-cli suggest --surname X [--given X] [--sex 男|女] [--calendar solar|lunar]\n"
    "         --date Y-M-D --hour H [--minute N] [--length 2|3|4] [--fixed POS=CHAR]...\n"
    "         [--prefix TEXT] [--suffix TEXT] [--pages N]\n";

// A whole number of the option within [low, high], or nullopt after a message.
std::optional<int> NumberOption(const std::string& name, const std::string& text, int low, int high,
                                std::ostream& err) {
    const auto number = ParseInteger(Trim(text));
    if (!number || *number < low || *number > high) {
        err << "velmora-cli suggest: --" << name << " '" << text << "' is out of range\n";
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

}  // namespace

int RunSuggest(const Args& args, std::ostream& out, std::ostream& err) {
    naming::SearchInput input;
    // --fixed may come several times; the other options once each.
    Args rest;
    std::vector<std::pair<int, std::string>> fixed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--fixed" || i + 1 >= args.size()) {
            rest.push_back(args[i]);
            continue;
        }
        const std::string& value = args[++i];
        const size_t eq = value.find('=');
        const auto pos = ParseInteger(value.substr(0, eq == std::string::npos ? 0 : eq));
        const std::string character = eq == std::string::npos ? "" : value.substr(eq + 1);
        if (!pos || *pos < 1 || *pos > 4 || SplitChars(character).size() != 1) {
            err << "velmora-cli suggest: --fixed takes POS=CHAR, one character at POS 1..4\n";
            return 2;
        }
        fixed.emplace_back(static_cast<int>(*pos), character);
    }
    auto options = ParseOptions(
        rest, {VELMORA_BIRTH_OPTIONS, "--prefix", "--suffix", "--length", "--pages"}, err);
    if (!options) {
        err << kUsage;
        return 2;
    }
    const auto birth = BirthFromOptions(*options, err);
    if (!birth) return 2;
    input.birth = *birth;
    input.Prefix = (*options)["prefix"];
    input.Suffix = (*options)["suffix"];
    const auto length = options->count("length")
                            ? NumberOption("length", (*options)["length"], 2, 4, err)
                            : std::optional<int>(2);
    auto pages = options->count("pages")
                     ? NumberOption("pages", (*options)["pages"], 1, 1000000, err)
                     : std::optional<int>(1);
    if (!length || !pages) return 2;
    input.Length = *length;
    for (const auto& [pos, character] : fixed) {
        if (pos > input.Length) {
            err << "velmora-cli suggest: --fixed " << pos << "=" << character
                << " lies beyond --length " << input.Length << '\n';
            return 2;
        }
        input.FixedChars[pos - 1] = character;
    }

    naming::SearchState state;
    store::Query strokes(store::BuildConnectionString(store::DataFile::Vudazod),
                         store::Query::kLookupTimeout);
    if (const auto stop = naming::PrepareSearch(input, state, strokes)) {
        err << stop->Problem.Message << '\n';
        return 2;
    }
    const std::vector<naming::Candidate> candidates = naming::RunSearch(input, state);

    out << "缺:" << state.MissingWuhang << '\n';
    const naming::RowDraw draw = naming::DefaultRowDraw();
    // Like 继续显示, further pages exist only for more than 200 rows.
    if (candidates.size() <= static_cast<size_t>(naming::kPagedRowLimit)) pages = 1;
    for (int page = 0; page < *pages; ++page)
        for (const naming::GridRow& row :
             naming::BuildNamePage(candidates, state, input.Prefix, input.Suffix, draw)) {
            for (size_t col = 0; col < row.size(); ++col) out << (col ? "\t" : "") << row[col];
            out << '\n';
        }
    return 0;
}

}  // namespace velmora::cli
