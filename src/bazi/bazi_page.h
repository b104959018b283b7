#pragma once
// The bazi page (生辰八字): its own owner row and the report memo.

#include <QWidget>

#include "calendar/lunar_calendar.h"
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

    // The owner row: what it holds, whether it is still untouched, and
    // putting an owner into it.
    calendar::BirthInput owner() const;
    bool ownerIsBlank() const;
    void setOwner(const calendar::BirthInput& owner);
    // 分析: validates the owner row and writes the bazi report into reportMemo_.
    void onAnalyseClicked();

  private:
    ui::OwnerPanel* owner_;
    QPushButton* analyseButton_;  // 分析
    QPushButton* printButton_;    // 打印
    QPushButton* saveButton_;     // 保存
    ui::ReportMemo* reportMemo_;

    ui::PageContext& context_;
};

}  // namespace velmora::bazi
