#pragma once
// The opening-day page (开张吉日): the birth dates of the owner and of up to
// four partners, the directions to avoid, and the result memo.

#include <QWidget>
#include <array>

#include "shell/page_context.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace velmora::shell {

class ReportMemo;

class OpeningDayPage : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kPersons = 5;

    OpeningDayPage(PageContext& context, QWidget* parent);

    // One birth-date row: CBn (whether the row counts), RLn (公历/农历) and
    // the year, month, day, hour and minute boxes BirthYearN ... BirthMinuteN.
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

    QCheckBox* CB01;           // 煞东
    QCheckBox* CB02;           // 煞南
    QCheckBox* CB03;           // 煞西
    QCheckBox* CB04;           // 煞北
    QPushButton* Buttonkaiye;  // 分析
    QPushButton* RzBitBtn10;   // 保存
    QPushButton* RzBitBtn9;    // 打印
    QPushButton* RzBitBtn11;   // 返回起名
    ReportMemo* Memokaiye;

  public slots:
    // Lists the coming days fit for opening, for the checked birth dates.
    void ButtonkaiyeClick();

  signals:
    void ReturnToNaming();

  private:
    PageContext& context_;
};

}  // namespace velmora::shell
