#pragma once
// 名称分析: the detail window of one candidate. It carries its own owner row
// and name-part edits, prefilled from the naming page and the chosen grid row,
// and writes the company-name analysis into its own (editable) memo.

#include <QDialog>
#include <QFileDialog>
#include <memory>
#include <string>

#include "store/query.h"

class QLineEdit;
class QPushButton;

namespace velmora::shell {
class OwnerPanel;
class ReportMemo;
}  // namespace velmora::shell

namespace velmora::naming {

class TFrmNamemain : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmNamemain(QWidget* parent);
    ~TFrmNamemain() override;

    shell::OwnerPanel* Owner;  // Xing, NameB, CBsex, ComDate, SYear, SMonth, Sday, Shour, CBFen
    QLineEdit* NameBegin;
    QLineEdit* Namezhi1;  // the short name (the candidate)
    QLineEdit* NameEnd;
    QPushButton* RzButton1;      // 名称分析
    QPushButton* RzBitBtnprint;  // 打印
    QPushButton* BitBtnsave;     // 保存
    QPushButton* RzBitBtn4;      // 退出
    shell::ReportMemo* RzMemo1;
    QFileDialog SaveDialog1;

  public slots:
    void RzButton1Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    store::Query ADOQname;  // strokes (Vudazod)
    store::Query ADOteam;   // namefx readings (KelFile)
};

// The window prefilled with the owner row, prefix, candidate and suffix; not shown yet.
std::unique_ptr<TFrmNamemain> CreateNameDetail(
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
