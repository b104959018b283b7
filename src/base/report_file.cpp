#include "base/report_file.h"

#include <cstdio>

#include "base/gbk.h"
#include "base/text.h"

namespace velmora {

bool IsBlankReport(std::string_view text) { return Trim(text).empty(); }

std::string SavedReportPath(std::string_view chosen_name) {
    return std::string(chosen_name) + ".txt";
}

std::string ProposedSaveName(std::string_view default_name) {
    std::string name = Trim(default_name);
    if (name.find_first_of("*/<>?\\|") != std::string::npos) return "*.txt";
    return name;
}

bool WriteReportFile(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += gbk::Encode(line);
        bytes += "\r\n";
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = (std::fclose(file) == 0) && ok;
    return ok;
}

}  // namespace velmora
