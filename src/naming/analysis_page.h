#pragma once
// The company-name analysis page (名字分析): its own owner row, the three
// parts of the company name, and the report memo.

#include <QWidget>

#include "shell/page_context.h"

class QLineEdit;
class QPushButton;

namespace velmora::shell {
class OwnerPanel;
class ReportMemo;
}  // namespace velmora::shell

namespace velmora::naming {

class AnalysisPage : public QWidget {
    Q_OBJECT
  public:
    AnalysisPage(shell::PageContext& context, QWidget* parent);

    shell::PageContext& Context() { return context_; }
    // 分析: validates the input and writes the report into RzMemo1.
    void ButtonNameClick();

    // Xing3, NameB3, CBsex3, ComDate3, SYear3, SMonth3, Sday3, Shour3, CBFen3
    shell::OwnerPanel* Owner;
    QLineEdit* NameBegin3;       // region prefix, 100 bytes
    QLineEdit* Namezhi13;        // short name (main body), 8 bytes
    QLineEdit* NameEnd3;         // industry suffix, 100 bytes
    QPushButton* ButtonName;     // 分析
    QPushButton* RzBitBtnprint;  // 打印
    QPushButton* BitBtnsave;     // 保存
    QPushButton* RzBitBtn6;      // 返回起名
    shell::ReportMemo* RzMemo1;

  signals:
    void ReturnToNaming();

  private:
    shell::PageContext& context_;
};

}  // namespace velmora::naming
