#include "naming/excel_export.h"

#include <xlsxwriter.h>

#include "base/text.h"
#include "naming/candidate_grid.h"

namespace velmora::naming {

bool WriteGridWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows,
                       std::string* reason) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook) {
        if (reason) *reason = "cannot create the workbook";
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "起名结果");
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    lxw_error error = sheet ? LXW_NO_ERROR : LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (size_t r = 0; error == LXW_NO_ERROR && r < rows.size(); ++r) {
        for (size_t c = 0; error == LXW_NO_ERROR && c < rows[r].size(); ++c) {
            const auto row = static_cast<lxw_row_t>(r);
            const auto col = static_cast<lxw_col_t>(c);
            // Numbers go in as numbers, so that a spreadsheet sorts and sums them.
            const auto number = r > 0 && c < kNumberColumns.size() && kNumberColumns[c]
                                    ? ParseInteger(rows[r][c])
                                    : std::nullopt;
            error = number ? worksheet_write_number(sheet, row, col, static_cast<double>(*number),
                                                    nullptr)
                           : worksheet_write_string(sheet, row, col, rows[r][c].c_str(),
                                                    r == 0 ? bold : nullptr);
        }
    }
    if (error == LXW_NO_ERROR) worksheet_set_column(sheet, 1, 2, 24, nullptr);
    // workbook_close writes the file and frees the workbook in every case.
    const lxw_error closed = workbook_close(workbook);
    if (error == LXW_NO_ERROR) error = closed;
    if (error != LXW_NO_ERROR && reason) *reason = lxw_strerror(error);
    return error == LXW_NO_ERROR;
}

}  // namespace velmora::naming
