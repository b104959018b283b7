#include "store/table_cache.h"

#include <sys/stat.h>

namespace velmora::store {

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat file {};
    if (stat(path.c_str(), &file) != 0) return std::nullopt;
    return FileStamp{
        file.st_dev, file.st_ino, file.st_size,
        static_cast<long long>(file.st_mtim.tv_sec) * 1000000000LL + file.st_mtim.tv_nsec};
}

}  // namespace velmora::store
