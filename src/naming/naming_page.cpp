#include "naming/naming_page.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "shell/owner_panel.h"
#include "shell/string_grid.h"
#include "shell/widget_factory.h"

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
    QFrame* strip = MakeInputStrip(this, 115);
    Owner = new OwnerPanel(QString(), strip);

    MakeCaptionPlate(strip, QStringLiteral("地区前缀"), 4, 34);
    NameBegin = MakeEdit(strip, QStringLiteral("NameBegin"), 90, 34, 120, kPrefixBytes);
    MakeNote(strip,
             QStringLiteral(
                 "如企业名称：【上海九万科技有限公司】的【上海】代表企业行政所在地，也可以不设置"),
             216, 34, 472);

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
    MakeNote(strip,
             QStringLiteral(
                 "店铺或企业的行业名称：如科技有限公司、服务中心、研究院、服装店、宾馆、健身房等"),
             216, 90, 472);

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

}  // namespace velmora::naming
