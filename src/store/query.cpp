#include "store/query.h"

#include <strings.h>

#include <chrono>
#include <cstdlib>

#include "base/errors.h"
#include "base/text.h"
#include "store/connection.h"

namespace velmora::store {
namespace {

using Clock = std::chrono::steady_clock;

struct Deadline {
    Clock::time_point at;
};

// Called by SQLite every few thousand instructions; a non-zero answer
// interrupts the statement with SQLITE_INTERRUPT.
int CheckDeadline(void* context) {
    return Clock::now() > static_cast<Deadline*>(context)->at ? 1 : 0;
}

// SQLite's allocation statistics take a global lock on every allocation; the
// program never reads them, and a search result of 100,000 rows makes a few
// million allocations. Must run before the library initialises itself.
void TurnOffAllocationStatistics() {
    static const bool done = [] {
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        return true;
    }();
    (void)done;
}

}  // namespace

bool Field::IsNull() const { return !cell_ || cell_->kind == Cell::Kind::Null; }

std::string Field::AsText() const {
    if (IsNull()) return {};
    switch (cell_->kind) {
        case Cell::Kind::Text:
            return std::string(Text());
        case Cell::Kind::Integer:
            return std::to_string(cell_->integer);
        default: {
            // Numbers print without trailing zeros, as a user would write them.
            std::string s = std::to_string(cell_->number);
            s.erase(s.find_last_not_of('0') + 1);
            if (!s.empty() && s.back() == '.') s.pop_back();
            return s;
        }
    }
}

long long Field::AsInteger() const {
    if (IsNull()) return 0;
    switch (cell_->kind) {
        case Cell::Kind::Integer:
            return cell_->integer;
        case Cell::Kind::Number:
            return static_cast<long long>(cell_->number);
        default:
            return ToInteger(Text());
    }
}

double Field::AsNumber() const {
    if (IsNull()) return 0;
    if (cell_->kind == Cell::Kind::Integer) return static_cast<double>(cell_->integer);
    if (cell_->kind == Cell::Kind::Number) return cell_->number;
    const std::string text = Trim(Text());
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size())
        throw ConversionError("'" + text + "' is not a valid floating point value");
    return value;
}

DateValue Field::AsDate() const {
    if (IsNull()) return 0;
    if (cell_->kind == Cell::Kind::Number) return cell_->number;
    if (cell_->kind == Cell::Kind::Integer) return static_cast<double>(cell_->integer);
    const std::string text(Text());
    return text.size() > 10 ? ParseDateTime(text) : ParseDate(text);
}

void ResultRows::AddInteger(long long value) {
    Cell& cell = cells_.emplace_back();
    cell.kind = Cell::Kind::Integer;
    cell.integer = value;
}

void ResultRows::AddNumber(double value) {
    Cell& cell = cells_.emplace_back();
    cell.kind = Cell::Kind::Number;
    cell.number = value;
}

void ResultRows::AddText(std::initializer_list<std::string_view> parts) {
    Cell& cell = cells_.emplace_back();
    cell.kind = Cell::Kind::Text;
    cell.offset = texts_.size();
    for (std::string_view part : parts) texts_.append(part);
    cell.length = static_cast<unsigned>(texts_.size() - cell.offset);
}

Query::Query(int timeout_seconds) : timeout_seconds_(timeout_seconds) {}

Query::Query(std::string connection, int timeout_seconds)
    : connection_(std::move(connection)), timeout_seconds_(timeout_seconds) {}

Query::~Query() { ReleaseConnection(); }

void Query::Bind(std::string connection) {
    if (connection == connection_) return;
    Close();
    ReleaseConnection();
    connection_ = std::move(connection);
}

void Query::SetSql(std::string sql) {
    if (sql != sql_ && statement_) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
    sql_ = std::move(sql);
    params_.clear();
}

void Query::EnsureConnection() {
    if (db_) return;
    TurnOffAllocationStatistics();
    int rc = sqlite3_open_v2(connection_.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        ReleaseConnection();
        throw DatabaseError("Cannot open database '" + connection_ + "': " + message);
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);  // a lock held elsewhere is waited for briefly
}

