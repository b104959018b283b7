#include "naming/stroke_patterns.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "base/errors.h"
#include "store/query.h"

namespace velmora::naming {
namespace {

bool KeyLess(const StrokePattern& a, const StrokePattern& b) { return a.key < b.key; }

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
    store::Query gz(connection, store::Query::kSearchTimeout);
    // The pattern index holds every column read here, in key order.
    gz.SetSql(
        "select bh11, bh12, bh21, bh22, zf from gz where lx = ? order by bh11, bh12, bh21, bh22");
    gz.SetParams({static_cast<long long>(length)});
    StrokePatterns table;
    store::Query count(connection, store::Query::kSearchTimeout);
    count.SetSql("select count(*) from gz where lx = ?");
    count.SetParams({static_cast<long long>(length)});
    count.Open();
    table.patterns_.reserve(static_cast<size_t>(count.FieldAt(0).AsInteger()));
    const int used = std::clamp(length, 0, 4);
    gz.Scan([&](const store::ResultRows& row) {
        long long strokes[4];
        for (int k = 0; k < used; ++k) {
            if (row.FieldAt(1, k).IsNull()) return;
            strokes[k] = row.FieldAt(1, k).AsInteger();
        }
        const std::optional<StrokeKey> key = PackStrokes({strokes, static_cast<size_t>(used)});
        if (!key) return;
        const store::Field zf = row.FieldAt(1, 4);
        table.patterns_.push_back(
            {*key,
             zf.IsNull() ? std::nullopt : std::optional<int>(static_cast<int>(zf.AsInteger()))});
    });
    // The query's order is the key order while strokes are whole numbers, as
    // the builder writes them; a file that stores them otherwise is sorted here.
    if (!std::is_sorted(table.patterns_.begin(), table.patterns_.end(), KeyLess))
        std::stable_sort(table.patterns_.begin(), table.patterns_.end(), KeyLess);
    return table;
}

void PreloadStrokePatterns(const std::string& connection) {
    try {
        for (int length = 2; length <= 4; ++length) StrokePatterns::Of(connection, length);
    } catch (const DatabaseError&) {
    }
}

std::span<const StrokePattern> StrokePatterns::Find(StrokeKey key) const {
    auto [first, last] =
        std::equal_range(patterns_.begin(), patterns_.end(), StrokePattern{key, {}}, KeyLess);
    return {first, last};
}

}  // namespace velmora::naming
