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
#include "naming/name_detail_window.h"
#include "naming/name_notes.h"
#include "naming/stroke_patterns.h"
#include "store/connection.h"
#include "ui/handler_guard.h"
#include "ui/owner_panel.h"
#include "ui/report_output.h"
#include "ui/string_grid.h"
#include "ui/widget_factory.h"

namespace velmora::naming {

using namespace velmora::ui;

namespace {

constexpr int kPrefixBytes = 100;
constexpr int kFixedCharBytes = 2;

constexpr const char* kGridHeader[] = {"编号",     "企业名称", "企业繁体字", "总体笔画", "单位主体",
                                       "主体五行", "主体笔画", "行业笔画",   "总体评分"};

}  // namespace

NamingPage::NamingPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("namingPage"));
    QFrame* strip = MakeInputStrip(this, 115);
    owner_ = new OwnerPanel(strip);

    MakeCaptionPlate(strip, QStringLiteral("地区前缀"), 4, 34);
    prefixEdit_ = MakeEdit(strip, QStringLiteral("prefixEdit"), 90, 34, 120, kPrefixBytes);
    MakeNote(strip, PrefixNote(), 216, 34, 472);

    MakeCaptionPlate(strip, QStringLiteral("字词限定"), 4, 62);
    constexpr int kFixedCharLefts[] = {90, 130, 171, 211};
    for (int k = 0; k < 4; ++k)
        fixedCharEdits_[k] = MakeEdit(strip, QStringLiteral("fixedCharEdit%1").arg(k + 1),
                                      kFixedCharLefts[k], 62, 36, kFixedCharBytes);
    nameLengthBox_ =
        MakeCombo(strip, QStringLiteral("nameLengthBox"),
                  {QStringLiteral("二字名"), QStringLiteral("三字名"), QStringLiteral("四字名")},
                  QStringLiteral("二字名"), false, 251, 62, 64);
    MakeNote(strip, QStringLiteral("需固定字说明：如主体名【九万】可以固定为【九】或【万】"), 322,
             62, 366);

    MakeCaptionPlate(strip, QStringLiteral("行业后缀"), 4, 90);
    suffixEdit_ = MakeEdit(strip, QStringLiteral("suffixEdit"), 90, 90, 120, kPrefixBytes);
    MakeNote(strip, SuffixNote(), 216, 90, 472);

    searchButton_ =
        MakeButton(strip, QStringLiteral("searchButton"), QStringLiteral("马上起名"), 692, 5);
    showMoreButton_ =
        MakeButton(strip, QStringLiteral("showMoreButton"), QStringLiteral("继续显示"), 692, 32);
    detailButton_ =
        MakeButton(strip, QStringLiteral("detailButton"), QStringLiteral("查看详细"), 692, 60);
    exportButton_ =
        MakeButton(strip, QStringLiteral("exportButton"), QStringLiteral("导出EXCEL"), 692, 87);
    searchButton_->setProperty("primary", true);
    showMoreButton_->setEnabled(false);

    resultGrid_ = new StringGrid(QStringLiteral("resultGrid"), 101,
                                 {43, 183, 194, 57, 57, 58, 55, 56, 54}, 18, this);
    resultGrid_->setGeometry(0, 115, 788, 337);
    resultGrid_->setProperty("resultGrid", true);
    resultGrid_->SetHeaderClickable(true);
    connect(resultGrid_, &StringGrid::HeaderClicked, this, &NamingPage::SortShownRows);
    // A double click on a row is the same as 查看详细.
    connect(resultGrid_, &StringGrid::RowDoubleClicked, detailButton_, &QPushButton::click);

    baziScratchMemo_ = new QTextEdit(this);
    baziScratchMemo_->setObjectName(QStringLiteral("baziScratchMemo"));
    baziScratchMemo_->setReadOnly(true);
    baziScratchMemo_->hide();

    fixedCharEdits_[2]->setEnabled(false);
    fixedCharEdits_[3]->setEnabled(false);
    connect(nameLengthBox_, &QComboBox::currentIndexChanged, this,
            ui::Guarded([this] { onNameLengthChanged(); }));
    connect(searchButton_, &QPushButton::clicked, this, ui::Guarded([this] { onSearchClicked(); }));
    connect(showMoreButton_, &QPushButton::clicked, this,
            ui::Guarded([this] { onShowMoreClicked(); }));
    connect(detailButton_, &QPushButton::clicked, this, ui::Guarded([this] { onDetailClicked(); }));
    connect(exportButton_, &QPushButton::clicked, this, ui::Guarded([this] { onExportClicked(); }));
}

void NamingPage::StartBackgroundRead() {
    if (patternsRead_.valid()) return;
    patternsRead_ = std::async(std::launch::async, PreloadStrokePatterns,
                               store::BuildConnectionString(store::DataFile::Vudazod));
}

void NamingPage::WriteGridHeader() {
    for (int col = 0; col < resultGrid_->ColCount(); ++col)
        resultGrid_->SetCell(col, 0, QString::fromUtf8(kGridHeader[col]));
    resultGrid_->SetHeaderToolTip(
        8, QStringLiteral("总体评分 = 主体笔画组合的格局分 + 总体笔画的81数理加分"
                          "（吉数4分，半吉3分，其余2分）；名称分析的综合评分与此相同"));
}

