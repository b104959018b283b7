#include "ui/owner_panel.h"

#include <QComboBox>
#include <QLineEdit>

#include "ui/widget_factory.h"

namespace velmora::ui {

namespace {

// The first values of the boxes.
constexpr const char* kFirstSex = "男";
constexpr const char* kFirstYear = "1980";
constexpr const char* kFirstHour = "子 0";

}  // namespace

OwnerPanel::OwnerPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ownerPanel"));
    setGeometry(0, 0, 640, 34);
    setAttribute(Qt::WA_TranslucentBackground);
    constexpr int kTop = 7;

    MakeCaptionPlate(this, QStringLiteral("企业法人"), 4, kTop);
    MakeLabel(this, QStringLiteral("姓"), 87, kTop, 13);
    surnameEdit_ = MakeEdit(this, QStringLiteral("surnameEdit"), 101, kTop, 48, kNameBytes);
    MakeLabel(this, QStringLiteral("名"), 152, kTop, 13);
    givenNameEdit_ = MakeEdit(this, QStringLiteral("givenNameEdit"), 165, kTop, 56, kNameBytes);
    MakeLabel(this, QStringLiteral("姓别"), 223, kTop, 25);
    sexBox_ =
        MakeCombo(this, QStringLiteral("sexBox"), {QStringLiteral("男"), QStringLiteral("女")},
                  QString::fromUtf8(kFirstSex), false, 248, kTop, 36);
    calendarBox_ = MakeCombo(this, QStringLiteral("calendarBox"),
                             {QStringLiteral("公历"), QStringLiteral("农历")},
                             QStringLiteral("公历"), false, 286, kTop, 48);
    yearBox_ = MakeCombo(this, QStringLiteral("yearBox"), NumberItems(1900, 2019),
                         QString::fromUtf8(kFirstYear), true, 337, kTop, 47);
    MakeLabel(this, QStringLiteral("年"), 385, kTop, 12);
    monthBox_ = MakeCombo(this, QStringLiteral("monthBox"), NumberItems(1, 12), QStringLiteral("1"),
                          true, 397, kTop, 36);
    MakeLabel(this, QStringLiteral("月"), 434, kTop, 13);
    dayBox_ = MakeCombo(this, QStringLiteral("dayBox"), NumberItems(1, 31), QStringLiteral("1"),
                        true, 447, kTop, 36);
    MakeLabel(this, QStringLiteral("日"), 484, kTop, 13);
    hourBox_ = MakeCombo(this, QStringLiteral("hourBox"), HourItems(),
                         QString::fromUtf8(kFirstHour), true, 497, kTop, 54);
    MakeLabel(this, QStringLiteral("时"), 552, kTop, 13);
    minuteBox_ = MakeCombo(this, QStringLiteral("minuteBox"), NumberItems(0, 59),
                           QStringLiteral("0"), true, 566, kTop, 40);
    MakeLabel(this, QStringLiteral("分"), 608, kTop, 13);
}

bool OwnerPanel::IsBlank() const {
    const calendar::BirthInput now = ReadBirthInput();
    return now.Surname.empty() && now.GivenName.empty() && now.SexText == kFirstSex &&
           now.DateKind == 0 && now.YearText == kFirstYear && now.MonthText == "1" &&
           now.DayText == "1" && now.HourText == kFirstHour && now.MinuteText == "0";
}

void OwnerPanel::SetOwner(const calendar::BirthInput& owner) {
    // An item of the list is picked as such, other text typed in.
    const auto put = [](QComboBox* box, const std::string& text) {
        const int index = box->findText(QString::fromStdString(text));
        if (index >= 0)
            box->setCurrentIndex(index);
        else
            box->setCurrentText(QString::fromStdString(text));
    };
    surnameEdit_->setText(QString::fromStdString(owner.Surname));
    givenNameEdit_->setText(QString::fromStdString(owner.GivenName));
    put(sexBox_, owner.SexText);
    calendarBox_->setCurrentIndex(owner.DateKind == 1 ? 1 : 0);
    put(yearBox_, owner.YearText);
    put(monthBox_, owner.MonthText);
    put(dayBox_, owner.DayText);
    put(hourBox_, owner.HourText);
    put(minuteBox_, owner.MinuteText);
}

void OwnerPanel::FocusSurname() { surnameEdit_->setFocus(); }

void OwnerPanel::FocusGivenName() { givenNameEdit_->setFocus(); }

void OwnerPanel::AcceptTypedSexAndCalendar() {
    sexBox_->setEditable(true);
    calendarBox_->setEditable(true);
}

bool OwnerPanel::SolarPicked() const {
    return calendarBox_->currentIndex() == 0 &&
           calendarBox_->currentText() == calendarBox_->itemText(0);
}

calendar::BirthInput OwnerPanel::ReadBirthInput() const {
    calendar::BirthInput input;
    input.Surname = surnameEdit_->text().toStdString();
    input.GivenName = givenNameEdit_->text().toStdString();
    input.SexText = sexBox_->currentText().toStdString();
    input.DateKind = calendarBox_->currentIndex();
    input.YearText = yearBox_->currentText().toStdString();
    input.MonthText = monthBox_->currentText().toStdString();
    input.DayText = dayBox_->currentText().toStdString();
    input.HourText = hourBox_->currentText().toStdString();
    input.MinuteText = minuteBox_->currentText().toStdString();
    return input;
}

}  // namespace velmora::ui
