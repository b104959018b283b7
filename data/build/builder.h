#pragma once
// Shared pieces of velmora-databuild: a writable SQLite database, a row
// inserter with bound parameters, and a reader for the TSV sources.

#include <sqlite3.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "store/query.h"

namespace velmora::databuild {

class Database {
public:
    explicit Database(const std::filesystem::path& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void Exec(std::string_view sql);
    sqlite3* Handle() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// Inserts rows into one table through one prepared statement.
class Inserter {
public:
    Inserter(Database& db, std::string_view table, std::initializer_list<std::string_view> columns);
    ~Inserter();
    Inserter(const Inserter&) = delete;
    Inserter& operator=(const Inserter&) = delete;

    void Row(const std::vector<store::Param>& values);
    int Count() const { return count_; }

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    size_t columns_;
    int count_ = 0;
};

// A UTF-8 TSV source: one record per line, fields split on TAB; lines that
// start with '#' and blank lines are skipped. Throws when the file is missing.
std::vector<std::vector<std::string>> ReadTsv(const std::filesystem::path& path);

// Everything a filler may need: where the sources are, and the open databases.
struct BuildContext {
    std::filesystem::path sources;
    Database* vudazod;
    Database* kelfile;
    Database* kelbirth;
    Database* dream;
    Database* tgcode;
};

// One filler per database file; each lives in its own source file.
void FillVudazod(BuildContext& context);
void FillKelFile(BuildContext& context);
void FillKelBirth(BuildContext& context);
void FillDream(BuildContext& context);
void FillMobileReadings(BuildContext& context);  // dream.db's shouji
void FillTgcode(BuildContext& context);

}  // namespace velmora::databuild
