#include "store/query.h"

#include <strings.h>
#include <sys/stat.h>

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

// What went wrong with a file, in the user's words; SQLite's own text follows
// in parentheses for whoever has to mend it.
std::string Reason(int code, const std::string& detail) {
    const char* reason;
    switch (code & 0xFF) {
        case SQLITE_CANTOPEN:
            reason = "文件不存在或无法打开";
            break;
        case SQLITE_NOTADB:
            reason = "不是有效的数据库文件";
            break;
        case SQLITE_CORRUPT:
            reason = "文件已损坏或不完整";
            break;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            reason = "文件正被其他程序锁定";
            break;
        case SQLITE_IOERR:
            reason = "读文件出错";
            break;
        case SQLITE_PERM:
        case SQLITE_AUTH:
            reason = "没有读取权限";
            break;
        default:
            reason = "缺少所需的表或字段";
    }
    return std::string(reason) + "（" + detail + "）";
}

// The file's name as the user knows it, then its full path.
std::string FileText(const std::string& path) {
    const std::string name = path.substr(path.find_last_of('/') + 1);
    return "数据库文件" + name + "（" + path + "）";
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

void ResultRows::AddText(std::string_view text) {
    Cell& cell = cells_.emplace_back();
    cell.kind = Cell::Kind::Text;
    cell.offset = texts_.size();
    texts_.append(text);
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
        throw DatabaseError(FileText(connection_) + "无法打开：" + Reason(rc, message),
                            connection_);
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);  // a lock held elsewhere is waited for briefly
    // Pages are read through a memory map instead of being copied into a page
    // cache: whole tables read once per process cost a fraction. The files
    // are never changed in place (the builder writes new ones and renames
    // them), which is what makes a map safe.
    sqlite3_exec(db_, "PRAGMA mmap_size = 1073741824", nullptr, nullptr, nullptr);
    // A file cut short still opens, and SQLite reads its missing pages as
    // zeros; the page count in its header gives it away. Reading the header
    // also meets a lock held by a writer at once.
    long long header[2] = {0, 0};  // page count, page size
    const char* pragmas[2] = {"PRAGMA page_count", "PRAGMA page_size"};
    for (int i = 0; i < 2; ++i) {
        sqlite3_stmt* pragma = nullptr;
        rc = sqlite3_prepare_v2(db_, pragmas[i], -1, &pragma, nullptr);
        if (rc == SQLITE_OK) rc = sqlite3_step(pragma);
        if (rc == SQLITE_ROW) header[i] = sqlite3_column_int64(pragma, 0);
        sqlite3_finalize(pragma);
        if (rc != SQLITE_ROW) {
            std::string message = FileText(connection_) + "读取失败：" +
                                  Reason(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_));
            ReleaseConnection();
            throw DatabaseError(message, connection_);
        }
    }
    struct stat file {};
    if (stat(connection_.c_str(), &file) == 0 && file.st_size < header[0] * header[1]) {
        ReleaseConnection();
        throw DatabaseError(FileText(connection_) + "读取失败：" +
                                Reason(SQLITE_CORRUPT, "file is shorter than its header says"),
                            connection_);
    }
}

void Query::Fail(int code) {
    std::string message = FileText(connection_) + "读取失败：" + Reason(code, sqlite3_errmsg(db_));
    if (statement_) sqlite3_reset(statement_);
    throw DatabaseError(message, connection_);
}

void Query::ReleaseConnection() {
    if (statement_) sqlite3_finalize(statement_);
    statement_ = nullptr;
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

void Query::Open() {
    rows_ = Execute(nullptr);
    current_ = 1;
    open_ = true;
}

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
            statement_ = nullptr;
            Fail(sqlite3_extended_errcode(db_));
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
                case SQLITE_BLOB: {
                    // Read as it is stored: asking for text would copy it once more.
                    auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, c));
                    rows.AddText(std::string_view(
                        bytes, static_cast<size_t>(sqlite3_column_bytes(statement_, c))));
                    break;
                }
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
    if (rc == SQLITE_INTERRUPT) {
        sqlite3_reset(statement_);
        throw DatabaseError(
            FileText(connection_) + "查询超时（超过 " + std::to_string(timeout_seconds_) + " 秒）",
            connection_);
    }
    if (rc != SQLITE_DONE) Fail(sqlite3_extended_errcode(db_));
    sqlite3_reset(statement_);
    return rows;
}

bool Query::ReadBlob(const char* table, const char* column, long long rowid,
                     const std::function<void*(size_t size)>& into) {
    Close();
    EnsureConnection();
    sqlite3_blob* blob = nullptr;
    int rc = sqlite3_blob_open(db_, "main", table, column, rowid, 0, &blob);
    if (rc != SQLITE_OK) {
        // A missing row is reported as a plain error with this text.
        const bool noRow = std::string_view(sqlite3_errmsg(db_)).starts_with("no such rowid");
        sqlite3_blob_close(blob);
        if (noRow) return false;
        Fail(rc);
    }
    const int size = sqlite3_blob_bytes(blob);
    void* target = into(static_cast<size_t>(size));
    rc = size > 0 ? sqlite3_blob_read(blob, target, size, 0) : SQLITE_OK;
    if (rc != SQLITE_OK) {
        sqlite3_blob_close(blob);
        Fail(rc);
    }
    sqlite3_blob_close(blob);
    return true;
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
