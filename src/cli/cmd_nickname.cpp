// velmora-cli nickname TEXT : the initials of the nickname (digits already
// turned into letters), the letter that counts and its reading, TAB-separated.
// An empty nickname gives the window's message (exit 2).

#include <ostream>

#include "base/text.h"
#include "cli/commands.h"
#include "tools/nickname.h"

namespace velmora::cli {

int RunNickname(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: velmora-cli nickname TEXT\n";
        return 2;
    }
    const std::string nickname = Trim(args[0]);
    if (nickname.empty()) {
        err << tools::kNicknameEmptyMessage << '\n';
        return 2;
    }
    const tools::NicknameReading reading = tools::ReadNickname(nickname);
    out << reading.initials << '\t' << reading.letter << '\t' << reading.text << '\n';
    return 0;
}

}  // namespace velmora::cli
