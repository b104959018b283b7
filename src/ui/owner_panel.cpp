#include "ui/owner_panel.h"

#include <QComboBox>
#include <QLineEdit>

#include "ui/widget_factory.h"

namespace velmora::ui {

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
                  QStringLiteral("男"), false, 248, kTop, 36);
    calendarBox_ = MakeCombo(this, QStringLiteral("calendarBox"),
                             {QStringLiteral("公历"), QStringLiteral("农历")},
                             QStringLiteral("公历"), false, 286, kTop, 48);
    yearBox_ = MakeCombo(this, QStringLiteral("yearBox"), NumberItems(1900, 2019),
                         QStringLiteral("1980"), true, 337, kTop, 47);
    MakeLabel(this, QStringLiteral("年"), 385, kTop, 12);
    monthBox_ = MakeCombo(this, QStringLiteral("monthBox"), NumberItems(1, 12), QStringLiteral("1"),
                          true, 397, kTop, 36);
    MakeLabel(this, QStringLiteral("月"), 434, kTop, 13);
    dayBox_ = MakeCombo(this, QStringLiteral("dayBox"), NumberItems(1, 31), QStringLiteral("1"),
                        true, 447, kTop, 36);
    MakeLabel(this, QStringLiteral("日"), 484, kTop, 13);
    hourBox_ = MakeCombo(this, QStringLiteral("hourBox"), HourItems(), QStringLiteral("子 0"), true,
                         497, kTop, 54);
    MakeLabel(this, QStringLiteral("时"), 552, kTop, 13);
    minuteBox_ = MakeCombo(this, QStringLiteral("minuteBox"), NumberItems(0, 59),
                           QStringLiteral("0"), true, 566, kTop, 40);
    MakeLabel(this, QStringLiteral("分"), 608, kTop, 13);
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
