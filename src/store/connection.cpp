#include "store/connection.h"

#include <atomic>
#include <cstdlib>

#include "base/install_paths.h"
#include "store/table_cache.h"

namespace velmora::store {
namespace {

std::atomic<unsigned> folderGeneration = 0;

std::string& FolderOverride() {
    static std::string folder;
    return folder;
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
        if (chosen == nullptr || *chosen == '\0') return ResourceFolder("data");
        std::string path(chosen);
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
