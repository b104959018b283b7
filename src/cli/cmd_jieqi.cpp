// velmora-cli jieqi YEAR : the year's 24 solar-term instants from JQ (China
// Standard Time).

#include <ostream>

#include "base/dates.h"
#include "base/text.h"
#include "cli/commands.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::cli {

int RunJieqi(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: velmora-cli jieqi YEAR\n";
        return 2;
    }
    const long long year = ToInteger(args[0], "年份");
    store::Query query(store::BuildConnectionString(store::DataFile::Tgcode),
                       store::Query::kDefaultTimeout);
    query.SetSql("SELECT JQ, SJ FROM JQ WHERE YearA = ? ORDER BY SJ");
    query.SetParams({store::Param(year)});
    query.Open();
    if (query.RowCount() == 0) {
        err << "velmora-cli jieqi: no solar terms stored for " << year << " (1900 to 2101 are)\n";
        return 2;
    }
    for (query.First(); !query.AtEnd(); query.Next())
        out << Trim(query.FieldAt(0).AsText()) << '\t' << FormatDateTime(query.FieldAt(1).AsDate())
            << '\n';
    return 0;
}

}  // namespace velmora::cli
