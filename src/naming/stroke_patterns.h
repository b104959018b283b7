#pragma once
// The scored stroke patterns of `gz` for one body length, held in memory and
// sorted by their strokes, so a search can look up thousands of stroke
// combinations without a query each. The builder stores each length's
// patterns already sorted in one BLOB of `gz_packed`; a process reads it once
// per database file and length.

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace velmora::naming {

// Up to four stroke counts packed into one key, 16 bits each, position 1 in
// the highest bits: keys order like the patterns' strokes position by position.
using StrokeKey = std::uint64_t;
// The key of `strokes` placed at positions first, first + 1, ... (from 0);
// keys of different positions combine with |. No value for a count outside
// 0..65535, which no pattern can match.
std::optional<StrokeKey> PackStrokes(std::span<const long long> strokes, int first = 0);

struct StrokePattern {
    StrokeKey key = 0;
    std::optional<int> zf;  // the pattern's score
};

class StrokePatterns {
  public:
    // The patterns of body length `length`, read from `gz_packed` once per
    // file and length, then kept for the life of the program (a rebuilt file
    // is read again).
    static const StrokePatterns& Of(const std::string& connection, int length);
    // Read from the file every time.
    static StrokePatterns Load(const std::string& connection, int length);

    // The positions [first, last) of the rows whose strokes are `key`.
    std::pair<size_t, size_t> Find(StrokeKey key) const;
    StrokePattern At(size_t i) const;
    size_t size() const { return size_; }

  private:
    // The BLOB as read (see WritePackedStrokePatterns); keys_ and scores_
    // point into it.
    std::unique_ptr<std::uint64_t[]> blob_;
    size_t size_ = 0;
    bool narrowKeys_ = false, narrowScores_ = false;
    const void* keys_ = nullptr;
    const void* scores_ = nullptr;
};

// Writes `gz_packed` from `gz` on an open, writable database: one row per body
// length 2, 3 and 4 with that length's rows of `gz`, each row whose strokes of
// the first `length` positions are present and within 0..65535, sorted by its
// strokes (rows of equal strokes in `gz` order). The BLOB holds, in the
// machine's little-endian order: the bytes of a key (4 or 8) and of a score
// (2 or 4) as two 32-bit integers, then the keys, then the scores. Keys take
// 4 bytes (8 bits a position) when every stroke is below 256, else the 8 of
// StrokeKey; scores take 2 bytes when every one fits (NULL is the type's
// lowest value). The narrow form halves what a process reads and keeps in
// memory. Raises std::runtime_error.
void WritePackedStrokePatterns(sqlite3* db);

// Reads the patterns of every body length of the file into the kept tables,
// so that the first search of the run does not wait for them; meant for a
// background thread when the naming page opens. A file that cannot be read is
// left to the search to report.
void PreloadStrokePatterns(const std::string& connection);

}  // namespace velmora::naming
