#pragma once
// The calendar window (Velmora日历): one Gregorian month as a grid of 37 cells,
// each with its day number and, below it, the lunar day, the lunar month on
// its first day, a solar term or a festival, from the month calendar engine.
// Two spin buttons step through the years 1901..2050 and the months; "今天"
// returns to today; a press on a day moves the highlight there. The window
// closes as soon as it stops being the active window.

#include <QDialog>
#include <array>
#include <functional>

#include "base/dates.h"

class QFrame;
class QLabel;
class QSpinBox;

namespace velmora::calendar {

class CalendarWindow : public QDialog {
    Q_OBJECT
  public:
    // Where the window reads today's date; the system clock by default.
    using TodaySource = std::function<CivilDate()>;

    static constexpr int kCells = 37;

    explicit CalendarWindow(QWidget* parent = nullptr);
    CalendarWindow(QWidget* parent, TodaySource today);

    // The window's current date: today when created, then the last day clicked.
    CivilDate CurrentDate() const { return current_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateFixedLabels();
    void CreateDayLabels();
    void ShowCurrentDate();  // the month of the current date, the spin buttons at it
    void ShowMonth(CivilDate date);
    void MoveHighlightTo(int cell);
    void OnYearChanged(int year);
    void OnMonthChanged(int month);
    void OnDayClicked(QLabel* label);
    void OnTodayClicked();
    void ShowSpin(QSpinBox* spin);

    TodaySource today_;
    CivilDate current_;
    int selectedYear_ = 0;
    int selectedMonth_ = 0;
    int selectedDay_ = 0;

    QLabel* monthFigure_ = nullptr;
    QSpinBox* monthSpin_ = nullptr;
    QLabel* yearFigure_ = nullptr;
    QSpinBox* yearSpin_ = nullptr;
    QLabel* todayLabel_ = nullptr;
    QLabel* yearBackdrop_ = nullptr;
    QLabel* monthBackdrop_ = nullptr;
    QLabel* zodiacLabel_ = nullptr;
    QLabel* constellationLabel_ = nullptr;
    QFrame* highlight_ = nullptr;
    std::array<QLabel*, kCells> dayLabels_{};
    std::array<QLabel*, kCells> lunarLabels_{};
};

}  // namespace velmora::calendar
