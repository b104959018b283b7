#pragma once
// Saving a report as a text file: GBK bytes, CR LF after every line.

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// True when the text holds nothing but blanks and line breaks.
bool IsBlankReport(std::string_view text);

// The file name the save dialog writes to: the chosen name with ".txt"
// appended, unless it already ends in ".txt" (in any case of letters).
std::string SavedReportPath(std::string_view chosen_name);

// The name the save dialog proposes: the default name, or "*.txt" when that
// holds one of the characters * / < > ? \ |.
std::string ProposedSaveName(std::string_view default_name);

// Writes the lines as GBK, each followed by CR LF, replacing an existing file.
// Returns false when the file cannot be written, with the system's reason in
// `reason` when one is given.
bool WriteReportFile(const std::string& path, const std::vector<std::string>& lines,
                     std::string* reason = nullptr);

}  // namespace velmora
