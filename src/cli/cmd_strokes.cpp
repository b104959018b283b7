// velmora-cli strokes TEXT... : per text its stroke count and traditional form.

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
    for (const std::string& text : texts) {
        const int strokes = numerology::GetStrokeCount(query, text);
        out << text << '\t' << strokes << '\t' << numerology::GetTraditionalForm(query, text)
            << '\n';
    }
    return 0;
}

}  // namespace velmora::cli
