#include "naming/naming_page.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>

#include "base/text.h"
#include "naming/excel_export.h"
#include "naming/name_main_window.h"
#include "naming/name_notes.h"
#include "naming/stroke_patterns.h"
#include "shell/owner_panel.h"
#include "shell/report_output.h"
#include "shell/string_grid.h"
#include "shell/widget_factory.h"
#include "store/connection.h"

namespace velmora::naming {

using namespace velmora::shell;

namespace {

constexpr int kPrefixBytes = 100;
constexpr int kFixedCharBytes = 2;

constexpr const char* kGridHeader[] = {"编号",     "企业名称", "企业繁体字", "总体笔画", "单位主体",
                                       "主体五行", "主体笔画", "行业笔画",   "总体评分"};

}  // namespace

NamingPage::NamingPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("TabSheet1"));
    patternsRead_ = std::async(std::launch::async, PreloadStrokePatterns,
                               store::BuildConnectionString(store::DataFile::Vudazod));
    QFrame* strip = MakeInputStrip(this, 115);
    Owner = new OwnerPanel(QString(), strip);

    MakeCaptionPlate(strip, QStringLiteral("地区前缀"), 4, 34);
    NameBegin = MakeEdit(strip, QStringLiteral("NameBegin"), 90, 34, 120, kPrefixBytes);
    MakeNote(strip, PrefixNote(), 216, 34, 472);

    MakeCaptionPlate(strip, QStringLiteral("字词限定"), 4, 62);
    Namezhi1 = MakeEdit(strip, QStringLiteral("Namezhi1"), 90, 62, 36, kFixedCharBytes);
    Namezhi2 = MakeEdit(strip, QStringLiteral("Namezhi2"), 130, 62, 36, kFixedCharBytes);
    Namezhi3 = MakeEdit(strip, QStringLiteral("Namezhi3"), 171, 62, 36, kFixedCharBytes);
    Namezhi4 = MakeEdit(strip, QStringLiteral("Namezhi4"), 211, 62, 36, kFixedCharBytes);
    CBZS = MakeCombo(strip, QStringLiteral("CBZS"),
                     {QStringLiteral("二字名"), QStringLiteral("三字名"), QStringLiteral("四字名")},
                     QStringLiteral("二字名"), false, 251, 62, 64);
    MakeNote(strip, QStringLiteral("需固定字说明：如主体名【九万】可以固定为【九】或【万】"), 322,
             62, 366);

    MakeCaptionPlate(strip, QStringLiteral("行业后缀"), 4, 90);
    NameEnd = MakeEdit(strip, QStringLiteral("NameEnd"), 90, 90, 120, kPrefixBytes);
    MakeNote(strip, SuffixNote(), 216, 90, 472);

    RzBitBtn5 = MakeButton(strip, QStringLiteral("RzBitBtn5"), QStringLiteral("马上起名"), 692, 5);
    RzBitBtn2 = MakeButton(strip, QStringLiteral("RzBitBtn2"), QStringLiteral("继续显示"), 692, 32);
    RzBitBtn4 = MakeButton(strip, QStringLiteral("RzBitBtn4"), QStringLiteral("查看详细"), 692, 60);
    RzBitBtn3 =
        MakeButton(strip, QStringLiteral("RzBitBtn3"), QStringLiteral("导出EXCEL"), 692, 87);
    RzBitBtn5->setProperty("primary", true);
    RzBitBtn2->setEnabled(false);

    RzStringGrid1 = new StringGrid(QStringLiteral("RzStringGrid1"), 101,
                                   {43, 183, 194, 57, 57, 58, 55, 56, 54}, 18, this);
    RzStringGrid1->setGeometry(0, 115, 788, 337);
    // A double click on a row is the same as 查看详细.
    connect(RzStringGrid1, &StringGrid::RowDoubleClicked, RzBitBtn4, &QPushButton::click);

    REbazi = new QTextEdit(this);
    REbazi->setObjectName(QStringLiteral("REbazi"));
    REbazi->setReadOnly(true);
    REbazi->hide();

    Namezhi3->setEnabled(false);
    Namezhi4->setEnabled(false);
    connect(CBZS, &QComboBox::currentIndexChanged, this, &NamingPage::CBZSChange);
    connect(RzBitBtn5, &QPushButton::clicked, this, &NamingPage::RzBitBtn5Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &NamingPage::RzBitBtn2Click);
    connect(RzBitBtn4, &QPushButton::clicked, this, &NamingPage::RzBitBtn4Click);
    connect(RzBitBtn3, &QPushButton::clicked, this, &NamingPage::RzBitBtn3Click);
}

void NamingPage::WriteGridHeader() {
    for (int col = 0; col < RzStringGrid1->ColCount(); ++col)
        RzStringGrid1->SetCell(col, 0, QString::fromUtf8(kGridHeader[col]));
}

