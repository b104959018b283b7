#include "naming/excel_export.h"

#include <xlsxwriter.h>

namespace velmora::naming {

bool WriteGridWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook) return false;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "起名结果");
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    bool ok = sheet != nullptr;
    for (size_t r = 0; ok && r < rows.size(); ++r)
        for (size_t c = 0; ok && c < rows[r].size(); ++c)
            ok = worksheet_write_string(sheet, static_cast<lxw_row_t>(r),
                                        static_cast<lxw_col_t>(c), rows[r][c].c_str(),
                                        r == 0 ? bold : nullptr) == LXW_NO_ERROR;
    if (ok) worksheet_set_column(sheet, 1, 2, 24, nullptr);
    // workbook_close writes the file and frees the workbook in every case.
    return workbook_close(workbook) == LXW_NO_ERROR && ok;
}

}  // namespace velmora::naming
