#include "naming/analysis_page.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

#include "base/dates.h"
#include "naming/name_analysis.h"
#include "naming/name_notes.h"
#include "shell/owner_panel.h"
#include "shell/report_memo.h"
#include "shell/report_output.h"
#include "shell/widget_factory.h"

namespace velmora::naming {

using namespace velmora::shell;

namespace {

constexpr int kPrefixBytes = 100;
constexpr int kShortNameBytes = 8;

}  // namespace

AnalysisPage::AnalysisPage(PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("TabSheet3"));
    QFrame* strip = MakeInputStrip(this, 115);
    Owner = new OwnerPanel(QStringLiteral("3"), strip);

    MakeCaptionPlate(strip, QStringLiteral("地区前缀"), 4, 34);
    NameBegin3 = MakeEdit(strip, QStringLiteral("NameBegin3"), 90, 34, 120, kPrefixBytes);
    MakeNote(strip, PrefixNote(), 216, 34, 472);

    MakeCaptionPlate(strip, QStringLiteral("企业简称"), 4, 62);
    Namezhi13 = MakeEdit(strip, QStringLiteral("Namezhi13"), 90, 62, 120, kShortNameBytes);
    MakeNote(strip, ShortNameNote(), 216, 62, 472);

    MakeCaptionPlate(strip, QStringLiteral("行业后缀"), 4, 90);
    NameEnd3 = MakeEdit(strip, QStringLiteral("NameEnd3"), 90, 90, 120, kPrefixBytes);
    MakeNote(strip, SuffixNote(), 216, 90, 472);

    ButtonName = MakeButton(strip, QStringLiteral("ButtonName"), QStringLiteral("分析"), 692, 5);
    RzBitBtnprint =
        MakeButton(strip, QStringLiteral("RzBitBtnprint"), QStringLiteral("打印"), 692, 32);
    BitBtnsave = MakeButton(strip, QStringLiteral("BitBtnsave"), QStringLiteral("保存"), 692, 60);
    RzBitBtn6 = MakeButton(strip, QStringLiteral("RzBitBtn6"), QStringLiteral("返回起名"), 692, 87);
    ButtonName->setProperty("primary", true);

    RzMemo1 = new ReportMemo(QStringLiteral("RzMemo1"), QPageSize::Letter, this);
    RzMemo1->setGeometry(0, 115, 788, 337);

    connect(ButtonName, &QPushButton::clicked, this, &AnalysisPage::ButtonNameClick);
    connect(RzBitBtnprint, &QPushButton::clicked, this, [this] { PrintReportMemo(*RzMemo1); });
    connect(BitBtnsave, &QPushButton::clicked, this, [this] {
        SaveReportMemo(*RzMemo1, context_.SaveDialog1, QStringLiteral("企业名称分析"));
    });
    connect(RzBitBtn6, &QPushButton::clicked, this, &AnalysisPage::ReturnToNaming);
}

void AnalysisPage::ButtonNameClick() {
    NameAnalysisInput input{Owner->ReadBirthInput(), NameBegin3->text().toStdString(),
                            Namezhi13->text().toStdString(), NameEnd3->text().toStdString()};
    MemoSink sink(*RzMemo1);
    const auto problem = WriteNameAnalysis(input, sink, context_.queries.ADOTem,
                                           context_.queries.ADOteam, CivilFromDate(Today()).year);
    if (problem) {
        ShowMsg(QString::fromStdString(problem->Message), this);
        if (problem->Focus == bazi::InputFocus::MainBody) Namezhi13->setFocus();
        return;
    }
    // Back to the first line, caret and view alike.
    RzMemo1->moveCursor(QTextCursor::Start);
    RzMemo1->ensureCursorVisible();
}

}  // namespace velmora::naming
