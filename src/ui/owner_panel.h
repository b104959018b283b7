#pragma once
// The owner row (企业法人: surname, given name, sex, calendar, birth date, hour,
// minute). The naming, analysis and bazi pages and the name detail window
// each carry their own copy with independent values; the children carry the
// same object names in every copy, so look for them inside the page.

#include <QString>
#include <QWidget>

#include "calendar/lunar_calendar.h"

class QComboBox;
class QLineEdit;

namespace velmora::ui {

class OwnerPanel : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kNameBytes = 20;

    // Lays the row out at the top of `parent`, in the positions of the naming page.
    explicit OwnerPanel(QWidget* parent);

    // The row's texts exactly as typed or picked (nothing trimmed); the
    // calendar is the index of calendarBox_ (0 公历, 1 农历).
    calendar::BirthInput ReadBirthInput() const;

    QLineEdit* surnameEdit_;
    QLineEdit* givenNameEdit_;
    QComboBox* sexBox_;
    QComboBox* calendarBox_;
    QComboBox* yearBox_;
    QComboBox* monthBox_;
    QComboBox* dayBox_;
    QComboBox* hourBox_;
    QComboBox* minuteBox_;
};

}  // namespace velmora::ui
