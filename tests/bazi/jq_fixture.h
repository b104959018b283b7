#pragma once
// A throw-away data folder whose Tgcode.db holds the built lookup tables but
// only the JQ rows a test gives, so a test can show what the engine does with
// or without a 节 on a given day. Other database files are absent.

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/catalogue.h"
#include "store/connection.h"

namespace velmora::testing {

struct JqRow {
    int year;
    std::string name;
    std::string instant;  // "yyyy-MM-dd HH:mm:ss"
};

class JqFixture {
  public:
    explicit JqFixture(const std::vector<JqRow>& rows) {
        const std::string built = store::BuildConnectionString(store::DataFile::Tgcode);
        folder_ = std::filesystem::temp_directory_path() /
                  ("velmora_jq_" + std::to_string(getpid()) + "_" + std::to_string(++counter_));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        sqlite3* db = nullptr;
        if (sqlite3_open((folder_ / "Tgcode.db").c_str(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot create the fixture database");
        Exec(db, std::string(store::SchemaSql(store::DataFile::Tgcode)));
        Exec(db, "ATTACH DATABASE '" + built + "' AS built");
        Exec(db, "INSERT INTO hzwh SELECT * FROM built.hzwh");
        Exec(db, "INSERT INTO Shishen SELECT * FROM built.Shishen");
        Exec(db, "INSERT INTO jiazi SELECT * FROM built.jiazi");
        Exec(db, "DETACH DATABASE built");
        for (const JqRow& r : rows)
            Exec(db, "INSERT INTO JQ VALUES (" + std::to_string(r.year) + ", '" + r.name + "', '" +
                         r.instant + "')");
        sqlite3_close(db);
        store::SetDataFolder(folder_.string());
    }
    ~JqFixture() {
        store::SetDataFolder("");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    JqFixture(const JqFixture&) = delete;
    JqFixture& operator=(const JqFixture&) = delete;

  private:
    static void Exec(sqlite3* db, const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::string message = error ? error : "?";
            sqlite3_free(error);
            throw std::runtime_error("fixture: " + message);
        }
    }
    static inline int counter_ = 0;
    std::filesystem::path folder_;
};

}  // namespace velmora::testing
