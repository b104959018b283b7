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
    const std::string text = numerology::GetShuliText(Trim(args[0]));
    // Split at the first and second '|', as the number-test windows do.
    const size_t first = text.find('|');
    const size_t second = first == std::string::npos ? first : text.find('|', first + 1);
    if (second == std::string::npos) {
        out << '\t' << '\t' << text << '\n';
        return 0;
    }
    out << text.substr(0, first) << '\t' << text.substr(first + 1, second - first - 1) << '\t'
        << text.substr(second + 1) << '\n';
    return 0;
}

}  // namespace velmora::cli
