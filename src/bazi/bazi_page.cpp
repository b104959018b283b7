#include "bazi/bazi_page.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

#include "base/dates.h"
#include "bazi/bazi_report.h"
#include "ui/handler_guard.h"
#include "ui/owner_panel.h"
#include "ui/report_memo.h"
#include "ui/report_output.h"
#include "ui/widget_factory.h"

namespace velmora::bazi {

using namespace velmora::ui;

BaziPage::BaziPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("baziPage"));
    QFrame* strip = MakeInputStrip(this, 88);
    owner_ = new OwnerPanel(strip);

    MakeCaptionPlate(strip, QStringLiteral("批命说明"), 4, 34);
    MakeNote(strip,
             QStringLiteral(
                 "填好企业法人的姓名、性别和出生时间，点击【分析】即可排出四柱八字与大运流年。"),
             90, 34, 590);
    MakeNote(
        strip,
        QStringLiteral("报告含十神、藏干、纳音、小运与称骨评语；农历生日请先把“公历”改为“农历”。"),
        90, 60, 590);

    analyseButton_ =
        MakeButton(strip, QStringLiteral("analyseButton"), QStringLiteral("分析"), 692, 5);
    printButton_ =
        MakeButton(strip, QStringLiteral("printButton"), QStringLiteral("打印"), 692, 32);
    saveButton_ = MakeButton(strip, QStringLiteral("saveButton"), QStringLiteral("保存"), 692, 60);
    analyseButton_->setProperty("primary", true);

    reportMemo_ = new ReportMemo(QStringLiteral("reportMemo"), QStringLiteral("八字分析"),
                                 QPageSize::Letter, this);
    reportMemo_->setGeometry(0, 88, 788, 364);

    connect(analyseButton_, &QPushButton::clicked, this,
            ui::Guarded([this] { onAnalyseClicked(); }));
    ConnectPrintAndSave(*printButton_, *saveButton_, *reportMemo_, context_);
}

calendar::BirthInput BaziPage::owner() const { return owner_->ReadBirthInput(); }

bool BaziPage::ownerIsBlank() const { return owner_->IsBlank(); }

void BaziPage::setOwner(const calendar::BirthInput& owner) { owner_->SetOwner(owner); }

void BaziPage::onAnalyseClicked() {
    MemoSink sink(*reportMemo_);
    const auto problem =
        WriteBaziReport(owner_->ReadBirthInput(), sink, CivilFromDate(Today()).year);
    if (problem) {
        ShowMsg(QString::fromStdString(problem->Message), this);
        if (problem->Focus == InputFocus::Surname) owner_->FocusSurname();
        if (problem->Focus == InputFocus::GivenName) owner_->FocusGivenName();
        return;
    }
    reportMemo_->moveCursor(QTextCursor::Start);
    reportMemo_->ensureCursorVisible();
}

}  // namespace velmora::bazi
