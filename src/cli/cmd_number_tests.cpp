// velmora-cli phone|qq|number NUMBER : the number test of each window, as
// number, state, luck word and reading, TAB-separated, exactly as the window's
// four result lines show them. An empty number gives the window's message
// (exit 2); a text that is not all digits is a conversion error (exit 1).

#include <ostream>

#include "base/text.h"
#include "cli/commands.h"
#include "tools/number_tests.h"

namespace velmora::cli {
namespace {

int RunTest(tools::NumberTest test, std::string_view name, const Args& args, std::ostream& out,
            std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: velmora-cli " << name << " NUMBER\n";
        return 2;
    }
    const std::string number = Trim(args[0]);
    if (number.empty()) {
        err << tools::EmptyNumberMessage(test) << '\n';
        return 2;
    }
    const tools::NumberVerdict v = tools::RunNumberTest(test, number);
    out << v.number << '\t' << v.state << '\t' << v.luck << '\t' << v.reading << '\n';
    return 0;
}

}  // namespace

int RunPhone(const Args& args, std::ostream& out, std::ostream& err) {
    return RunTest(tools::NumberTest::Mobile, "phone", args, out, err);
}

int RunQQ(const Args& args, std::ostream& out, std::ostream& err) {
    return RunTest(tools::NumberTest::QQ, "qq", args, out, err);
}

int RunNumber(const Args& args, std::ostream& out, std::ostream& err) {
    return RunTest(tools::NumberTest::AnyNumber, "number", args, out, err);
}

}  // namespace velmora::cli
