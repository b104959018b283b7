#include "shell/owner_panel.h"

#include <QComboBox>
#include <QLineEdit>

#include "shell/widget_factory.h"

namespace velmora::shell {

namespace {

QString Named(const char* base, const QString& suffix) {
    return QString::fromLatin1(base) + suffix;
}

}  // namespace

OwnerPanel::OwnerPanel(const QString& suffix, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("OwnerPanel") + suffix);
    setGeometry(0, 0, 640, 34);
    setAttribute(Qt::WA_TranslucentBackground);
    constexpr int kTop = 7;

    MakeCaptionPlate(this, QStringLiteral("企业法人"), 4, kTop);
    MakeLabel(this, QStringLiteral("姓"), 87, kTop, 13);
    Xing = MakeEdit(this, Named("Xing", suffix), 101, kTop, 48, kNameBytes);
    MakeLabel(this, QStringLiteral("名"), 152, kTop, 13);
    NameB = MakeEdit(this, Named("NameB", suffix), 165, kTop, 56, kNameBytes);
    MakeLabel(this, QStringLiteral("姓别"), 223, kTop, 25);
    CBsex = MakeCombo(this, Named("CBsex", suffix), {QStringLiteral("男"), QStringLiteral("女")},
                      QStringLiteral("男"), false, 248, kTop, 36);
    ComDate =
        MakeCombo(this, Named("ComDate", suffix), {QStringLiteral("公历"), QStringLiteral("农历")},
                  QStringLiteral("公历"), false, 286, kTop, 48);
    SYear = MakeCombo(this, Named("SYear", suffix), NumberItems(1900, 2019), QStringLiteral("1980"),
                      true, 337, kTop, 47);
    MakeLabel(this, QStringLiteral("年"), 385, kTop, 12);
    SMonth = MakeCombo(this, Named("SMonth", suffix), NumberItems(1, 12), QStringLiteral("1"), true,
                       397, kTop, 36);
    MakeLabel(this, QStringLiteral("月"), 434, kTop, 13);
    Sday = MakeCombo(this, Named("Sday", suffix), NumberItems(1, 31), QStringLiteral("1"), true,
                     447, kTop, 36);
    MakeLabel(this, QStringLiteral("日"), 484, kTop, 13);
    Shour = MakeCombo(this, Named("Shour", suffix), HourItems(), QStringLiteral("子 0"), true, 497,
                      kTop, 54);
    MakeLabel(this, QStringLiteral("时"), 552, kTop, 13);
    CBFen = MakeCombo(this, Named("CBFen", suffix), NumberItems(0, 59), QStringLiteral("0"), true,
                      566, kTop, 40);
    MakeLabel(this, QStringLiteral("分"), 608, kTop, 13);
}

calendar::BirthInput OwnerPanel::ReadBirthInput() const {
    calendar::BirthInput input;
    input.Surname = Xing->text().toStdString();
    input.GivenName = NameB->text().toStdString();
    input.SexText = CBsex->currentText().toStdString();
    input.DateKind = ComDate->currentIndex();
    input.YearText = SYear->currentText().toStdString();
    input.MonthText = SMonth->currentText().toStdString();
    input.DayText = Sday->currentText().toStdString();
    input.HourText = Shour->currentText().toStdString();
    input.MinuteText = CBFen->currentText().toStdString();
    return input;
}

}  // namespace velmora::shell
