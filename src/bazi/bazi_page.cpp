#include "bazi/bazi_page.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

#include "base/dates.h"
#include "bazi/bazi_report.h"
#include "shell/owner_panel.h"
#include "shell/report_memo.h"
#include "shell/report_output.h"
#include "shell/widget_factory.h"

namespace velmora::bazi {

using namespace velmora::shell;

BaziPage::BaziPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("TabSheet2"));
    QFrame* strip = MakeInputStrip(this, 88);
    Owner = new OwnerPanel(QStringLiteral("2"), strip);

    MakeCaptionPlate(strip, QStringLiteral("批命说明"), 4, 34);
    MakeNote(strip,
             QStringLiteral(
                 "填好企业法人的姓名、性别和出生时间，点击【分析】即可排出四柱八字与大运流年。"),
             90, 34, 590);
    MakeNote(
        strip,
        QStringLiteral("报告含十神、藏干、纳音、小运与称骨评语；农历生日请先把“公历”改为“农历”。"),
        90, 60, 590);

    RzButton2 = MakeButton(strip, QStringLiteral("RzButton2"), QStringLiteral("分析"), 692, 5);
    RzBitBtn7 = MakeButton(strip, QStringLiteral("RzBitBtn7"), QStringLiteral("打印"), 692, 32);
    RzBitBtn8 = MakeButton(strip, QStringLiteral("RzBitBtn8"), QStringLiteral("保存"), 692, 60);
    RzButton2->setProperty("primary", true);

    Memo1 = new ReportMemo(QStringLiteral("Memo1"), QPageSize::Letter, this);
    Memo1->setGeometry(0, 88, 788, 364);

    connect(RzButton2, &QPushButton::clicked, this, &BaziPage::RzButton2Click);
    connect(RzBitBtn7, &QPushButton::clicked, this, [this] { PrintReportMemo(*Memo1); });
    connect(RzBitBtn8, &QPushButton::clicked, this,
            [this] { SaveReportMemo(*Memo1, context_.SaveDialog1, QStringLiteral("八字分析")); });
}

void BaziPage::RzButton2Click() {
    MemoSink sink(*Memo1);
    const auto problem =
        WriteBaziReport(Owner->ReadBirthInput(), sink, CivilFromDate(Today()).year);
    if (problem) {
        ShowMsg(QString::fromStdString(problem->Message), this);
        if (problem->Focus == InputFocus::Surname) Owner->Xing->setFocus();
        if (problem->Focus == InputFocus::GivenName) Owner->NameB->setFocus();
        return;
    }
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->ensureCursorVisible();
}

}  // namespace velmora::bazi
