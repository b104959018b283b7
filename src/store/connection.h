#pragma once
// Which database file a query reads, and where the files are found.

#include <string>
#include <string_view>

namespace velmora::store {

enum class DataFile { Vudazod, KelFile, KelBirth, Dream, Tgcode };

inline constexpr DataFile kAllDataFiles[] = {DataFile::Vudazod, DataFile::KelFile,
                                             DataFile::KelBirth, DataFile::Dream, DataFile::Tgcode};

// "Vudazod.db", "KelFile.db", "KelBirth.db", "dream.db", "Tgcode.db".
std::string_view FileName(DataFile file);

// The folder that holds the databases, ending with '/': the environment
// variable VELMORA_DATA when it is set and not empty, else "data/" beside the
// running executable, else share/velmora/data of an installed program. Tests
// may point it elsewhere with SetDataFolder, which also makes the kept tables
// look at their files again.
std::string DataFolder();
void SetDataFolder(std::string folder);

// How long a connection waits for a lock another process holds on its file
// before the read fails.
inline constexpr int kBusyTimeoutMs = 2000;

// The connection a query binds to: the full path of the file in DataFolder().
std::string BuildConnectionString(DataFile file);

}  // namespace velmora::store
