#pragma once
// A query object: one SQL text bound to one database file, opened read-only.
// Opening fetches the whole result into memory; rows are numbered from 1 and
// any row can be made current. Every value from the user or the data is a
// bound parameter, never spliced into the SQL text.

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/dates.h"

namespace velmora::store {

// A bound parameter: NULL, integer, number or text.
using Param = std::variant<std::monostate, long long, double, std::string>;

// One cell of a fetched row.
class Field {
public:
    using Value = std::variant<std::monostate, long long, double, std::string>;
    Field() = default;
    explicit Field(const Value* value) : value_(value) {}

    bool IsNull() const;
    std::string AsText() const;   // NULL -> ""
    long long AsInteger() const;  // NULL -> 0; text that is no integer -> ConversionError
    double AsNumber() const;      // NULL -> 0; text that is no number -> ConversionError
    DateValue AsDate() const;     // ISO "yyyy-MM-dd[ HH:mm:ss]" text -> date value

private:
    const Value* value_ = nullptr;
};

class Query {
public:
    // Default command time-outs of the program's query objects.
    static constexpr int kSearchTimeout = 120;
    static constexpr int kLookupTimeout = 60;
    static constexpr int kDefaultTimeout = 30;

    explicit Query(int timeout_seconds = kDefaultTimeout);
    Query(std::string connection, int timeout_seconds);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Binding never fails; a missing file is reported when the query opens.
    void Bind(std::string connection);
    const std::string& Connection() const { return connection_; }

    // Replacing the SQL text clears the parameters.
    void SetSql(std::string sql);
    const std::string& Sql() const { return sql_; }
    void SetParams(std::vector<Param> params) { params_ = std::move(params); }
    void AddParam(Param param) { params_.push_back(std::move(param)); }

    int TimeoutSeconds() const { return timeout_seconds_; }
    void SetTimeoutSeconds(int seconds) { timeout_seconds_ = seconds; }

    // Runs the SQL and fetches every row; raises DatabaseError on failure
    // (no file, bad SQL, time-out). An open query is closed first.
    void Open();
    // Drops the result; closing a closed query does nothing.
    void Close();
    bool IsOpen() const { return open_; }

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // 1-based current row; RowCount() + 1 once Next() has passed the last row.
    int CurrentRow() const { return current_; }
    void MoveTo(int row);
    void First() { current_ = 1; }
    void Next() { ++current_; }
    bool AtEnd() const { return current_ > RowCount(); }

    int FieldCount() const { return static_cast<int>(columns_.size()); }
    const std::string& FieldName(int index) const { return columns_.at(index); }
    // Fields of the current row; by name (case-insensitive) or by position from 0.
    Field FieldAt(int index) const;
    Field FieldByName(std::string_view name) const;

private:
    void EnsureConnection();
    void ReleaseConnection();

    std::string connection_;
    std::string sql_;
    std::vector<Param> params_;
    int timeout_seconds_;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;  // kept prepared while the SQL text stays the same
    bool open_ = false;
    std::vector<std::string> columns_;
    std::vector<std::vector<Field::Value>> rows_;
    int current_ = 1;
};

}  // namespace velmora::store
