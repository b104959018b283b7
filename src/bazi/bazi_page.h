#pragma once
// The bazi page (生辰八字): its own owner row and the report memo.

#include <QWidget>

#include "ui/page_context.h"

class QPushButton;

namespace velmora::ui {
class OwnerPanel;
class ReportMemo;
}  // namespace velmora::ui

namespace velmora::bazi {

class BaziPage : public QWidget {
    Q_OBJECT
  public:
    BaziPage(ui::PageContext& context, QWidget* parent);

    ui::PageContext& Context() { return context_; }
    // 分析: validates the owner row and writes the bazi report into reportMemo_.
    void onAnalyseClicked();

    ui::OwnerPanel* owner_;
    QPushButton* analyseButton_;  // 分析
    QPushButton* printButton_;    // 打印
    QPushButton* saveButton_;     // 保存
    ui::ReportMemo* reportMemo_;

  private:
    ui::PageContext& context_;
};

}  // namespace velmora::bazi
