#include <iostream>

#include "base/text.h"
#include "cli/commands.h"

namespace velmora::cli {

void StreamSink::AppendLine(std::string_view line) { out_ << line << '\n'; }

std::vector<std::string> ArgsOrStdinLines(const Args& args) {
    if (args.size() != 1 || args[0] != "-") return args;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        RequireUtf8(line, "第" + std::to_string(lines.size() + 1) + "行输入");
        lines.push_back(line);
    }
    return lines;
}

}  // namespace velmora::cli
