// velmora-cli strokes TEXT... : per text its stroke count and traditional form.
// A text with a character the dictionary has no count for gets a message
// naming those characters instead, and the run exits with 2.

#include <iostream>

#include "cli/commands.h"
#include "numerology/strokes.h"
#include "store/connection.h"

namespace velmora::cli {

int RunStrokes(const Args& args, std::ostream& out, std::ostream& err) {
    const store::Query query(store::BuildConnectionString(store::DataFile::Vudazod),
                             store::Query::kLookupTimeout);
    std::shared_ptr<const numerology::Dictionary> words;  // read with the first text
    int rc = 0;
    auto print = [&](const std::string& text) {
        if (!words) words = numerology::Dictionary::Of(query);
        const std::vector<std::string> missing = words->CharactersWithoutStrokes(text);
        if (!missing.empty()) {
            err << "“" << text << "”中的";
            for (const std::string& c : missing) err << "“" << c << "”";
            err << "没有笔画数\n";
            rc = 2;
            return;
        }
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
    return rc;
}

}  // namespace velmora::cli
