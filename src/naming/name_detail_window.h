#pragma once
// 名称分析: the detail window of one candidate. It carries its own owner row
// and name-part edits, prefilled from the naming page and the chosen grid row,
// and writes the company-name analysis into its own (editable) memo.

#include <QDialog>
#include <memory>
#include <string>

#include "store/query.h"
#include "ui/report_output.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora::ui {
class OwnerPanel;
class ReportMemo;
}  // namespace velmora::ui

namespace velmora::naming {

class NameDetailWindow : public QDialog {
    Q_OBJECT
  public:
    explicit NameDetailWindow(QWidget* parent);
    ~NameDetailWindow() override;

  public slots:
    void onAnalyseClicked();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    friend std::unique_ptr<NameDetailWindow> CreateNameDetail(
        QWidget* parent, const std::string& surname, const std::string& givenName,
        const std::string& sex, const std::string& year, const std::string& month,
        const std::string& day, const std::string& hour, const std::string& minute,
        const std::string& prefix, const std::string& mainBody, const std::string& suffix,
        int dateKind);

    ui::OwnerPanel* owner_;
    QLineEdit* prefixEdit_;
    QLineEdit* mainBodyEdit_;  // the short name (the candidate)
    QLineEdit* suffixEdit_;
    QPushButton* analyseButton_;  // 名称分析
    QPushButton* printButton_;    // 打印
    QPushButton* saveButton_;     // 保存
    QPushButton* exitButton_;     // 退出
    ui::ReportMemo* reportMemo_;
    QLabel* statusLine_;
    ui::SharedSaveDialog saveDialog_{this};

    store::Query strokeQuery_;   // strokes (Vudazod)
    store::Query readingQuery_;  // namefx readings (KelFile)
};

// The window prefilled with the owner row, prefix, candidate and suffix; not shown yet.
std::unique_ptr<NameDetailWindow> CreateNameDetail(
    QWidget* parent, const std::string& surname, const std::string& givenName,
    const std::string& sex, const std::string& year, const std::string& month,
    const std::string& day, const std::string& hour, const std::string& minute,
    const std::string& prefix, const std::string& mainBody, const std::string& suffix,
    int dateKind);

// Creates the window as above and shows it modally until it closes.
void OpenNameDetail(QWidget* parent, const std::string& surname, const std::string& givenName,
                    const std::string& sex, const std::string& year, const std::string& month,
                    const std::string& day, const std::string& hour, const std::string& minute,
                    const std::string& prefix, const std::string& mainBody,
                    const std::string& suffix, int dateKind);

}  // namespace velmora::naming
