// velmora-cli analyze --surname X --given Y [--sex 男|女] [--calendar solar|lunar]
//   --date Y-M-D --hour H [--minute M] [--prefix P] --body B [--suffix S]:
//   the analysis page's company-name report, line by line.

#include <ostream>

#include "base/dates.h"
#include "cli/birth_options.h"
#include "naming/name_analysis.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::cli {

int RunAnalyze(const Args& args, std::ostream& out, std::ostream& err) {
    auto options =
        ParseOptions(args, {VELMORA_BIRTH_OPTIONS, "--prefix", "--body", "--suffix"}, err);
    if (!options) return 2;
    const auto birth = BirthFromOptions(*options, err);
    if (!birth) return 2;
    naming::NameAnalysisInput input{*birth, (*options)["prefix"], (*options)["body"],
                                    (*options)["suffix"]};
    store::Query strokes(store::BuildConnectionString(store::DataFile::Vudazod),
                         store::Query::kLookupTimeout);
    store::Query texts(store::BuildConnectionString(store::DataFile::KelFile),
                       store::Query::kDefaultTimeout);
    StreamSink sink(out);
    if (const auto problem =
            naming::WriteNameAnalysis(input, sink, strokes, texts, CivilFromDate(Today()).year)) {
        err << problem->Message << '\n';
        return 2;
    }
    return 0;
}

}  // namespace velmora::cli
