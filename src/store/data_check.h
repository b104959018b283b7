#pragma once
// The start-up look at the five database files: each must exist, open as a
// SQLite database and hold the tables of the catalogue. Without them the
// pages would start blank and fail one by one, so the program says once
// which files are wrong and how to rebuild them.

#include <optional>
#include <string>
#include <string_view>

namespace velmora::store {

// The build command that recreates the databases (as in the README).
inline constexpr std::string_view kRebuildCommand = "scripts/setup.sh && scripts/build.sh";

// nullopt when every file is readable; otherwise one Chinese message naming
// each bad file (full path) with its fault, then the rebuild command.
std::optional<std::string> CheckDataFiles();

}  // namespace velmora::store
