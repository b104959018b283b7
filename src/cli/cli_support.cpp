#include <iostream>

#include "base/text.h"
#include "cli/commands.h"

namespace velmora::cli {

void StreamSink::AppendLine(std::string_view line) { out_ << line << '\n'; }

std::vector<std::string> ArgsOrStdinLines(const Args& args) {
    if (args.size() != 1 || args[0] != "-") return args;
    std::vector<std::string> lines;
    ForEachLine(std::cin, [&](const std::string& line) { lines.push_back(line); });
    return lines;
}

size_t ForEachLine(std::istream& in, const std::function<void(const std::string& line)>& line) {
    size_t count = 0;
    std::string text;
    while (std::getline(in, text)) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        RequireUtf8(text, "第" + std::to_string(count + 1) + "行输入");
        line(text);
        ++count;
    }
    return count;
}

}  // namespace velmora::cli
