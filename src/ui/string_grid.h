#pragma once
// A text grid addressed like the program's result grid: a fixed header row 0
// that stays in place while scrolling, data rows from 1, columns from 0.

#include <QTableWidget>

namespace velmora::ui {

class StringGrid : public QTableWidget {
    Q_OBJECT
  public:
    // row_count counts the header row.
    StringGrid(const QString& name, int row_count, const QList<int>& column_widths, int row_height,
               QWidget* parent);

    int RowCount() const { return rowCount() + 1; }
    int ColCount() const { return columnCount(); }
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    // Empties every data row; the header row stays.
    void ClearRows();
    // The current data row (1 ..), or 0 when none is selected.
    int Row() const;

  signals:
    // A double click on data row `row` (1 ..).
    void RowDoubleClicked(int row);
};

}  // namespace velmora::ui
