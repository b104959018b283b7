#include "naming/name_main_window.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

#include "base/dates.h"
#include "base/text.h"
#include "naming/name_analysis.h"
#include "naming/name_notes.h"
#include "shell/owner_panel.h"
#include "shell/report_memo.h"
#include "shell/report_output.h"
#include "shell/widget_factory.h"
#include "store/connection.h"

namespace velmora::naming {

using namespace velmora::shell;

namespace {

constexpr int kPrefixBytes = 100;
constexpr int kShortNameBytes = 8;
constexpr int kStripHeight = 117;

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TFrmNamemain::TFrmNamemain(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmNamemain"));
    setWindowTitle(QStringLiteral("名称分析"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(753, 565);
    setAttribute(Qt::WA_DeleteOnClose, false);

    QFrame* strip = MakeInputStrip(this, kStripHeight);
    Owner = new OwnerPanel(QString(), strip);
    // Here sex and calendar accept typed text as well as a pick.
    Owner->CBsex->setEditable(true);
    Owner->ComDate->setEditable(true);

    MakeCaptionPlate(strip, QStringLiteral("地区前缀"), 5, 34);
    NameBegin = MakeEdit(strip, QStringLiteral("NameBegin"), 86, 37, 90, kPrefixBytes);
    MakeNote(strip, PrefixNote(), 180, 37, 472);
    MakeCaptionPlate(strip, QStringLiteral("企业简称"), 5, 61);
    Namezhi1 = MakeEdit(strip, QStringLiteral("Namezhi1"), 86, 64, 90, kShortNameBytes);
    MakeNote(strip, ShortNameNote(), 180, 64, 472);
    MakeCaptionPlate(strip, QStringLiteral("行业后缀"), 5, 88);
    NameEnd = MakeEdit(strip, QStringLiteral("NameEnd"), 86, 91, 90, kPrefixBytes);
    MakeNote(strip, SuffixNote(), 180, 91, 472);

    RzButton1 = MakeButton(strip, QStringLiteral("RzButton1"), QStringLiteral("名称分析"), 660, 7);
    RzBitBtnprint =
        MakeButton(strip, QStringLiteral("RzBitBtnprint"), QStringLiteral("打印"), 660, 34);
    BitBtnsave = MakeButton(strip, QStringLiteral("BitBtnsave"), QStringLiteral("保存"), 660, 60);
    RzBitBtn4 = MakeButton(strip, QStringLiteral("RzBitBtn4"), QStringLiteral("退出"), 660, 87);
    strip->setFixedWidth(753);

    RzMemo1 = new ReportMemo(QStringLiteral("RzMemo1"), QPageSize::A4, this);
    RzMemo1->setReadOnly(false);  // the user may edit the report before printing or saving
    RzMemo1->setGeometry(0, kStripHeight, 753, 565 - kStripHeight);

    PrepareSaveDialog(SaveDialog1);

    connect(RzButton1, &QPushButton::clicked, this, &TFrmNamemain::RzButton1Click);
    connect(RzBitBtnprint, &QPushButton::clicked, this, [this] { PrintReportMemo(*RzMemo1); });
    connect(BitBtnsave, &QPushButton::clicked, this,
            [this] { SaveReportMemo(*RzMemo1, SaveDialog1, QStringLiteral("企业名称分析")); });
    connect(RzBitBtn4, &QPushButton::clicked, this, &QDialog::close);
}

TFrmNamemain::~TFrmNamemain() = default;

void TFrmNamemain::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ADOQname.Bind(store::BuildConnectionString(store::DataFile::Vudazod));
    ADOteam.Bind(store::BuildConnectionString(store::DataFile::KelFile));
    if (!Trim(Owner->Xing->text().toStdString()).empty() &&
        !Trim(Owner->NameB->text().toStdString()).empty() &&
        !Trim(Namezhi1->text().toStdString()).empty())
        RzButton1Click();
    Owner->Xing->setFocus();
}

void TFrmNamemain::RzButton1Click() {
    calendar::BirthInput birth = Owner->ReadBirthInput();
    // Solar only while the item 公历 itself is selected; typed text counts as lunar.
    const bool solar = Owner->ComDate->currentIndex() == 0 &&
                       Owner->ComDate->currentText() == Owner->ComDate->itemText(0);
    birth.DateKind = solar ? 0 : 1;
    birth.SexText = Owner->CBsex->currentText().toStdString();
    NameAnalysisInput input{birth, NameBegin->text().toStdString(), Namezhi1->text().toStdString(),
                            NameEnd->text().toStdString()};
    MemoSink sink(*RzMemo1);
    const auto problem =
        WriteNameAnalysis(input, sink, ADOQname, ADOteam, CivilFromDate(Today()).year);
    if (problem) {
        ShowMsg(Q(problem->Message), this);
        if (problem->Focus == bazi::InputFocus::MainBody) Namezhi1->setFocus();
        return;
    }
    RzMemo1->moveCursor(QTextCursor::Start);
    RzMemo1->ensureCursorVisible();
}

std::unique_ptr<TFrmNamemain> CreateNameDetail(QWidget* parent, const std::string& surname,
                                               const std::string& givenName, const std::string& sex,
                                               const std::string& year, const std::string& month,
                                               const std::string& day, const std::string& hour,
                                               const std::string& minute, const std::string& prefix,
                                               const std::string& mainBody,
                                               const std::string& suffix, int dateKind) {
    auto window = std::make_unique<TFrmNamemain>(parent);
    OwnerPanel& o = *window->Owner;
    o.Xing->setText(Q(surname));
    o.NameB->setText(Q(givenName));
    o.CBsex->setCurrentIndex(sex == "男" ? 0 : 1);
    o.SYear->setCurrentText(Q(year));
    o.SMonth->setCurrentText(Q(month));
    o.Sday->setCurrentText(Q(day));
    o.Shour->setCurrentText(Q(hour));
    o.CBFen->setCurrentText(Q(minute));
    o.ComDate->setCurrentIndex(dateKind);
    window->NameBegin->setText(Q(prefix));
    window->Namezhi1->setText(Q(mainBody));
    window->NameEnd->setText(Q(suffix));
    return window;
}

void OpenNameDetail(QWidget* parent, const std::string& surname, const std::string& givenName,
                    const std::string& sex, const std::string& year, const std::string& month,
                    const std::string& day, const std::string& hour, const std::string& minute,
                    const std::string& prefix, const std::string& mainBody,
                    const std::string& suffix, int dateKind) {
    // One window per opening; it and its queries go when it closes.
    std::unique_ptr<TFrmNamemain> window =
        CreateNameDetail(parent, surname, givenName, sex, year, month, day, hour, minute, prefix,
                         mainBody, suffix, dateKind);
    window->exec();
}

}  // namespace velmora::naming
