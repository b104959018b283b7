#pragma once
// The subcommands of velmora-cli. Each takes its own arguments (after the
// subcommand's name) and returns the process exit code: 0 success,
// 1 a conversion or database error, 2 bad usage or a validation message.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "base/report_sink.h"

namespace velmora::cli {

using Args = std::vector<std::string>;

struct Command {
    std::string_view name;
    std::string_view synopsis;  // one line for --help
    std::string_view usage;     // what COMMAND --help prints
    int (*run)(const Args& args, std::ostream& out, std::ostream& err);
};

// Prints report lines to a stream, one per line.
class StreamSink : public ReportSink {
  public:
    explicit StreamSink(std::ostream& out) : out_(out) {}
    void Clear() override {}
    void AppendLine(std::string_view line) override;

  private:
    std::ostream& out_;
};

// Reads standard input line by line (without CR or LF) when the single
// argument is "-", otherwise returns the arguments as they are. A line that
// is no UTF-8 raises ConversionError.
std::vector<std::string> ArgsOrStdinLines(const Args& args);

// Hands each line of `in` (without CR or LF) to `line` as it is read, so a
// batch prints its first results before its last input arrives. Returns the
// number of lines.
size_t ForEachLine(std::istream& in, const std::function<void(const std::string& line)>& line);

}  // namespace velmora::cli
