// The start-up check of the database files, on a copy of the built data
// folder with one file spoiled at a time.
#include "store/data_check.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "base/errors.h"
#include "store/connection.h"
#include "store/query.h"

namespace velmora::store {
namespace {

namespace fs = std::filesystem;

class DataFolderCopy {
  public:
    DataFolderCopy() {
        folder_ = fs::temp_directory_path() / ("velmora_check_" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::copy(DataFolder(), folder_);
        SetDataFolder(folder_.string());
    }
    ~DataFolderCopy() {
        SetDataFolder("");
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path File(DataFile file) const { return folder_ / FileName(file); }

  private:
    fs::path folder_;
};

TEST(DataCheck, BuiltFilesPass) { EXPECT_EQ(CheckDataFiles(), std::nullopt); }

TEST(DataCheck, EachSpoiledFileIsNamedWithItsFaultAndTheRebuildCommand) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> spoil;
        const char* fault;
    };
    const Case cases[] = {
        {"missing", [](const fs::path& f) { fs::remove(f); }, "（文件不存在）"},
        {"zero bytes", [](const fs::path& f) { fs::resize_file(f, 0); }, "（无法读取数据表"},
        {"truncated", [](const fs::path& f) { fs::resize_file(f, 3000); }, "（无法"},
        {"no database",
         [](const fs::path& f) { std::ofstream(f, std::ios::trunc) << std::string(8192, 'x'); },
         "（无法"},
        {"a folder", [](const fs::path& f) { fs::remove(f), fs::create_directory(f); },
         "（文件不存在）"},
    };
    for (DataFile file : kAllDataFiles) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(FileName(file)) + " " + c.name);
            DataFolderCopy copy;
            c.spoil(copy.File(file));
            const std::optional<std::string> message = CheckDataFiles();
            ASSERT_TRUE(message.has_value());
            EXPECT_NE(message->find(copy.File(file).string() + c.fault), std::string::npos)
                << *message;
            EXPECT_NE(message->find(kRebuildCommand), std::string::npos);
            for (DataFile other : kAllDataFiles) {  // the sound files are not named
                if (other != file) {
                    EXPECT_EQ(message->find(copy.File(other).string()), std::string::npos);
                }
            }
        }
    }
}

// A file another process holds locked is waited for briefly, then named.
TEST(DataCheck, LockedFileIsNamedAfterTheBusyWait) {
    DataFolderCopy copy;
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(copy.File(DataFile::Dream).c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const std::optional<std::string> message = CheckDataFiles();
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    ASSERT_TRUE(message.has_value());
    EXPECT_NE(message->find(copy.File(DataFile::Dream).string() + "（无法读取数据表"),
              std::string::npos)
        << *message;
    EXPECT_NE(message->find("locked"), std::string::npos) << *message;
}

// A query meeting a lock that is released within the busy time-out waits and
// reads; one held past it fails with a database error.
TEST(BusyTimeout, QueriesWaitBrieflyForALockHeldElsewhere) {
    DataFolderCopy copy;
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(copy.File(DataFile::Dream).c_str(), &writer), SQLITE_OK);
    auto lock = [writer] {
        ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    };
    auto read = [] {
        Query query(BuildConnectionString(DataFile::Dream), Query::kDefaultTimeout);
        query.SetSql("SELECT count(*) FROM sqlite_master");
        query.Open();
        return query.FieldAt(0).AsInteger();
    };
    lock();
    std::thread release([writer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(kBusyTimeoutMs / 4));
        sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    });
    EXPECT_GT(read(), 0);
    release.join();
    lock();
    EXPECT_THROW(read(), DatabaseError);
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
}

}  // namespace
}  // namespace velmora::store
