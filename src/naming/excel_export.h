#pragma once
// Writes a table of texts as an .xlsx workbook (one sheet, first row bold).

#include <string>
#include <vector>

namespace velmora::naming {

// Rows of cells of the candidate grid, the first row the header. The cells of
// the number columns (kNumberColumns) that hold a whole number are written as
// numbers, every other cell as text. Returns false when the file cannot be
// written, with the reason in `reason` when one is given.
bool WriteGridWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows,
                       std::string* reason = nullptr);

}  // namespace velmora::naming
