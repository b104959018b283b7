#pragma once
// The company-name analysis page (名字分析): its own owner row, the three
// parts of the company name, and the report memo.

#include <QWidget>

#include "ui/page_context.h"

class QLineEdit;
class QPushButton;

namespace velmora::ui {
class OwnerPanel;
class ReportMemo;
}  // namespace velmora::ui

namespace velmora::naming {

class AnalysisPage : public QWidget {
    Q_OBJECT
  public:
    AnalysisPage(ui::PageContext& context, QWidget* parent);

    ui::PageContext& Context() { return context_; }
    // 分析: validates the input and writes the report into reportMemo_.
    void onAnalyseClicked();

    ui::OwnerPanel* owner_;
    QLineEdit* prefixEdit_;       // region prefix, 100 bytes
    QLineEdit* mainBodyEdit_;     // short name (main body), 8 bytes
    QLineEdit* suffixEdit_;       // industry suffix, 100 bytes
    QPushButton* analyseButton_;  // 分析
    QPushButton* printButton_;    // 打印
    QPushButton* saveButton_;     // 保存
    QPushButton* backButton_;     // 返回起名
    ui::ReportMemo* reportMemo_;

  signals:
    void ReturnToNaming();

  private:
    ui::PageContext& context_;
};

}  // namespace velmora::naming
