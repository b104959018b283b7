#pragma once
// The almanac page (本日黄历): date boxes, the entry of the chosen day and a
// fixed glossary of almanac terms.

#include <QWidget>

#include "shell/page_context.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora::shell {
class ReportMemo;
}

namespace velmora::calendar {

class AlmanacPage : public QWidget {
    Q_OBJECT
  public:
    AlmanacPage(shell::PageContext& context, QWidget* parent);

    shell::PageContext& Context() { return context_; }

    // Puts a date into the three boxes as yyyy, MM and dd, also a year the
    // year list does not hold.
    void SetDateBoxes(int year, int month, int day);

    QComboBox* SlYear;
    QComboBox* SlMonth;
    QComboBox* Slday;
    QPushButton* BtnHuangli;  // 查看
    QPushButton* RzBitBtn13;  // 打印
    QLabel* Label61;          // hidden: headline of the last entry shown
    shell::ReportMemo* MemoHuangli;
    QPlainTextEdit* Memo3;  // glossary

  private:
    shell::PageContext& context_;
};

}  // namespace velmora::calendar