void NamingPage::CBZSChange() {
    // Characters in the name body: 2, 3 or 4.
    const int length = CBZS->currentIndex() + 2;
    Namezhi1->setEnabled(true);
    Namezhi2->setEnabled(true);
    Namezhi3->setEnabled(length >= 3);
    Namezhi4->setEnabled(length >= 4);
}

SearchInput NamingPage::ReadSearchInput() const {
    SearchInput input;
    input.birth = Owner->ReadBirthInput();
    input.NameBegin = NameBegin->text().toStdString();
    input.NameEnd = NameEnd->text().toStdString();
    input.Length = CBZS->currentIndex() + 2;
    const QLineEdit* fixed[] = {Namezhi1, Namezhi2, Namezhi3, Namezhi4};
    for (int k = 0; k < 4; ++k) input.Namezhi[k] = fixed[k]->text().toStdString();
    return input;
}

void NamingPage::RzBitBtn5Click() {
    const SearchInput input = ReadSearchInput();
    // A date or time that does not convert raises here, before anything changes.
    const std::string message = PrepareSearch(input, searchState, context_.queries.ADOTem);
    if (!message.empty()) {
        if (!CheckOwnerInput(input.birth).empty()) {
            ShowMsg(QString::fromStdString(message), this);
            if (message == kSurnameMissing) Owner->Xing->setFocus();
        } else {
            QMessageBox::information(this, QStringLiteral("信息提示"),
                                     QString::fromStdString(message), QMessageBox::Ok);
        }
        return;
    }

    RzBitBtn5->setEnabled(false);
    // The button comes back also when the query fails; the grid keeps its page then.
    struct Reenable {
        QPushButton* button;
        ~Reenable() { button->setEnabled(true); }
    } reenable{RzBitBtn5};
    store::Query& result = context_.queries.ADOComDS;
    OpenSearch(input, searchState, result);
    RzBitBtn2->setEnabled(result.RowCount() > kPagedRowLimit);
    FillNameGrid();
}

void NamingPage::RzBitBtn2Click() { FillNameGrid(); }

void NamingPage::FillNameGrid() {
    store::Query& result = context_.queries.ADOComDS;
    if (!result.IsOpen()) return;
    ClearNameGrid();
    const std::vector<GridRow> page =
        BuildNamePage(result, searchState, NameBegin->text().toStdString(),
                      NameEnd->text().toStdString(), rowDraw_);
    for (size_t k = 0; k < page.size(); ++k)
        for (int col = 0; col < kGridColumns; ++col)
            RzStringGrid1->SetCell(col, static_cast<int>(k) + 1,
                                   QString::fromStdString(page[k][col]));
}

void NamingPage::ClearNameGrid() { RzStringGrid1->ClearRows(); }

void NamingPage::RzBitBtn4Click() {
    const int row = RzStringGrid1->Row();
    if (row < 1) return;
    const std::string body = Trim(RzStringGrid1->Cell(4, row).toStdString());
    if (body.empty()) return;
    const calendar::BirthInput birth = Owner->ReadBirthInput();
    OpenNameDetail(this, Trim(birth.Surname), Trim(birth.GivenName), birth.SexText, birth.YearText,
                   birth.MonthText, birth.DayText, birth.HourText, birth.MinuteText,
                   Trim(NameBegin->text().toStdString()), body, Trim(NameEnd->text().toStdString()),
                   birth.DateKind);
}

std::vector<std::vector<std::string>> NamingPage::GridTable() const {
    std::vector<std::vector<std::string>> table;
    for (int row = 0; row < RzStringGrid1->RowCount(); ++row) {
        std::vector<std::string> cells;
        bool filled = false;
        for (int col = 0; col < RzStringGrid1->ColCount(); ++col) {
            cells.push_back(RzStringGrid1->Cell(col, row).toStdString());
            filled = filled || !Trim(cells.back()).empty();
        }
        if (row == 0 || filled) table.push_back(std::move(cells));
    }
    return table;
}

bool NamingPage::ExportGrid(const QString& path) const {
    return WriteGridWorkbook(path.toStdString(), GridTable());
}

void NamingPage::RzBitBtn3Click() {
    if (GridTable().size() <= 1) {
        ShowMsg(QStringLiteral("没有可导出的数据!"), this);
        return;
    }
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出EXCEL"),
                                                QStringLiteral("起名结果.xlsx"),
                                                QStringLiteral("Excel 工作簿 (*.xlsx)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        path += QStringLiteral(".xlsx");
    if (!ExportGrid(path)) ShowMsg(QStringLiteral("无法写入这个文件，导出没有完成。"), this);
}

}  // namespace velmora::naming
