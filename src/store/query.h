#pragma once
// A query object: one SQL text bound to one database file, opened read-only.
// Opening fetches the whole result into memory; rows are numbered from 1 and
// any row can be made current. Every value from the user or the data is a
// bound parameter, never spliced into the SQL text.

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/dates.h"

namespace velmora::store {

// A bound parameter: NULL, integer, number or text.
using Param = std::variant<std::monostate, long long, double, std::string>;

// One stored value of a fetched row. Texts live in the query's text buffer,
// so a large result costs two growing arrays instead of one allocation a cell.
struct Cell {
    enum class Kind : unsigned char { Null, Integer, Number, Text };
    Kind kind = Kind::Null;
    unsigned length = 0;  // bytes of a text
    union {
        long long integer = 0;
        double number;
        size_t offset;  // start of a text in the buffer
    };
};

// One cell of a fetched row, valid while its query stays open.
class Field {
  public:
    Field() = default;
    Field(const Cell* cell, const char* texts) : cell_(cell), texts_(texts) {}

    bool IsNull() const;
    std::string AsText() const;   // NULL -> ""
    long long AsInteger() const;  // NULL -> 0; text that is no integer -> ConversionError
    double AsNumber() const;      // NULL -> 0; text that is no number -> ConversionError
    DateValue AsDate() const;     // ISO "yyyy-MM-dd[ HH:mm:ss]" text -> date value
    // The stored bytes of a text or BLOB, without a copy; empty for other kinds.
    std::string_view Text() const {
        return cell_ && cell_->kind == Cell::Kind::Text
                   ? std::string_view(texts_ + cell_->offset, cell_->length)
                   : std::string_view();
    }

  private:
    const Cell* cell_ = nullptr;
    const char* texts_ = nullptr;
};

// The rows of a result, row after row, as Query fetches them.
class ResultRows {
  public:
    ResultRows() = default;
    explicit ResultRows(std::vector<std::string> columns) : columns_(std::move(columns)) {}

    const std::vector<std::string>& Columns() const { return columns_; }
    int RowCount() const {
        return columns_.empty() ? 0 : static_cast<int>(cells_.size() / columns_.size());
    }
    // The next cell of the row being filled; a row is complete after one
    // cell per column.
    void AddNull() { cells_.emplace_back(); }
    void AddInteger(long long value);
    void AddNumber(double value);
    void AddText(std::string_view text);

    // Drops the rows, keeps the columns and the room the rows took.
    void ClearRows() {
        cells_.clear();
        texts_.clear();
    }

    Field FieldAt(int row, int column) const {
        return Field(&cells_[static_cast<size_t>(row - 1) * columns_.size() + column],
                     texts_.data());
    }

  private:
    std::vector<std::string> columns_;
    std::vector<Cell> cells_;
    std::string texts_;
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
    // Runs the SQL like Open but hands each row to `row` (as row 1 of its
    // argument) instead of keeping it: for large reads the caller turns into a
    // structure of its own. The query is closed afterwards.
    void Scan(const std::function<void(const ResultRows& row)>& row);
    // Reads one BLOB cell, named by table, column and rowid, straight into
    // memory of the caller's: `into` gets the cell's size and returns where
    // its bytes go. False when there is no such row. Raises DatabaseError.
    bool ReadBlob(const char* table, const char* column, long long rowid,
                  const std::function<void*(size_t size)>& into);
    // Drops the result; closing a closed query does nothing.
    void Close();
    bool IsOpen() const { return open_; }

    int RowCount() const { return rows_.RowCount(); }
    // 1-based current row; RowCount() + 1 once Next() has passed the last row.
    int CurrentRow() const { return current_; }
    void MoveTo(int row);
    void First() { current_ = 1; }
    void Next() { ++current_; }
    bool AtEnd() const { return current_ > RowCount(); }

    int FieldCount() const { return static_cast<int>(rows_.Columns().size()); }
    const std::string& FieldName(int index) const { return rows_.Columns().at(index); }
    // Fields of the current row; by name (case-insensitive) or by position from 0.
    Field FieldAt(int index) const;
    Field FieldByName(std::string_view name) const;

  private:
    void EnsureConnection();
    // Raises the DatabaseError of a failed SQLite call on the connection.
    [[noreturn]] void Fail(int code);
    // Runs the SQL into `rows`, calling `afterRow` (when set) after each row.
    ResultRows Execute(const std::function<void(ResultRows& rows)>& afterRow);
    void ReleaseConnection();

    std::string connection_;
    std::string sql_;
    std::vector<Param> params_;
    int timeout_seconds_;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;  // kept prepared while the SQL text stays the same
    bool open_ = false;
    ResultRows rows_;
    int current_ = 1;
};

}  // namespace velmora::store
