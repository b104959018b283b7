#include "store/data_check.h"

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "store/catalogue.h"
#include "store/connection.h"

namespace velmora::store {
namespace {

// The table names of a file's catalogue DDL, in order.
std::vector<std::string> TableNames(DataFile file) {
    constexpr std::string_view kCreate = "CREATE TABLE ";
    const std::string_view sql = SchemaSql(file);
    std::vector<std::string> names;
    for (size_t at = sql.find(kCreate); at != std::string_view::npos; at = sql.find(kCreate, at)) {
        at += kCreate.size();
        const size_t end = sql.find_first_of(" (", at);
        names.emplace_back(sql.substr(at, end - at));
    }
    return names;
}

// The fault of one file, empty when it reads.
std::string FaultOf(DataFile file) {
    const std::string path = BuildConnectionString(file);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return "文件不存在";
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close_v2);
    if (rc != SQLITE_OK)
        return "无法打开：" + std::string(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc));
    sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);
    for (const std::string& table : TableNames(file)) {
        const std::string sql = "SELECT 1 FROM \"" + table + "\" LIMIT 1";
        sqlite3_stmt* statement = nullptr;
        int step = sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &statement, nullptr);
        if (step == SQLITE_OK) step = sqlite3_step(statement);
        sqlite3_finalize(statement);
        if (step != SQLITE_ROW && step != SQLITE_DONE)
            return "无法读取数据表" + table + "：" + sqlite3_errmsg(db.get());
    }
    return {};
}

}  // namespace

std::optional<std::string> CheckDataFiles() {
    std::string faults;
    for (DataFile file : kAllDataFiles)
        if (const std::string fault = FaultOf(file); !fault.empty())
            faults += BuildConnectionString(file) + "（" + fault + "）\n";
    if (faults.empty()) return std::nullopt;
    return "以下数据库文件缺失或无法读取，用到它们的功能将报错：\n" + faults +
           "请在程序的源码目录运行 " + std::string(kRebuildCommand) + " 重新生成数据库。";
}

}  // namespace velmora::store
