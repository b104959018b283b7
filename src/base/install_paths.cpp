#include "base/install_paths.h"

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <system_error>

namespace velmora {

std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "./";
    const std::string full(path, static_cast<size_t>(n));
    return full.substr(0, full.find_last_of('/') + 1);
}

std::string ResourceFolder(std::string_view name) {
    namespace fs = std::filesystem;
    const std::string exe = ExecutableFolder();
    const std::string beside = exe + std::string(name) + "/";
    const std::string shared =
        (fs::path(exe).parent_path().parent_path() / "share" / "velmora" / name).string() + "/";
    std::error_code error;
    if (fs::is_directory(beside, error)) return beside;
    if (fs::is_directory(shared, error)) return shared;
    return beside;
}

}  // namespace velmora
