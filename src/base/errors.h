#pragma once
// The two kinds of error that no handler catches on purpose. The desktop's
// handler guard shows their text in a message box; the CLI prints it.

#include <stdexcept>
#include <string>

namespace velmora {

// A text that is no valid number, date or time.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A query that could not be opened, ran past its time-out or failed inside SQLite.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace velmora