void NamingPage::onNameLengthChanged() {
    // Characters in the name body: 2, 3 or 4.
    const int length = nameLengthBox_->currentIndex() + 2;
    for (int k = 0; k < 4; ++k) fixedCharEdits_[k]->setEnabled(k < length);
}

calendar::BirthInput NamingPage::owner() const { return owner_->ReadBirthInput(); }

bool NamingPage::ownerIsBlank() const { return owner_->IsBlank(); }

void NamingPage::setOwner(const calendar::BirthInput& owner) { owner_->SetOwner(owner); }

NamingPage::NameParts NamingPage::nameParts() const {
    const int row = resultGrid_->Row();
    return {prefixEdit_->text().toStdString(),
            row > 0 ? Trim(resultGrid_->Cell(4, row).toStdString()) : std::string(),
            suffixEdit_->text().toStdString()};
}

SearchInput NamingPage::ReadSearchInput() const {
    SearchInput input;
    input.birth = owner_->ReadBirthInput();
    input.Prefix = prefixEdit_->text().toStdString();
    input.Suffix = suffixEdit_->text().toStdString();
    input.Length = nameLengthBox_->currentIndex() + 2;
    for (int k = 0; k < 4; ++k) input.FixedChars[k] = fixedCharEdits_[k]->text().toStdString();
    return input;
}

void NamingPage::onSearchClicked() {
    const SearchInput input = ReadSearchInput();
    // A date or time that does not convert raises here, before anything changes.
    if (const auto stop = PrepareSearch(input, searchState, context_.queries.strokeLookup)) {
        const QString message = QString::fromStdString(stop->Problem.Message);
        if (stop->Reason == SearchStop::Kind::OwnerInput) {
            ShowMsg(message, this);
            if (stop->Problem.Focus == bazi::InputFocus::Surname) owner_->FocusSurname();
        } else {
            QMessageBox::information(this, QStringLiteral("信息提示"), message, QMessageBox::Ok);
        }
        return;
    }

    searchButton_->setEnabled(false);
    // The button comes back also when the query fails; the grid keeps its page then.
    struct Reenable {
        QPushButton* button;
        ~Reenable() { button->setEnabled(true); }
    } reenable{searchButton_};
    // A failed search leaves no candidates behind; the grid keeps its page.
    candidates_.reset();
    candidates_ = RunSearch(input, searchState);
    showMoreButton_->setEnabled(candidates_->size() > static_cast<size_t>(kPagedRowLimit));
    FillNameGrid();
}

void NamingPage::onShowMoreClicked() { FillNameGrid(); }

void NamingPage::FillNameGrid() {
    if (!candidates_) return;
    shownRows_ = BuildNamePage(*candidates_, searchState, prefixEdit_->text().toStdString(),
                               suffixEdit_->text().toStdString(), rowDraw_);
    sortColumn_ = -1;
    ShowRows();
}

void NamingPage::SortShownRows(int column) {
    if (column < 0 || column >= kGridColumns || shownRows_.empty()) return;
    sortDescending_ = column == sortColumn_ && !sortDescending_;
    sortColumn_ = column;
    SortGridRows(shownRows_, column, sortDescending_);
    ShowRows();
}

void NamingPage::ShowRows() {
    ClearNameGrid();
    for (size_t k = 0; k < shownRows_.size(); ++k)
        for (int col = 0; col < kGridColumns; ++col)
            resultGrid_->SetCell(col, static_cast<int>(k) + 1,
                                 QString::fromStdString(shownRows_[k][col]));
    // As in a grid that always has a current row: 查看详细 works without a click.
    if (!shownRows_.empty()) resultGrid_->SetRow(1);
}

void NamingPage::ClearNameGrid() { resultGrid_->ClearRows(); }

void NamingPage::onDetailClicked() {
    const int row = resultGrid_->Row();
    if (row < 1) return;
    const std::string body = Trim(resultGrid_->Cell(4, row).toStdString());
    if (body.empty()) return;
    const calendar::BirthInput birth = owner_->ReadBirthInput();
    OpenNameDetail(this, Trim(birth.Surname), Trim(birth.GivenName), birth.SexText, birth.YearText,
                   birth.MonthText, birth.DayText, birth.HourText, birth.MinuteText,
                   Trim(prefixEdit_->text().toStdString()), body,
                   Trim(suffixEdit_->text().toStdString()), birth.DateKind);
}

std::vector<std::vector<std::string>> NamingPage::GridTable() const {
    std::vector<std::vector<std::string>> table;
    for (int row = 0; row < resultGrid_->RowCount(); ++row) {
        std::vector<std::string> cells;
        bool filled = false;
        for (int col = 0; col < resultGrid_->ColCount(); ++col) {
            cells.push_back(resultGrid_->Cell(col, row).toStdString());
            filled = filled || !Trim(cells.back()).empty();
        }
        if (row == 0 || filled) table.push_back(std::move(cells));
    }
    return table;
}

bool NamingPage::ExportGrid(const QString& path, std::string* reason) const {
    return WriteGridWorkbook(path.toStdString(), GridTable(), reason);
}

void NamingPage::onExportClicked() {
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
    std::string reason;
    if (!ExportGrid(path, &reason)) {
        ShowMsg(SaveFailedText(path, QString::fromLocal8Bit(reason)), this);
        return;
    }
    context_.ShowStatus(SavedText(path));
}

}  // namespace velmora::naming
