#pragma once
// The opening-day page (开张吉日): the birth dates of the owner and of up to
// four partners, the directions to avoid, and the result memo.

#include <QWidget>
#include <array>

#include "ui/page_context.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace velmora::ui {
class ReportMemo;
}

namespace velmora::calendar {

class OpeningDayPage : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kPersons = 5;

    OpeningDayPage(ui::PageContext& context, QWidget* parent);

    // One birth-date row N (1 the owner, 2..5 the partners): personBoxN
    // (whether the row counts), calendarBoxN (公历/农历) and the boxes
    // yearBoxN, monthBoxN, dayBoxN, hourBoxN and minuteBoxN.
    struct BirthRow {
        QCheckBox* Use;
        QComboBox* Calendar;
        QComboBox* Year;
        QComboBox* Month;
        QComboBox* Day;
        QComboBox* Hour;
        QComboBox* Minute;
    };
    std::array<BirthRow, kPersons> Rows;

    QCheckBox* avoidEastBox_;     // 煞东
    QCheckBox* avoidSouthBox_;    // 煞南
    QCheckBox* avoidWestBox_;     // 煞西
    QCheckBox* avoidNorthBox_;    // 煞北
    QPushButton* analyseButton_;  // 分析
    QPushButton* saveButton_;     // 保存
    QPushButton* printButton_;    // 打印
    QPushButton* backButton_;     // 返回起名
    ui::ReportMemo* reportMemo_;

  public slots:
    // Lists the coming days fit for opening, for the checked birth dates.
    void onAnalyseClicked();

  signals:
    void ReturnToNaming();

  private:
    ui::PageContext& context_;
};

}  // namespace velmora::calendar
