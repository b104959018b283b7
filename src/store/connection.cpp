#include "store/connection.h"

#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstdlib>

#include "store/table_cache.h"

namespace velmora::store {
namespace {

std::atomic<unsigned> folderGeneration = 0;

std::string& FolderOverride() {
    static std::string folder;
    return folder;
}

std::string ExecutableFolder() {
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "./";
    std::string full(path, static_cast<size_t>(n));
    return full.substr(0, full.find_last_of('/') + 1);
}

}  // namespace

std::string_view FileName(DataFile file) {
    switch (file) {
        case DataFile::Vudazod: return "Vudazod.db";
        case DataFile::KelFile: return "KelFile.db";
        case DataFile::KelBirth: return "KelBirth.db";
        case DataFile::Dream: return "dream.db";
        case DataFile::Tgcode: return "Tgcode.db";
    }
    return {};
}

std::string DataFolder() {
    if (!FolderOverride().empty()) return FolderOverride();
    static const std::string folder = [] {
        const char* chosen = std::getenv("VELMORA_DATA");
        if (!chosen || !*chosen) return ExecutableFolder() + "data/";
        std::string path = chosen;
        if (path.back() != '/') path += '/';
        return path;
    }();
    return folder;
}

void SetDataFolder(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    FolderOverride() = std::move(folder);
    ++folderGeneration;
}

unsigned DataFolderGeneration() { return folderGeneration; }

std::string BuildConnectionString(DataFile file) {
    return DataFolder() + std::string(FileName(file));
}

}  // namespace velmora::store
