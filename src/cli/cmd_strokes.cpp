// velmora-cli strokes TEXT... : per text its stroke count and traditional form.

#include <iostream>

#include "cli/commands.h"
#include "numerology/strokes.h"
#include "store/connection.h"

namespace velmora::cli {

int RunStrokes(const Args& args, std::ostream& out, std::ostream& err) {
    const store::Query query(store::BuildConnectionString(store::DataFile::Vudazod),
                             store::Query::kLookupTimeout);
    std::shared_ptr<const numerology::Dictionary> words;  // read with the first text
    auto print = [&](const std::string& text) {
        if (!words) words = numerology::Dictionary::Of(query);
        out << text << '\t' << words->StrokeCount(text) << '\t' << words->TraditionalForm(text)
            << '\n';
    };
    const bool fromStdin = args.size() == 1 && args[0] == "-";
    if (fromStdin ? ForEachLine(std::cin, print) == 0 : args.empty()) {
        err << "usage: velmora-cli strokes TEXT... (or - to read lines from standard input)\n";
        return 2;
    }
    if (!fromStdin)
        for (const std::string& text : args) print(text);
    return 0;
}

}  // namespace velmora::cli
