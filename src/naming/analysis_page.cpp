#include "naming/analysis_page.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

#include "base/dates.h"
#include "naming/name_analysis.h"
#include "naming/name_notes.h"
#include "ui/handler_guard.h"
#include "ui/owner_panel.h"
#include "ui/report_memo.h"
#include "ui/report_output.h"
#include "ui/widget_factory.h"

namespace velmora::naming {

using namespace velmora::ui;

namespace {

constexpr int kPrefixBytes = 100;
constexpr int kShortNameBytes = 8;

}  // namespace

AnalysisPage::AnalysisPage(PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("analysisPage"));
    QFrame* strip = MakeInputStrip(this, 115);
    owner_ = new OwnerPanel(strip);

    MakeCaptionPlate(strip, QStringLiteral("地区前缀"), 4, 34);
    prefixEdit_ = MakeEdit(strip, QStringLiteral("prefixEdit"), 90, 34, 120, kPrefixBytes);
    MakeNote(strip, PrefixNote(), 216, 34, 472);

    MakeCaptionPlate(strip, QStringLiteral("企业简称"), 4, 62);
    mainBodyEdit_ = MakeEdit(strip, QStringLiteral("mainBodyEdit"), 90, 62, 120, kShortNameBytes);
    MakeNote(strip, ShortNameNote(), 216, 62, 472);

    MakeCaptionPlate(strip, QStringLiteral("行业后缀"), 4, 90);
    suffixEdit_ = MakeEdit(strip, QStringLiteral("suffixEdit"), 90, 90, 120, kPrefixBytes);
    MakeNote(strip, SuffixNote(), 216, 90, 472);

    analyseButton_ =
        MakeButton(strip, QStringLiteral("analyseButton"), QStringLiteral("分析"), 692, 5);
    printButton_ =
        MakeButton(strip, QStringLiteral("printButton"), QStringLiteral("打印"), 692, 32);
    saveButton_ = MakeButton(strip, QStringLiteral("saveButton"), QStringLiteral("保存"), 692, 60);
    backButton_ =
        MakeButton(strip, QStringLiteral("backButton"), QStringLiteral("返回起名"), 692, 87);
    analyseButton_->setProperty("primary", true);

    reportMemo_ = new ReportMemo(QStringLiteral("reportMemo"), QStringLiteral("企业名称分析"),
                                 QPageSize::Letter, this);
    reportMemo_->setGeometry(0, 115, 788, 337);

    connect(analyseButton_, &QPushButton::clicked, this,
            ui::Guarded([this] { onAnalyseClicked(); }));
    ConnectPrintAndSave(*printButton_, *saveButton_, *reportMemo_, context_);
    connect(backButton_, &QPushButton::clicked, this, &AnalysisPage::ReturnToNaming);
}

calendar::BirthInput AnalysisPage::owner() const { return owner_->ReadBirthInput(); }

bool AnalysisPage::ownerIsBlank() const { return owner_->IsBlank(); }

void AnalysisPage::setOwner(const calendar::BirthInput& owner) { owner_->SetOwner(owner); }

void AnalysisPage::fillEmptyNameParts(const std::string& prefix, const std::string& body,
                                      const std::string& suffix) {
    const std::pair<QLineEdit*, const std::string*> parts[] = {
        {prefixEdit_, &prefix}, {mainBodyEdit_, &body}, {suffixEdit_, &suffix}};
    for (const auto& [edit, text] : parts)
        if (edit->text().isEmpty()) edit->setText(QString::fromStdString(*text));
}

void AnalysisPage::onAnalyseClicked() {
    NameAnalysisInput input{owner_->ReadBirthInput(), prefixEdit_->text().toStdString(),
                            mainBodyEdit_->text().toStdString(), suffixEdit_->text().toStdString()};
    MemoSink sink(*reportMemo_);
    const auto problem =
        WriteNameAnalysis(input, sink, context_.queries.strokeLookup, context_.queries.nameReadings,
                          CivilFromDate(Today()).year);
    if (problem) {
        ShowMsg(QString::fromStdString(problem->Message), this);
        if (problem->Focus == bazi::InputFocus::MainBody) mainBodyEdit_->setFocus();
        return;
    }
    // Back to the first line, caret and view alike.
    reportMemo_->moveCursor(QTextCursor::Start);
    reportMemo_->ensureCursorVisible();
}

}  // namespace velmora::naming
