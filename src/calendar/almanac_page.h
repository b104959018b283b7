#pragma once
// The almanac page (本日黄历): date boxes, the entry of the chosen day and a
// fixed glossary of almanac terms. The entry is read from the almanac table
// through the main window's almanac query; calendar/almanac.h writes its lines.

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
    // Puts the date into the boxes and shows its entry.
    void ShowEntry(int year, int month, int day);
    // The headline of the last entry shown (date as entered, two blanks, lunar
    // date and weekday); never on screen.
    QString Headline() const;

  private:
    // 查看: checks the boxes in order, looks the day up and writes its entry;
    // a day the table lacks leaves the memo and the headline as they were.
    void onShowClicked();

    ui::PageContext& context_;
    QComboBox* yearBox_;
    QComboBox* monthBox_;
    QComboBox* dayBox_;
    QPushButton* showButton_;   // 查看
    QPushButton* printButton_;  // 打印
    QLabel* headlineLabel_;     // hidden
    ui::ReportMemo* entryMemo_;
    QPlainTextEdit* glossaryMemo_;
};

}  // namespace velmora::calendar
