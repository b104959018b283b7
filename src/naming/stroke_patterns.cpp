#include "naming/stroke_patterns.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>
#include <stdexcept>
#include <tuple>

#include "base/errors.h"
#include "store/query.h"

namespace velmora::naming {
namespace {

static_assert(std::endian::native == std::endian::little,
              "gz_packed holds little-endian integers, read as they are");

constexpr std::int32_t kNoScore = INT32_MIN;

}  // namespace

std::optional<StrokeKey> PackStrokes(std::span<const long long> strokes, int first) {
    StrokeKey key = 0;
    for (size_t i = 0; i < strokes.size(); ++i) {
        const int position = first + static_cast<int>(i);
        if (strokes[i] < 0 || strokes[i] > 0xFFFF || position > 3) return std::nullopt;
        key |= static_cast<StrokeKey>(strokes[i]) << (16 * (3 - position));
    }
    return key;
}

const StrokePatterns& StrokePatterns::Of(const std::string& connection, int length) {
    // A rebuilt database file gets a new modification time and is read again.
    std::error_code ignored;
    const auto stamp = std::filesystem::last_write_time(connection, ignored);
    using CacheKey = std::tuple<std::string, int, std::filesystem::file_time_type>;
    static std::mutex mutex;
    static std::map<CacheKey, std::unique_ptr<StrokePatterns>> cache;
    std::lock_guard lock(mutex);
    std::unique_ptr<StrokePatterns>& entry = cache[{connection, length, stamp}];
    if (!entry) entry = std::make_unique<StrokePatterns>(Load(connection, length));
    return *entry;
}

StrokePatterns StrokePatterns::Load(const std::string& connection, int length) {
    store::Query packed(connection, store::Query::kSearchTimeout);
    packed.SetSql("select patterns from gz_packed where lx = ?");
    packed.SetParams({static_cast<long long>(length)});
    packed.Open();
    StrokePatterns table;
    if (packed.RowCount() == 0) return table;
    const std::string_view bytes = packed.FieldAt(0).Text();
    constexpr size_t kRecord = sizeof(StrokeKey) + sizeof(std::int32_t);
    if (bytes.size() % kRecord != 0)
        throw DatabaseError("数据库文件" + connection + "读取失败：gz_packed 第 " +
                                std::to_string(length) + " 行的长度不对",
                            connection);
    const size_t n = bytes.size() / kRecord;
    table.keys_.resize(n);
    table.scores_.resize(n);
    std::memcpy(table.keys_.data(), bytes.data(), n * sizeof(StrokeKey));
    std::memcpy(table.scores_.data(), bytes.data() + n * sizeof(StrokeKey),
                n * sizeof(std::int32_t));
    return table;
}

std::pair<size_t, size_t> StrokePatterns::Find(StrokeKey key) const {
    auto [first, last] = std::equal_range(keys_.begin(), keys_.end(), key);
    return {static_cast<size_t>(first - keys_.begin()), static_cast<size_t>(last - keys_.begin())};
}

StrokePattern StrokePatterns::At(size_t i) const {
    return {keys_[i], scores_[i] == kNoScore ? std::nullopt : std::optional<int>(scores_[i])};
}

void WritePackedStrokePatterns(sqlite3* db) {
    auto check = [db](int rc, int expected) {
        if (rc != expected)
            throw std::runtime_error(std::string("gz_packed: ") + sqlite3_errmsg(db));
    };
    sqlite3_stmt* read = nullptr;
    sqlite3_stmt* write = nullptr;
    check(sqlite3_prepare_v2(db,
                             "select bh11, bh12, bh21, bh22, zf from gz where lx = ? "
                             "order by bh11, bh12, bh21, bh22, rowid",
                             -1, &read, nullptr),
          SQLITE_OK);
    check(sqlite3_prepare_v2(db, "insert into gz_packed (lx, patterns) values (?, ?)", -1, &write,
                             nullptr),
          SQLITE_OK);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> readOwner(read, sqlite3_finalize);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> writeOwner(write, sqlite3_finalize);

    for (int length = 2; length <= 4; ++length) {
        std::vector<StrokePattern> patterns;
        sqlite3_reset(read);
        sqlite3_bind_int(read, 1, length);
        int rc;
        while ((rc = sqlite3_step(read)) == SQLITE_ROW) {
            long long strokes[4];
            bool complete = true;
            for (int k = 0; k < length; ++k) {
                complete = complete && sqlite3_column_type(read, k) != SQLITE_NULL;
                strokes[k] = sqlite3_column_int64(read, k);
            }
            const std::optional<StrokeKey> key =
                complete ? PackStrokes({strokes, static_cast<size_t>(length)}) : std::nullopt;
            if (!key) continue;  // matches nothing
            std::optional<int> zf;
            if (sqlite3_column_type(read, 4) != SQLITE_NULL)
                zf = static_cast<int>(sqlite3_column_int64(read, 4));
            patterns.push_back({*key, zf});
        }
        check(rc, SQLITE_DONE);
        // The query's order is the key order while strokes are whole numbers;
        // a table that stores them otherwise is sorted here.
        std::stable_sort(
            patterns.begin(), patterns.end(),
            [](const StrokePattern& a, const StrokePattern& b) { return a.key < b.key; });

        std::vector<unsigned char> blob(patterns.size() * (sizeof(StrokeKey) + 4));
        unsigned char* at = blob.data();
        for (const StrokePattern& p : patterns) {
            std::memcpy(at, &p.key, sizeof p.key);
            at += sizeof p.key;
        }
        for (const StrokePattern& p : patterns) {
            const std::int32_t score = p.zf ? *p.zf : kNoScore;
            std::memcpy(at, &score, sizeof score);
            at += sizeof score;
        }
        sqlite3_reset(write);
        sqlite3_bind_int(write, 1, length);
        if (blob.empty())
            sqlite3_bind_zeroblob(write, 2, 0);  // a null pointer would bind NULL
        else
            sqlite3_bind_blob64(write, 2, blob.data(), blob.size(), SQLITE_TRANSIENT);
        check(sqlite3_step(write), SQLITE_DONE);
    }
}

void PreloadStrokePatterns(const std::string& connection) {
    try {
        for (int length = 2; length <= 4; ++length) StrokePatterns::Of(connection, length);
    } catch (const DatabaseError&) {
    }
}

}  // namespace velmora::naming
