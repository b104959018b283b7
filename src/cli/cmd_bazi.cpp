// velmora-cli bazi --surname X --given Y [--sex 男|女] [--calendar solar|lunar]
//   --date Y-M-D --hour H [--minute M]: the bazi page's report, line by line.

#include <ostream>

#include "base/dates.h"
#include "bazi/bazi_report.h"
#include "cli/birth_options.h"

namespace velmora::cli {

int RunBazi(const Args& args, std::ostream& out, std::ostream& err) {
    auto options = ParseOptions(args, {VELMORA_BIRTH_OPTIONS}, err);
    if (!options) return 2;
    const auto birth = BirthFromOptions(*options, err);
    if (!birth) return 2;
    StreamSink sink(out);
    if (const auto problem = bazi::WriteBaziReport(*birth, sink, CivilFromDate(Today()).year)) {
        err << problem->Message << '\n';
        return 2;
    }
    return 0;
}

}  // namespace velmora::cli
