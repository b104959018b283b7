#pragma once
// The owner row (企业法人: surname, given name, sex, calendar, birth date, hour,
// minute). The naming, analysis and bazi pages each carry their own copy; the
// copies hold independent values and differ only in the suffix of their
// object names ("", "3", "2").

#include <QString>
#include <QWidget>

#include "calendar/lunar_calendar.h"

class QComboBox;
class QLineEdit;

namespace velmora::shell {

class OwnerPanel : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kNameBytes = 20;

    // Lays the row out at the top of `parent`, in the positions of the naming page.
    OwnerPanel(const QString& suffix, QWidget* parent);

    // The row's texts exactly as typed or picked (nothing trimmed); the
    // calendar is the index of ComDate (0 公历, 1 农历).
    calendar::BirthInput ReadBirthInput() const;

    QLineEdit* Xing;
    QLineEdit* NameB;
    QComboBox* CBsex;
    QComboBox* ComDate;
    QComboBox* SYear;
    QComboBox* SMonth;
    QComboBox* Sday;
    QComboBox* Shour;
    QComboBox* CBFen;
};

}  // namespace velmora::shell
