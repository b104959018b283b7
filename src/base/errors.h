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

// A database file that could not be opened or read, a query that ran past its
// time-out or failed inside SQLite. The text is the user's message and names
// the file; File() is its full path where one is known.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const std::string& message, std::string file = {})
        : std::runtime_error(message), file_(std::move(file)) {}
    const std::string& File() const { return file_; }

private:
    std::string file_;
};

}  // namespace velmora
