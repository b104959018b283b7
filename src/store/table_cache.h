#pragma once
// Small read-only tables kept in memory. A table is read from its database
// file on first use and kept while the file stays the same (device, inode,
// size and modification time). Looking at the file costs a system call, far
// more than a lookup, so it is looked at again only a second after the last
// look, or at once after SetDataFolder: a process reads a table once, and a
// rebuilt file is read again. A failed read raises DatabaseError and keeps
// nothing.

#include <sys/types.h>

#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace velmora::store {

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// No value when the file cannot be looked at (then reading it reports why).
std::optional<FileStamp> StampOf(const std::string& path);

// Counts the calls of SetDataFolder: a cached table older than the last call
// looks at its file again.
unsigned DataFolderGeneration();

template <typename Table>
class TableCache {
  public:
    using Reader = Table (*)(const std::string& connection);
    explicit TableCache(Reader read) : read_(read) {}

    // The table of the file `connection`, read now if it was not yet or the
    // file has changed since. Safe to call from several threads.
    std::shared_ptr<const Table> Get(const std::string& connection) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point now = Clock::now();
        const unsigned generation = DataFolderGeneration();
        std::lock_guard lock(mutex_);
        auto it = entries_.find(connection);
        if (it != entries_.end() && it->second.generation == generation &&
            now - it->second.looked < std::chrono::seconds(1))
            return it->second.table;
        const std::optional<FileStamp> stamp = StampOf(connection);
        if (stamp && it != entries_.end() && it->second.stamp == *stamp) {
            it->second.generation = generation;
            it->second.looked = now;
            return it->second.table;
        }
        auto table = std::make_shared<const Table>(read_(connection));
        if (stamp) entries_[connection] = Entry{*stamp, generation, now, table};
        return table;
    }

  private:
    struct Entry {
        FileStamp stamp;
        unsigned generation;
        std::chrono::steady_clock::time_point looked;
        std::shared_ptr<const Table> table;
    };
    Reader read_;
    std::mutex mutex_;
    std::map<std::string, Entry> entries_;
};

}  // namespace velmora::store
