#include "calendar/opening_day_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFrame>
#include <QPushButton>

#include "base/dates.h"
#include "calendar/opening_day.h"
#include "ui/handler_guard.h"
#include "ui/report_memo.h"
#include "ui/report_output.h"
#include "ui/widget_factory.h"

namespace velmora::calendar {

using namespace velmora::ui;

OpeningDayPage::OpeningDayPage(PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("openingDayPage"));
    QFrame* strip = MakeInputStrip(this, 146);

    for (int i = 0; i < kPersons; ++i) {
        const int top = 7 + i * 27;
        const QString n = QString::number(i + 1);
        BirthRow& row = rows_[i];
        row.Use =
            MakeCheckBox(strip, QStringLiteral("personBox") + n,
                         i == 0 ? QStringLiteral("法人出生日期") : QStringLiteral("合伙人出生日期"),
                         8, top, 118);
        row.Use->setChecked(i == 0);
        row.Calendar = MakeCombo(strip, QStringLiteral("calendarBox") + n,
                                 {QStringLiteral("公历"), QStringLiteral("农历")},
                                 QStringLiteral("公历"), false, 130, top, 48);
        row.Year = MakeCombo(strip, QStringLiteral("yearBox") + n, NumberItems(1900, 2019),
                             QStringLiteral("1980"), true, 184, top, 56);
        MakeLabel(strip, QStringLiteral("年"), 242, top, 13);
        row.Month = MakeCombo(strip, QStringLiteral("monthBox") + n, NumberItems(1, 12),
                              QStringLiteral("1"), true, 258, top, 40);
        MakeLabel(strip, QStringLiteral("月"), 300, top, 13);
        row.Day = MakeCombo(strip, QStringLiteral("dayBox") + n, NumberItems(1, 31),
                            QStringLiteral("1"), true, 316, top, 40);
        MakeLabel(strip, QStringLiteral("日"), 358, top, 13);
        row.Hour = MakeCombo(strip, QStringLiteral("hourBox") + n, HourItems(),
                             QStringLiteral("子 0"), true, 374, top, 56);
        MakeLabel(strip, QStringLiteral("时"), 432, top, 13);
        row.Minute = MakeCombo(strip, QStringLiteral("minuteBox") + n, NumberItems(0, 59),
                               QStringLiteral("0"), true, 448, top, 44);
        MakeLabel(strip, QStringLiteral("分"), 494, top, 13);
        // A row counts only while ticked; its boxes say so by their state.
        for (QWidget* box : {static_cast<QWidget*>(row.Calendar), static_cast<QWidget*>(row.Year),
                             static_cast<QWidget*>(row.Month), static_cast<QWidget*>(row.Day),
                             static_cast<QWidget*>(row.Hour), static_cast<QWidget*>(row.Minute)}) {
            box->setEnabled(row.Use->isChecked());
            connect(row.Use, &QCheckBox::toggled, box, &QWidget::setEnabled);
        }
    }

    MakeCaptionPlate(strip, QStringLiteral("避开煞方"), 528, 7, 144);
    avoidEastBox_ =
        MakeCheckBox(strip, QStringLiteral("avoidEastBox"), QStringLiteral("煞东"), 536, 36, 64);
    avoidSouthBox_ =
        MakeCheckBox(strip, QStringLiteral("avoidSouthBox"), QStringLiteral("煞南"), 606, 36, 64);
    avoidWestBox_ =
        MakeCheckBox(strip, QStringLiteral("avoidWestBox"), QStringLiteral("煞西"), 536, 63, 64);
    avoidNorthBox_ =
        MakeCheckBox(strip, QStringLiteral("avoidNorthBox"), QStringLiteral("煞北"), 606, 63, 64);
    MakeNote(strip, QStringLiteral("勾选大门须回避的方位"), 536, 90, 140);
    MakeLabel(strip, QStringLiteral("起算"), 536, 116, 28);
    startDateEdit_ = new QDateEdit(QDate::currentDate(), strip);
    startDateEdit_->setObjectName(QStringLiteral("startDateEdit"));
    startDateEdit_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    startDateEdit_->setCalendarPopup(true);
    startDateEdit_->setToolTip(QStringLiteral("从这一天的次日起推算吉日"));
    startDateEdit_->setGeometry(566, 114, 106, 21);

