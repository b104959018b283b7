#include "ui/string_grid.h"

#include <QHeaderView>

namespace velmora::ui {

StringGrid::StringGrid(const QString& name, int row_count, const QList<int>& column_widths,
                       int row_height, QWidget* parent)
    : QTableWidget(row_count - 1, static_cast<int>(column_widths.size()), parent) {
    setObjectName(name);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(row_height);
    verticalHeader()->setDefaultSectionSize(row_height);
    horizontalHeader()->setFixedHeight(row_height + 2);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (int col = 0; col < columnCount(); ++col) {
        // Header cells start empty; the owner writes them when it first shows.
        setHorizontalHeaderItem(col, new QTableWidgetItem(QString()));
        setColumnWidth(col, column_widths[col]);
        for (int row = 0; row < rowCount(); ++row) setItem(row, col, new QTableWidgetItem());
    }
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { emit RowDoubleClicked(row + 1); });
}

QString StringGrid::Cell(int col, int row) const {
    if (row == 0) return horizontalHeaderItem(col)->text();
    const QTableWidgetItem* cell = item(row - 1, col);
    return cell ? cell->text() : QString();
}

void StringGrid::SetCell(int col, int row, const QString& text) {
    if (row == 0) {
        horizontalHeaderItem(col)->setText(text);
        return;
    }
    QTableWidgetItem* cell = item(row - 1, col);
    if (!cell) setItem(row - 1, col, cell = new QTableWidgetItem());
    cell->setText(text);
}

void StringGrid::ClearRows() {
    for (int row = 1; row < RowCount(); ++row)
        for (int col = 0; col < ColCount(); ++col) SetCell(col, row, QString());
}

int StringGrid::Row() const {
    const int row = currentRow();
    return row < 0 ? 0 : row + 1;
}

}  // namespace velmora::ui
