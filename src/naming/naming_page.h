#pragma once
// The naming page (公司取名): the owner-and-name strip and the result grid.

#include <QWidget>

#include <future>

#include "naming/candidate_grid.h"
#include "naming/candidate_search.h"
#include "shell/page_context.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace velmora::shell {
class OwnerPanel;
class StringGrid;
}  // namespace velmora::shell

namespace velmora::naming {

class NamingPage : public QWidget {
    Q_OBJECT
  public:
    NamingPage(shell::PageContext& context, QWidget* parent);

    // Writes the grid's header row; the main window calls it when it first shows.
    void WriteGridHeader();

    shell::OwnerPanel* Owner;  // Xing, NameB, CBsex, ComDate, SYear, SMonth, Sday, Shour, CBFen
    QLineEdit* NameBegin;      // region prefix, 100 bytes
    QLineEdit* Namezhi1;       // characters fixed at positions 1 to 4, 2 bytes each
    QLineEdit* Namezhi2;
    QLineEdit* Namezhi3;
    QLineEdit* Namezhi4;
    QComboBox* CBZS;         // 二字名 / 三字名 / 四字名
    QLineEdit* NameEnd;      // industry suffix, 100 bytes
    QPushButton* RzBitBtn5;  // 马上起名
    QPushButton* RzBitBtn2;  // 继续显示
    QPushButton* RzBitBtn4;  // 查看详细
    QPushButton* RzBitBtn3;  // 导出EXCEL
    shell::StringGrid* RzStringGrid1;
    QTextEdit* REbazi;  // hidden scratch buffer of the bazi report

    shell::PageContext& Context() { return context_; }

    // The state of the last search, read when a page is filled.
    SearchState searchState;

    // The draw of random grid rows; tests put in their own.
    void SetRowDraw(RowDraw draw) { rowDraw_ = std::move(draw); }

    // The search texts of the page as they stand.
    SearchInput ReadSearchInput() const;

    // Shows one page of the open search result (nothing without one).
    void FillNameGrid();
    // Empties the data rows; the header row stays.
    void ClearNameGrid();

    // The header and the filled rows of the grid.
    std::vector<std::vector<std::string>> GridTable() const;
    // Writes GridTable() as a workbook; false when the file cannot be written.
    bool ExportGrid(const QString& path) const;

  public slots:
    // Enables the fixed-character edits up to the chosen name length; their
    // texts stay as they are.
    void CBZSChange();
    void RzBitBtn5Click();  // 马上起名
    void RzBitBtn2Click();  // 继续显示
    void RzBitBtn4Click();  // 查看详细
    void RzBitBtn3Click();  // 导出EXCEL

  private:
    shell::PageContext& context_;
    RowDraw rowDraw_ = DefaultRowDraw();
    // The scored patterns read in the background while the user types; the
    // page waits for the thread when it goes.
    std::future<void> patternsRead_;
};

}  // namespace velmora::naming
