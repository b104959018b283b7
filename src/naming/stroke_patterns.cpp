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
    StrokePatterns table;
    size_t bytes = 0;
    store::Query packed(connection, store::Query::kSearchTimeout);
    // The row of a length is its rowid: the BLOB goes straight into place.
    const bool found = packed.ReadBlob("gz_packed", "patterns", length, [&](size_t size) -> void* {
        bytes = size;
        table.blob_ = std::make_unique_for_overwrite<std::uint64_t[]>(size / 8 + 1);
        return table.blob_.get();
    });
    if (!found) return table;
    std::uint32_t widths[2] = {0, 0};
    if (bytes >= sizeof widths) std::memcpy(widths, table.blob_.get(), sizeof widths);
    const size_t record = widths[0] + widths[1];
    if ((widths[0] != 4 && widths[0] != 8) || (widths[1] != 2 && widths[1] != 4) ||
        (bytes - sizeof widths) % record != 0)
        throw DatabaseError("数据库文件" + connection + "读取失败：gz_packed 第 " +
                                std::to_string(length) + " 行的格式不对",
                            connection);
    table.size_ = (bytes - sizeof widths) / record;
    table.narrowKeys_ = widths[0] == 4;
    table.narrowScores_ = widths[1] == 2;
    const auto* start = reinterpret_cast<const unsigned char*>(table.blob_.get()) + sizeof widths;
    table.keys_ = start;
    table.scores_ = start + table.size_ * widths[0];
    return table;
}

namespace {

// A key of 16 bits a position in 8 bits a position; none when a count is above 255.
std::optional<std::uint32_t> NarrowKey(StrokeKey key) {
    std::uint32_t narrow = 0;
    for (int position = 0; position < 4; ++position) {
        const StrokeKey count = (key >> (16 * (3 - position))) & 0xFFFF;
        if (count > 0xFF) return std::nullopt;
        narrow |= static_cast<std::uint32_t>(count) << (8 * (3 - position));
    }
    return narrow;
}

StrokeKey WideKey(std::uint32_t narrow) {
    StrokeKey key = 0;
    for (int position = 0; position < 4; ++position)
        key |= static_cast<StrokeKey>((narrow >> (8 * (3 - position))) & 0xFF)
               << (16 * (3 - position));
    return key;
}

template <typename T>
std::pair<size_t, size_t> Range(const void* keys, size_t size, T key) {
    const T* begin = static_cast<const T*>(keys);
    auto [first, last] = std::equal_range(begin, begin + size, key);
    return {static_cast<size_t>(first - begin), static_cast<size_t>(last - begin)};
}

}  // namespace

std::pair<size_t, size_t> StrokePatterns::Find(StrokeKey key) const {
    if (!narrowKeys_) return Range(keys_, size_, key);
    const std::optional<std::uint32_t> narrow = NarrowKey(key);
    return narrow ? Range(keys_, size_, *narrow) : std::pair<size_t, size_t>{0, 0};
}

StrokePattern StrokePatterns::At(size_t i) const {
    StrokePattern p;
    p.key = narrowKeys_ ? WideKey(static_cast<const std::uint32_t*>(keys_)[i])
                        : static_cast<const StrokeKey*>(keys_)[i];
    if (narrowScores_) {
        const std::int16_t score = static_cast<const std::int16_t*>(scores_)[i];
        if (score != INT16_MIN) p.zf = score;
    } else {
        const std::int32_t score = static_cast<const std::int32_t*>(scores_)[i];
        if (score != INT32_MIN) p.zf = score;
    }
    return p;
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

        bool narrowKeys = true, narrowScores = true;
        for (const StrokePattern& p : patterns) {
            narrowKeys = narrowKeys && NarrowKey(p.key);
            narrowScores = narrowScores && (!p.zf || (*p.zf > INT16_MIN && *p.zf <= INT16_MAX));
        }
        const std::uint32_t widths[2] = {narrowKeys ? 4u : 8u, narrowScores ? 2u : 4u};
        std::vector<unsigned char> blob(sizeof widths + patterns.size() * (widths[0] + widths[1]));
        unsigned char* at = blob.data();
        auto put = [&at](const auto& value) {
            std::memcpy(at, &value, sizeof value);
            at += sizeof value;
        };
        put(widths);
        for (const StrokePattern& p : patterns) {
            if (narrowKeys)
                put(*NarrowKey(p.key));
            else
                put(p.key);
        }
        for (const StrokePattern& p : patterns) {
            if (narrowScores)
                put(static_cast<std::int16_t>(p.zf ? *p.zf : INT16_MIN));
            else
                put(static_cast<std::int32_t>(p.zf ? *p.zf : INT32_MIN));
        }
        sqlite3_reset(write);
        sqlite3_bind_int(write, 1, length);
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
