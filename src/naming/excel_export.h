#pragma once
// Writes a table of texts as an .xlsx workbook (one sheet, first row bold).

#include <string>
#include <vector>

namespace velmora::naming {

// Rows of cells, the first row the header. Numbers written as text stay text,
// as the grid shows them. Returns false when the file cannot be written.
bool WriteGridWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows);

}  // namespace velmora::naming
