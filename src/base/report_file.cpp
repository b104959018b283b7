#include "base/report_file.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/gbk.h"
#include "base/text.h"

namespace velmora {

bool IsBlankReport(std::string_view text) { return Trim(text).empty(); }

std::string SavedReportPath(std::string_view chosen_name) {
    std::string path(chosen_name);
    const bool has_txt = path.size() >= 4 && (path[path.size() - 4] == '.') &&
                         std::tolower(static_cast<unsigned char>(path[path.size() - 3])) == 't' &&
                         std::tolower(static_cast<unsigned char>(path[path.size() - 2])) == 'x' &&
                         std::tolower(static_cast<unsigned char>(path[path.size() - 1])) == 't';
    return has_txt ? path : path + ".txt";
}

std::string ProposedSaveName(std::string_view default_name) {
    std::string name = Trim(default_name);
    if (name.find_first_of("*/<>?\\|") != std::string::npos) return "*.txt";
    return name;
}

bool WriteReportFile(const std::string& path, const std::vector<std::string>& lines,
                     std::string* reason) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += gbk::Encode(line);
        bytes += "\r\n";
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool ok = file != nullptr;
    if (ok) ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file) ok = (std::fclose(file) == 0) && ok;
    if (!ok && reason) *reason = errno != 0 ? std::strerror(errno) : "write error";
    return ok;
}

}  // namespace velmora
