#include "shell/opening_day_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>

#include "base/dates.h"
#include "shell/opening_day.h"
#include "shell/report_memo.h"
#include "shell/report_output.h"
#include "shell/widget_factory.h"

namespace velmora::shell {

OpeningDayPage::OpeningDayPage(PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("TabSheet4"));
    QFrame* strip = MakeInputStrip(this, 146);

    for (int i = 0; i < kPersons; ++i) {
        const int top = 7 + i * 27;
        const QString n = QString::number(i + 1);
        BirthRow& row = Rows[i];
        row.Use =
            MakeCheckBox(strip, QStringLiteral("CB") + n,
                         i == 0 ? QStringLiteral("法人出生日期") : QStringLiteral("合伙人出生日期"),
                         8, top, 118);
        row.Use->setChecked(i == 0);
        row.Calendar = MakeCombo(strip, QStringLiteral("RL") + n,
                                 {QStringLiteral("公历"), QStringLiteral("农历")},
                                 QStringLiteral("公历"), false, 130, top, 48);
        row.Year = MakeCombo(strip, QStringLiteral("BirthYear") + n, NumberItems(1900, 2019),
                             QStringLiteral("1980"), true, 184, top, 56);
        MakeLabel(strip, QStringLiteral("年"), 242, top, 13);
        row.Month = MakeCombo(strip, QStringLiteral("BirthMonth") + n, NumberItems(1, 12),
                              QStringLiteral("1"), true, 258, top, 40);
        MakeLabel(strip, QStringLiteral("月"), 300, top, 13);
        row.Day = MakeCombo(strip, QStringLiteral("BirthDay") + n, NumberItems(1, 31),
                            QStringLiteral("1"), true, 316, top, 40);
        MakeLabel(strip, QStringLiteral("日"), 358, top, 13);
        row.Hour = MakeCombo(strip, QStringLiteral("BirthHour") + n, HourItems(),
                             QStringLiteral("子 0"), true, 374, top, 56);
        MakeLabel(strip, QStringLiteral("时"), 432, top, 13);
        row.Minute = MakeCombo(strip, QStringLiteral("BirthMinute") + n, NumberItems(0, 59),
                               QStringLiteral("0"), true, 448, top, 44);
        MakeLabel(strip, QStringLiteral("分"), 494, top, 13);
    }

    MakeCaptionPlate(strip, QStringLiteral("避开煞方"), 528, 7, 144);
    CB01 = MakeCheckBox(strip, QStringLiteral("CB01"), QStringLiteral("煞东"), 536, 36, 64);
    CB02 = MakeCheckBox(strip, QStringLiteral("CB02"), QStringLiteral("煞南"), 606, 36, 64);
    CB03 = MakeCheckBox(strip, QStringLiteral("CB03"), QStringLiteral("煞西"), 536, 63, 64);
    CB04 = MakeCheckBox(strip, QStringLiteral("CB04"), QStringLiteral("煞北"), 606, 63, 64);
    MakeNote(strip, QStringLiteral("勾选店铺大门"), 536, 90, 140);
    MakeNote(strip, QStringLiteral("须回避的方位"), 536, 114, 140);

    Buttonkaiye = MakeButton(strip, QStringLiteral("Buttonkaiye"), QStringLiteral("分析"), 692, 7);
    RzBitBtn10 = MakeButton(strip, QStringLiteral("RzBitBtn10"), QStringLiteral("保存"), 692, 41);
    RzBitBtn9 = MakeButton(strip, QStringLiteral("RzBitBtn9"), QStringLiteral("打印"), 692, 75);
    RzBitBtn11 =
        MakeButton(strip, QStringLiteral("RzBitBtn11"), QStringLiteral("返回起名"), 692, 109);
    Buttonkaiye->setProperty("primary", true);

    Memokaiye = new ReportMemo(QStringLiteral("Memokaiye"), QPageSize::A4, this);
    Memokaiye->setGeometry(0, 146, 788, 306);

    connect(Buttonkaiye, &QPushButton::clicked, this, &OpeningDayPage::ButtonkaiyeClick);
    connect(RzBitBtn9, &QPushButton::clicked, this, [this] { PrintReportMemo(*Memokaiye); });
    connect(RzBitBtn10, &QPushButton::clicked, this, [this] {
        SaveReportMemo(*Memokaiye, context_.SaveDialog1, QStringLiteral("开业吉日"));
    });
    connect(RzBitBtn11, &QPushButton::clicked, this, &OpeningDayPage::ReturnToNaming);
}

void OpeningDayPage::ButtonkaiyeClick() {
    OpeningDayInput input;
    for (int i = 0; i < kPersons; ++i) {
        const BirthRow& row = Rows[i];
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
    const QCheckBox* directions[4] = {CB01, CB02, CB03, CB04};  // east, south, west, north
    for (int d = 0; d < 4; ++d) input.AvoidDirection[d] = directions[d]->isChecked();

    if (const std::string problem = CheckOpeningDayInput(input); !problem.empty()) {
        ShowMsg(QString::fromStdString(problem), window());
        return;
    }
    MemoSink sink(*Memokaiye);
    WriteOpeningDays(input, Today() + 1, sink);  // from tomorrow on
}

}  // namespace velmora::shell
