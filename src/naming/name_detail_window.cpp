#include "naming/name_detail_window.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

#include "base/dates.h"
#include "base/text.h"
#include "naming/name_analysis.h"
#include "naming/name_notes.h"
#include "store/connection.h"
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
constexpr int kStripHeight = 117;
constexpr int kStatusHeight = 20;  // the line under the memo that says where a save went

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

NameDetailWindow::NameDetailWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("nameDetailWindow"));
    setWindowTitle(QStringLiteral("名称分析"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(753, 565 + kStatusHeight);
    setAttribute(Qt::WA_DeleteOnClose, false);

    QFrame* strip = MakeInputStrip(this, kStripHeight);
    owner_ = new OwnerPanel(strip);
    // Here sex and calendar accept typed text as well as a pick.
    owner_->AcceptTypedSexAndCalendar();

    MakeCaptionPlate(strip, QStringLiteral("地区前缀"), 5, 34);
    prefixEdit_ = MakeEdit(strip, QStringLiteral("prefixEdit"), 86, 37, 90, kPrefixBytes);
    MakeNote(strip, PrefixNote(), 180, 37, 472);
    MakeCaptionPlate(strip, QStringLiteral("企业简称"), 5, 61);
    mainBodyEdit_ = MakeEdit(strip, QStringLiteral("mainBodyEdit"), 86, 64, 90, kShortNameBytes);
    MakeNote(strip, ShortNameNote(), 180, 64, 472);
    MakeCaptionPlate(strip, QStringLiteral("行业后缀"), 5, 88);
    suffixEdit_ = MakeEdit(strip, QStringLiteral("suffixEdit"), 86, 91, 90, kPrefixBytes);
    MakeNote(strip, SuffixNote(), 180, 91, 472);

    analyseButton_ =
        MakeButton(strip, QStringLiteral("analyseButton"), QStringLiteral("名称分析"), 660, 7);
    printButton_ =
        MakeButton(strip, QStringLiteral("printButton"), QStringLiteral("打印"), 660, 34);
    saveButton_ = MakeButton(strip, QStringLiteral("saveButton"), QStringLiteral("保存"), 660, 60);
    exitButton_ = MakeButton(strip, QStringLiteral("exitButton"), QStringLiteral("退出"), 660, 87);
    strip->setFixedWidth(753);

    reportMemo_ = new ReportMemo(QStringLiteral("reportMemo"), QStringLiteral("企业名称分析"),
                                 QPageSize::A4, this);
    reportMemo_->setReadOnly(false);  // the user may edit the report before printing or saving
    reportMemo_->setGeometry(0, kStripHeight, 753, 565 - kStripHeight);
    statusLine_ = new QLabel(this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusLine_->setProperty("statusStrip", true);
    statusLine_->setGeometry(6, 565, 741, kStatusHeight);

    connect(analyseButton_, &QPushButton::clicked, this,
            ui::Guarded([this] { onAnalyseClicked(); }));
    connect(printButton_, &QPushButton::clicked, this,
            ui::Guarded([this] { PrintReportMemo(*reportMemo_); }));
    connect(saveButton_, &QPushButton::clicked, this, ui::Guarded([this] {
                const QString path =
                    SaveReportMemo(*reportMemo_, saveDialog_.Get(), reportMemo_->ReportName());
                if (!path.isEmpty()) statusLine_->setText(SavedText(path));
            }));
    connect(exitButton_, &QPushButton::clicked, this, &QDialog::close);
}

NameDetailWindow::~NameDetailWindow() = default;

void NameDetailWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    strokeQuery_.Bind(store::BuildConnectionString(store::DataFile::Vudazod));
    readingQuery_.Bind(store::BuildConnectionString(store::DataFile::KelFile));
    const calendar::BirthInput owner = owner_->ReadBirthInput();
    if (!Trim(owner.Surname).empty() && !Trim(owner.GivenName).empty() &&
        !Trim(mainBodyEdit_->text().toStdString()).empty())
        ui::RunGuarded([this] { onAnalyseClicked(); });  // showing is an event, not a call
    owner_->FocusSurname();
}

void NameDetailWindow::onAnalyseClicked() {
    calendar::BirthInput birth = owner_->ReadBirthInput();
    // Solar only while the item 公历 itself is selected; typed text counts as lunar.
    birth.DateKind = owner_->SolarPicked() ? 0 : 1;
    NameAnalysisInput input{birth, prefixEdit_->text().toStdString(),
                            mainBodyEdit_->text().toStdString(), suffixEdit_->text().toStdString()};
    MemoSink sink(*reportMemo_);
    const auto problem =
        WriteNameAnalysis(input, sink, strokeQuery_, readingQuery_, CivilFromDate(Today()).year);
    if (problem) {
        ShowMsg(Q(problem->Message), this);
        if (problem->Focus == bazi::InputFocus::MainBody) mainBodyEdit_->setFocus();
        return;
    }
    reportMemo_->moveCursor(QTextCursor::Start);
    reportMemo_->ensureCursorVisible();
}

std::unique_ptr<NameDetailWindow> CreateNameDetail(
    QWidget* parent, const std::string& surname, const std::string& givenName,
    const std::string& sex, const std::string& year, const std::string& month,
    const std::string& day, const std::string& hour, const std::string& minute,
    const std::string& prefix, const std::string& mainBody, const std::string& suffix,
    int dateKind) {
    auto window = std::make_unique<NameDetailWindow>(parent);
    window->owner_->SetOwner(
        {surname, givenName, sex == "男" ? "男" : "女", dateKind, year, month, day, hour, minute});
    window->prefixEdit_->setText(Q(prefix));
    window->mainBodyEdit_->setText(Q(mainBody));
    window->suffixEdit_->setText(Q(suffix));
    return window;
}

void OpenNameDetail(QWidget* parent, const std::string& surname, const std::string& givenName,
                    const std::string& sex, const std::string& year, const std::string& month,
                    const std::string& day, const std::string& hour, const std::string& minute,
                    const std::string& prefix, const std::string& mainBody,
                    const std::string& suffix, int dateKind) {
    // One window per opening; it and its queries go when it closes.
    std::unique_ptr<NameDetailWindow> window =
        CreateNameDetail(parent, surname, givenName, sex, year, month, day, hour, minute, prefix,
                         mainBody, suffix, dateKind);
    window->exec();
}

}  // namespace velmora::naming
