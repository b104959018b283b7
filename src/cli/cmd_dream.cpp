// velmora-cli dream [TEXT]
// Without TEXT: every category and its titles, "category TAB title", in tree
// order (a category without titles: "category TAB"). With TEXT: the
// interpretation of the dream titled TEXT, as the dream page shows it; else
// the titles that contain TEXT, one a line; else a message and exit 1.

#include <ostream>

#include "base/text.h"
#include "cli/commands.h"
#include "store/connection.h"
#include "tools/dream_book.h"

namespace velmora::cli {

int RunDream(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() > 1) {
        err << "usage: velmora-cli dream [TEXT]\n";
        return 2;
    }
    const std::string connection = store::BuildConnectionString(store::DataFile::Dream);
    store::Query categories(connection, store::Query::kDefaultTimeout);
    store::Query titles(connection, store::Query::kDefaultTimeout);
    const std::string text = args.empty() ? std::string() : Trim(args[0]);

    if (text.empty()) {
        for (const tools::DreamCategory& category : tools::LoadDreamTree(categories, titles)) {
            if (category.titles.empty()) out << category.name << "\t\n";
            for (const std::string& title : category.titles)
                out << category.name << '\t' << title << '\n';
        }
        return 0;
    }

    int badPairs = 0;
    if (auto interpretation = tools::FindDreamText(titles, text, [&badPairs] { ++badPairs; })) {
        StreamSink sink(out);
        tools::WriteDreamInterpretation(sink, interpretation);
        if (badPairs > 0) err << "这条解梦文字有 " << badPairs << " 处损坏的编码，已跳过\n";
        return 0;
    }
    const auto found = tools::TitlesContaining(tools::LoadDreamTree(categories, titles), text);
    if (found.empty()) {
        err << "没有找到与" << text << "有关的梦\n";
        return 1;
    }
    for (const std::string& title : found) out << title << '\n';
    return 0;
}

}  // namespace velmora::cli