void Query::ReleaseConnection() {
    if (statement_) sqlite3_finalize(statement_);
    statement_ = nullptr;
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

void Query::Open() { Open(Execute(nullptr)); }

void Query::Scan(const std::function<void(const ResultRows& row)>& row) {
    Execute([&row](ResultRows& rows) {
        row(rows);
        rows.ClearRows();
    });
}

ResultRows Query::Execute(const std::function<void(ResultRows& rows)>& afterRow) {
    Close();
    EnsureConnection();
    if (!statement_) {
        if (sqlite3_prepare_v3(db_, sql_.c_str(), static_cast<int>(sql_.size()),
                               SQLITE_PREPARE_PERSISTENT, &statement_, nullptr) != SQLITE_OK) {
            std::string message = sqlite3_errmsg(db_);
            statement_ = nullptr;
            throw DatabaseError("SQL error: " + message);
        }
    }
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    for (size_t i = 0; i < params_.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        const Param& p = params_[i];
        if (auto* n = std::get_if<long long>(&p))
            sqlite3_bind_int64(statement_, index, *n);
        else if (auto* d = std::get_if<double>(&p))
            sqlite3_bind_double(statement_, index, *d);
        else if (auto* s = std::get_if<std::string>(&p))
            sqlite3_bind_text(statement_, index, s->data(), static_cast<int>(s->size()),
                              SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(statement_, index);
    }

    const int columns = sqlite3_column_count(statement_);
    std::vector<std::string> names;
    for (int c = 0; c < columns; ++c) names.emplace_back(sqlite3_column_name(statement_, c));
    ResultRows rows(std::move(names));

    Deadline deadline{Clock::now() + std::chrono::seconds(timeout_seconds_)};
    sqlite3_progress_handler(db_, 1000, CheckDeadline, &deadline);
    int rc;
    while ((rc = sqlite3_step(statement_)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(statement_, c)) {
                case SQLITE_INTEGER:
                    rows.AddInteger(sqlite3_column_int64(statement_, c));
                    break;
                case SQLITE_FLOAT:
                    rows.AddNumber(sqlite3_column_double(statement_, c));
                    break;
                case SQLITE_NULL:
                    rows.AddNull();
                    break;
                default: {
                    auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, c));
                    rows.AddText(std::string_view(
                        text, static_cast<size_t>(sqlite3_column_bytes(statement_, c))));
                }
            }
        }
        if (afterRow) afterRow(rows);
    }
    sqlite3_progress_handler(db_, 0, nullptr, nullptr);
    if (rc != SQLITE_DONE) {
        std::string message = rc == SQLITE_INTERRUPT ? "Query timeout expired (" +
                                                           std::to_string(timeout_seconds_) + " s)"
                                                     : std::string(sqlite3_errmsg(db_));
        sqlite3_reset(statement_);
        throw DatabaseError(message);
    }
    sqlite3_reset(statement_);
    return rows;
}

void Query::Open(ResultRows rows) {
    rows_ = std::move(rows);
    current_ = 1;
    open_ = true;
}

void Query::Close() {
    open_ = false;
    rows_ = ResultRows();
    current_ = 1;
}

void Query::MoveTo(int row) {
    if (row < 1 || row > RowCount())
        throw DatabaseError("Row " + std::to_string(row) + " is out of range");
    current_ = row;
}

Field Query::FieldAt(int index) const {
    if (!open_ || AtEnd() || index < 0 || index >= FieldCount())
        throw DatabaseError("No field " + std::to_string(index) + " on the current row");
    return rows_.FieldAt(current_, index);
}

Field Query::FieldByName(std::string_view name) const {
    const std::vector<std::string>& columns = rows_.Columns();
    for (int c = 0; c < FieldCount(); ++c)
        if (columns[c].size() == name.size() &&
            strncasecmp(columns[c].c_str(), name.data(), name.size()) == 0)
            return FieldAt(c);
    throw DatabaseError("Field '" + std::string(name) + "' not found");
}

}  // namespace velmora::store
