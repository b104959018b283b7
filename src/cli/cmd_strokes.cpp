// velmora-cli strokes TEXT... : per text its stroke count and traditional form.
// A text with a character the dictionary has no count for gets a message
// naming those characters instead, and the run exits with 2.

#include <ostream>

#include "cli/commands.h"
#include "numerology/strokes.h"
#include "store/connection.h"

namespace velmora::cli {

int RunStrokes(const Args& args, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> texts = ArgsOrStdinLines(args);
    if (texts.empty()) {
        err << "usage: velmora-cli strokes TEXT... (or - to read lines from standard input)\n";
        return 2;
    }
    store::Query query(store::BuildConnectionString(store::DataFile::Vudazod),
                       store::Query::kLookupTimeout);
    int rc = 0;
    for (const std::string& text : texts) {
        const std::vector<std::string> missing = numerology::CharactersWithoutStrokes(query, text);
        if (!missing.empty()) {
            err << "“" << text << "”中的";
            for (const std::string& c : missing) err << "“" << c << "”";
            err << "没有笔画数\n";
            rc = 2;
            continue;
        }
        const int strokes = numerology::GetStrokeCount(query, text);
        out << text << '\t' << strokes << '\t' << numerology::GetTraditionalForm(query, text)
            << '\n';
    }
    return rc;
}

}  // namespace velmora::cli
