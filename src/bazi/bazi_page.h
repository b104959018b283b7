#pragma once
// The bazi page (生辰八字): its own owner row and the report memo.

#include <QWidget>

#include "shell/page_context.h"

class QPushButton;

namespace velmora::shell {
class OwnerPanel;
class ReportMemo;
}  // namespace velmora::shell

namespace velmora::bazi {

class BaziPage : public QWidget {
    Q_OBJECT
  public:
    BaziPage(shell::PageContext& context, QWidget* parent);

    shell::PageContext& Context() { return context_; }
    // 分析: validates the owner row and writes the bazi report into Memo1.
    void RzButton2Click();

    // Xing2, NameB2, CBsex2, ComDate2, SYear2, SMonth2, Sday2, Shour2, CBFen2
    shell::OwnerPanel* Owner;
    QPushButton* RzButton2;  // 分析
    QPushButton* RzBitBtn7;  // 打印
    QPushButton* RzBitBtn8;  // 保存
    shell::ReportMemo* Memo1;

  private:
    shell::PageContext& context_;
};

}  // namespace velmora::bazi
