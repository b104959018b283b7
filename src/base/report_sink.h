#pragma once
// Where report writers put their lines. The desktop's memo adapter, the CLI's
// stdout adapter and the tests' vector all implement it, so every front end
// prints the very same lines.

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class ReportSink {
public:
    virtual ~ReportSink() = default;
    virtual void Clear() = 0;
    virtual void AppendLine(std::string_view line) = 0;
};

class VectorSink : public ReportSink {
public:
    void Clear() override { lines.clear(); }
    void AppendLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

}  // namespace velmora
