#pragma once
// The almanac page (本日黄历): date boxes, the entry of the chosen day and a
// fixed glossary of almanac terms.

#include <QWidget>

#include "ui/page_context.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora::ui {
class ReportMemo;
}

namespace velmora::calendar {

class AlmanacPage : public QWidget {
    Q_OBJECT
  public:
    AlmanacPage(ui::PageContext& context, QWidget* parent);

    ui::PageContext& Context() { return context_; }

    // Puts a date into the three boxes as yyyy, MM and dd, also a year the
    // year list does not hold.
    void SetDateBoxes(int year, int month, int day);
    // Shows the entry of the date in the boxes, as 查看 does.
    void ShowChosenDay();

    QComboBox* yearBox_;
    QComboBox* monthBox_;
    QComboBox* dayBox_;
    QPushButton* showButton_;   // 查看
    QPushButton* printButton_;  // 打印
    QLabel* headlineLabel_;     // hidden: headline of the last entry shown
    ui::ReportMemo* entryMemo_;
    QPlainTextEdit* glossaryMemo_;  // glossary

  private:
    ui::PageContext& context_;
};

}  // namespace velmora::calendar
