#pragma once
// The owner row (企业法人: surname, given name, sex, calendar, birth date, hour,
// minute). The naming, analysis and bazi pages each carry their own copy; the
// copies hold independent values and differ only in the suffix of their
// object names ("", "3", "2").

#include <QString>
#include <QWidget>

class QComboBox;
class QLineEdit;

namespace velmora::shell {

// The row's texts exactly as typed or picked (nothing trimmed).
// TODO(calendar): once calendar/lunar_calendar.h offers BirthInput, add
// `BirthInput ReadBirthInput() const` mapping these fields one to one.
struct OwnerTexts {
    QString Surname;    // Xing
    QString GivenName;  // NameB
    QString SexText;    // CBsex: "男" or "女"
    int DateKind = 0;   // ComDate index: 0 公历, 1 农历
    QString YearText;   // SYear
    QString MonthText;  // SMonth
    QString DayText;    // Sday
    QString HourText;   // Shour, e.g. "巳 10"
    QString MinuteText; // CBFen
};

class OwnerPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNameBytes = 20;

    // Lays the row out at the top of `parent`, in the positions of the naming page.
    OwnerPanel(const QString& suffix, QWidget* parent);

    OwnerTexts ReadTexts() const;

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
