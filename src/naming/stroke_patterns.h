#pragma once
// The scored stroke patterns of `gz` for one body length, held in memory and
// sorted by their strokes, so a search can look up thousands of stroke
// combinations without a query each. Read once per database file and length.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
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
    // Every `gz` row of body length `length`; rows with a missing stroke of
    // the first `length` positions match nothing and are left out.
    // Read once per file and length, then kept for the life of the program.
    static const StrokePatterns& Of(const std::string& connection, int length);
    // Read from the file every time.
    static StrokePatterns Load(const std::string& connection, int length);

    // The rows whose strokes are `key`, one entry per row.
    std::span<const StrokePattern> Find(StrokeKey key) const;
    size_t size() const { return patterns_.size(); }

  private:
    std::vector<StrokePattern> patterns_;  // sorted by key
};

// Reads the patterns of every body length of the file into the kept tables,
// so that the first search of the run does not wait for them; meant for a
// background thread when the naming page opens. A file that cannot be read is
// left to the search to report.
void PreloadStrokePatterns(const std::string& connection);

}  // namespace velmora::naming
