// velmora-cli shuli NUMBER : the 81-number entry as phrase, luck word and
// personality, TAB-separated. A negative number gives the apology in the last
// field; a text that is no integer is a conversion error (exit 1).

#include <ostream>

#include "base/text.h"
#include "cli/commands.h"
#include "numerology/shuli.h"

namespace velmora::cli {

int RunShuli(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: velmora-cli shuli NUMBER\n";
        return 2;
    }
    const numerology::ShuliParts parts =
        numerology::SplitShuliText(numerology::GetShuliText(Trim(args[0])));
    out << parts.phrase << '\t' << parts.luck << '\t' << parts.personality << '\n';
    return 0;
}

}  // namespace velmora::cli
