#include "calendar/almanac_page.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "base/dates.h"
#include "base/errors.h"
#include "base/text.h"
#include "calendar/almanac.h"
#include "ui/handler_guard.h"
#include "ui/report_memo.h"
#include "ui/report_output.h"
#include "ui/widget_factory.h"

namespace velmora::calendar {

using namespace velmora::ui;

namespace {

// The years the almanac table holds; others can still be typed.
constexpr int kFirstAlmanacYear = 1901;
constexpr int kLastAlmanacYear = 2100;

constexpr const char* kGlossary[] = {
    "嫁娶 ：男娶女嫁，举行结婚大典的吉日 ",
    "祭祀 ：指祠堂之祭祀、即拜祭祖先或庙寺的祭拜、神明等事 ",
    "安葬 ：举行埋葬等仪式 ",
    "出行 ：指外出旅行、观光游览 ",
    "祈福 ：祈求神明降福或设醮还愿之事 ",
    "动土 ：建筑时、第一次动起锄头挖土 ",
    "安床 ：指安置睡床卧铺之意 ",
    "开光 ：佛像塑成后、供奉上位之事 ",
    "纳采 ：缔结婚姻的仪式、受授聘金 ",
    "入殓 ：将尸体放入棺材之意 ",
    "移徙 ：指搬家迁移住所之意 ",
    "破土 ：仅指埋葬用的破土、与一般建筑房屋的“动土”不同，即",
    "“破土”属阴宅，“动土”属阳宅也。现",
    "今社会上多已滥用属阴宅择日时属阴宅须辨别之。 ",
    "解除 ：指冲洗清扫宅舍、解除灾厄等事 ",
    "入宅 ：即迁入新宅、所谓“新居落成典礼”也 ",
    "修造 ：指阳宅之造与修理 ",
    "栽种 ：种植物“接果”“种田禾”同 ",
    "开市 ：“开业”之意，如“开幕典礼”“开工”。",
    "移柩 ：行葬仪时、将棺木移出屋外之事 ",
    "订盟 ：订婚仪式的一种，俗称小聘(订) ",
    "拆卸 ：拆掉建筑物 ",
    "立卷 ：订立各种契约互相买卖之事 ",
    "交易 ：订立各种契约互相买卖之事 ",
    "求嗣 ：指向神明祈求后嗣(子孙)之意 ",
    "上梁 ：装上建筑物屋顶的梁，同架马 ",
    "纳财 ：购屋产业、进货、收帐、收租、讨债、贷款、五谷入仓等 ",
    "起基 ：建筑时、第一次动起锄头挖土 ",
    "斋醮 ：庙宇建醮前需举行的斋戒仪式 ",
    "赴任 ：走马上任 ",
    "冠笄 ：男女年满二十岁所举行的成年礼仪式 ",
    "安门 ：放置正门门框 ",
    "修坟 ：修理坟墓 ",
    "挂匾 ：指悬挂招牌或各种匾额",
};

}  // namespace

AlmanacPage::AlmanacPage(PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("almanacPage"));

    // Left half: the date, the buttons and the entry.
    QFrame* strip = MakeInputStrip(this, 36);
    strip->setGeometry(0, 0, 421, 36);
    MakeCaptionPlate(strip, QStringLiteral("选择黄历："), 4, 7, 70);
    yearBox_ =
        MakeCombo(strip, QStringLiteral("yearBox"),
                  NumberItems(kFirstAlmanacYear, kLastAlmanacYear), QString(), true, 80, 7, 56);
    MakeLabel(strip, QStringLiteral("年"), 138, 7, 13);
    monthBox_ = MakeCombo(strip, QStringLiteral("monthBox"), NumberItems(1, 12, 2), QString(), true,
                          154, 7, 44);
    MakeLabel(strip, QStringLiteral("月"), 200, 7, 13);
    dayBox_ = MakeCombo(strip, QStringLiteral("dayBox"), NumberItems(1, 31, 2), QString(), true,
                        216, 7, 44);
    MakeLabel(strip, QStringLiteral("日"), 262, 7, 13);
    showButton_ =
        MakeButton(strip, QStringLiteral("showButton"), QStringLiteral("查看"), 282, 6, 64);
    printButton_ =
        MakeButton(strip, QStringLiteral("printButton"), QStringLiteral("打印"), 350, 6, 64);
    showButton_->setProperty("primary", true);

    headlineLabel_ = new QLabel(this);
    headlineLabel_->setObjectName(QStringLiteral("headlineLabel"));
    headlineLabel_->hide();

    auto* result_group = new QGroupBox(QStringLiteral("测算结果："), this);
    result_group->setGeometry(4, 40, 413, 408);
    entryMemo_ = new ReportMemo(QStringLiteral("entryMemo"), QStringLiteral("本日黄历"),
                                QPageSize::Letter, result_group);
    entryMemo_->setGeometry(8, 22, 397, 378);

    // Right half: the glossary, which never changes.
    auto* glossary_group = new QGroupBox(QStringLiteral("黄历名词解释："), this);
    glossary_group->setGeometry(425, 4, 359, 444);
    glossaryMemo_ = new QPlainTextEdit(glossary_group);
    glossaryMemo_->setObjectName(QStringLiteral("glossaryMemo"));
    glossaryMemo_->setReadOnly(true);
    glossaryMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    glossaryMemo_->setGeometry(8, 22, 343, 414);
    QStringList glossary;
    for (const char* line : kGlossary) glossary << QString::fromUtf8(line);
    glossaryMemo_->setPlainText(glossary.join(QLatin1Char('\n')));

    connect(showButton_, &QPushButton::clicked, this, ui::Guarded([this] { onShowClicked(); }));
    connect(printButton_, &QPushButton::clicked, this,
            ui::Guarded([this] { PrintReportMemo(*entryMemo_); }));
}

void AlmanacPage::ShowChosenDay() { onShowClicked(); }

void AlmanacPage::ShowEntry(int year, int month, int day) {
    SetDateBoxes(year, month, day);
    onShowClicked();
}

QString AlmanacPage::Headline() const { return headlineLabel_->text(); }

void AlmanacPage::onShowClicked() {
    const std::string year = Trim(yearBox_->currentText().toStdString());
    if (year.empty()) return ShowMsg(QStringLiteral("请选择年!"), window());
    const std::string month = Trim(monthBox_->currentText().toStdString());
    if (month.empty()) return ShowMsg(QStringLiteral("请选择月!"), window());
    const std::string day = Trim(dayBox_->currentText().toStdString());
    if (day.empty()) return ShowMsg(QStringLiteral("请选择日!"), window());

    // The date exactly as typed or picked, e.g. 2012-03-05 or 2012-3-5.
    const std::string dateText = year + "-" + month + "-" + day;
    DateValue date = 0;
    try {
        date = ParseDate(dateText);
    } catch (const ConversionError&) {
        return ShowMsg(QStringLiteral("请选择有效的日期!"), window());
    }
    const std::optional<AlmanacEntry> entry = LookupAlmanac(context_.queries.almanacDays, date);
    if (!entry) return;  // a day the table lacks: the last entry stays

    headlineLabel_->setText(QString::fromStdString(AlmanacHeadline(dateText, *entry)));
    MemoSink sink(*entryMemo_);
    WriteAlmanacEntry(dateText, *entry, sink);
}

void AlmanacPage::SetDateBoxes(int year, int month, int day) {
    yearBox_->setCurrentText(QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')));
    monthBox_->setCurrentText(QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')));
    dayBox_->setCurrentText(QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
}

}  // namespace velmora::calendar
