#include "builder.h"

#include <fstream>
#include <stdexcept>

#include "base/text.h"

namespace velmora::databuild {

Database::Database(const std::filesystem::path& path) {
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK)
        throw std::runtime_error("cannot create " + path.string());
    Exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;");
}

Database::~Database() {
    sqlite3_exec(db_, "COMMIT; ANALYZE;", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
}

void Database::Exec(std::string_view sql) {
    char* error = nullptr;
    std::string text(sql);
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error("SQL failed: " + message + " in: " + text.substr(0, 200));
    }
}

Inserter::Inserter(Database& db, std::string_view table,
                   std::initializer_list<std::string_view> columns)
    : db_(db.Handle()), columns_(columns.size()) {
    std::string sql = "INSERT INTO " + std::string(table) + " (";
    std::string marks;
    for (auto column : columns) {
        if (!marks.empty()) {
            sql += ", ";
            marks += ", ";
        }
        sql += column;
        marks += "?";
    }
    sql += ") VALUES (" + marks + ")";
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot prepare " + sql + ": " + sqlite3_errmsg(db_));
}

Inserter::~Inserter() { sqlite3_finalize(statement_); }

void Inserter::Row(const std::vector<store::Param>& values) {
    if (values.size() != columns_) throw std::runtime_error("row has the wrong number of values");
    sqlite3_reset(statement_);
    for (size_t i = 0; i < values.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        const auto& v = values[i];
        if (auto* n = std::get_if<long long>(&v)) sqlite3_bind_int64(statement_, index, *n);
        else if (auto* d = std::get_if<double>(&v)) sqlite3_bind_double(statement_, index, *d);
        else if (auto* s = std::get_if<std::string>(&v))
            sqlite3_bind_text(statement_, index, s->data(), static_cast<int>(s->size()),
                              SQLITE_TRANSIENT);
        else sqlite3_bind_null(statement_, index);
    }
    if (sqlite3_step(statement_) != SQLITE_DONE)
        throw std::runtime_error(std::string("insert failed: ") + sqlite3_errmsg(db_));
    ++count_;
}

std::vector<std::vector<std::string>> ReadTsv(const std::filesystem::path& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("missing source " + path.string());
    std::vector<std::vector<std::string>> records;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (Trim(line).empty() || line.front() == '#') continue;
        records.push_back(Split(line, '\t'));
    }
    return records;
}

}  // namespace velmora::databuild