    analyseButton_ =
        MakeButton(strip, QStringLiteral("analyseButton"), QStringLiteral("分析"), 692, 7);
    saveButton_ = MakeButton(strip, QStringLiteral("saveButton"), QStringLiteral("保存"), 692, 41);
    printButton_ =
        MakeButton(strip, QStringLiteral("printButton"), QStringLiteral("打印"), 692, 75);
    backButton_ =
        MakeButton(strip, QStringLiteral("backButton"), QStringLiteral("返回起名"), 692, 109);
    analyseButton_->setProperty("primary", true);

    reportMemo_ = new ReportMemo(QStringLiteral("reportMemo"), QStringLiteral("开业吉日"),
                                 QPageSize::A4, this);
    reportMemo_->setGeometry(0, 146, 788, 306);

    connect(analyseButton_, &QPushButton::clicked, this,
            ui::Guarded([this] { onAnalyseClicked(); }));
    ConnectPrintAndSave(*printButton_, *saveButton_, *reportMemo_, context_);
    connect(backButton_, &QPushButton::clicked, this, &OpeningDayPage::ReturnToNaming);
}

bool OpeningDayPage::ownerIsBlank() const {
    const BirthRow& row = rows_[0];
    return row.Calendar->currentIndex() == 0 && row.Year->currentText() == QLatin1String("1980") &&
           row.Month->currentText() == QLatin1String("1") &&
           row.Day->currentText() == QLatin1String("1") &&
           row.Hour->currentText() == QStringLiteral("子 0") &&
           row.Minute->currentText() == QLatin1String("0");
}

void OpeningDayPage::setOwner(const BirthInput& owner) {
    const BirthRow& row = rows_[0];
    row.Calendar->setCurrentIndex(owner.DateKind == 1 ? 1 : 0);
    row.Year->setCurrentText(QString::fromStdString(owner.YearText));
    row.Month->setCurrentText(QString::fromStdString(owner.MonthText));
    row.Day->setCurrentText(QString::fromStdString(owner.DayText));
    row.Hour->setCurrentText(QString::fromStdString(owner.HourText));
    row.Minute->setCurrentText(QString::fromStdString(owner.MinuteText));
}

void OpeningDayPage::onAnalyseClicked() {
    OpeningDayInput input;
    for (int i = 0; i < kPersons; ++i) {
        const BirthRow& row = rows_[i];
        if (!row.Use->isChecked()) continue;
        OpeningDayPerson person;
        person.Role = i == 0 ? "法人" : "合伙人" + std::to_string(i);
        person.Birth.SexText = "男";
        person.Birth.DateKind = row.Calendar->currentIndex();
        person.Birth.YearText = row.Year->currentText().toStdString();
        person.Birth.MonthText = row.Month->currentText().toStdString();
        person.Birth.DayText = row.Day->currentText().toStdString();
        person.Birth.HourText = row.Hour->currentText().toStdString();
        person.Birth.MinuteText = row.Minute->currentText().toStdString();
        input.Persons.push_back(std::move(person));
    }
    const QCheckBox* directions[4] = {avoidEastBox_, avoidSouthBox_, avoidWestBox_,
                                      avoidNorthBox_};  // east, south, west, north
    for (int d = 0; d < 4; ++d) input.AvoidDirection[d] = directions[d]->isChecked();

    if (const auto problem = CheckOpeningDayInput(input)) {
        ShowMsg(QString::fromStdString(*problem), window());
        return;
    }
    const QDate start = startDateEdit_->date();
    MemoSink sink(*reportMemo_);
    // From the day after the start date on (tomorrow, as long as the box shows today).
    WriteOpeningDays(input, MakeDateValue(start.year(), start.month(), start.day()) + 1, sink);
}

}  // namespace velmora::calendar
