#pragma once
// The naming page (公司取名): the owner-and-name strip and the result grid.

#include <QWidget>
#include <array>
#include <future>
#include <optional>
#include <vector>

#include "naming/candidate_grid.h"
#include "naming/candidate_search.h"
#include "ui/page_context.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace velmora::ui {
class OwnerPanel;
class StringGrid;
}  // namespace velmora::ui

namespace velmora::naming {

class NamingPage : public QWidget {
    Q_OBJECT
  public:
    NamingPage(ui::PageContext& context, QWidget* parent);

    // Starts reading the scored patterns in the background, so the first
    // search need not wait for them; the main window calls it once it has
    // painted, to keep the work out of the program's start. Once only.
    void StartBackgroundRead();

    // Writes the grid's header row; the main window calls it when it first shows.
    void WriteGridHeader();

    // The owner row: what it holds, whether it is still untouched, and
    // putting an owner into it.
    calendar::BirthInput owner() const;
    bool ownerIsBlank() const;
    void setOwner(const calendar::BirthInput& owner);

    // The company name as the page has it: prefix, the body of the current
    // grid row (empty without one) and suffix, as typed.
    struct NameParts {
        std::string prefix;
        std::string body;
        std::string suffix;
    };
    NameParts nameParts() const;

    ui::PageContext& Context() { return context_; }

    // The state of the last search, read when a page is filled.
    SearchState searchState;

    // The draw of random grid rows; tests put in their own.
    void SetRowDraw(RowDraw draw) { rowDraw_ = std::move(draw); }

    // The search texts of the page as they stand.
    SearchInput ReadSearchInput() const;

    // The candidates of the last search; none before a search has run or
    // after one failed.
    const std::optional<std::vector<Candidate>>& candidates() const { return candidates_; }

    // Shows one page of the last search's candidates (nothing without a
    // search); its first row becomes the current one.
    void FillNameGrid();
    // Sorts the page shown by a column: numbers by value; the same column
    // again reverses the order.
    void SortShownRows(int column);
    // Empties the data rows; the header row stays.
    void ClearNameGrid();

    // The header and the filled rows of the grid.
    std::vector<std::vector<std::string>> GridTable() const;
    // Writes GridTable() as a workbook; false (and the reason) when the file
    // cannot be written.
    bool ExportGrid(const QString& path, std::string* reason = nullptr) const;

  public slots:
    // Enables the fixed-character edits up to the chosen name length; their
    // texts stay as they are.
    void onNameLengthChanged();
    void onSearchClicked();    // 马上起名
    void onShowMoreClicked();  // 继续显示
    void onDetailClicked();    // 查看详细
    void onExportClicked();    // 导出EXCEL

  private:
    ui::OwnerPanel* owner_;
    QLineEdit* prefixEdit_;  // region prefix, 100 bytes
    std::array<QLineEdit*, 4>
        fixedCharEdits_;           // characters fixed at positions 1 to 4, 2 bytes each
    QComboBox* nameLengthBox_;     // 二字名 / 三字名 / 四字名
    QLineEdit* suffixEdit_;        // industry suffix, 100 bytes
    QPushButton* searchButton_;    // 马上起名
    QPushButton* showMoreButton_;  // 继续显示
    QPushButton* detailButton_;    // 查看详细
    QPushButton* exportButton_;    // 导出EXCEL
    ui::StringGrid* resultGrid_;
    QTextEdit* baziScratchMemo_;  // hidden scratch buffer of the bazi report

    void ShowRows();

    ui::PageContext& context_;
    RowDraw rowDraw_ = DefaultRowDraw();
    std::optional<std::vector<Candidate>> candidates_;
    std::vector<GridRow> shownRows_;  // the page in the grid, in the order shown
    int sortColumn_ = -1;             // the column last sorted by, -1 for result order
    bool sortDescending_ = false;
    // The scored patterns read in the background while the user types; the
    // page waits for the thread when it goes.
    std::future<void> patternsRead_;
};

}  // namespace velmora::naming
