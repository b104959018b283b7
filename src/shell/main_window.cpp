#include "shell/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QWindow>

#include "bazi/bazi_page.h"
#include "calendar/almanac_page.h"
#include "naming/analysis_page.h"
#include "naming/naming_page.h"
#include "shell/jpeg_loader.h"
#include "shell/opening_day_page.h"
#include "shell/report_output.h"
#include "shell/tools_page.h"
#include "tools/dream_page.h"

namespace velmora::shell {

namespace {

constexpr int kClientWidth = 800;
constexpr int kClientHeight = 590;

// The look of the pages' controls; the frame itself is the background picture.
constexpr const char* kStyleSheet = R"(
#PagePanel, QStackedWidget#RzPageControl1 > QWidget { background: #ffffff; }
QFrame#InputStrip {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3f8fe, stop:1 #d6e7f8);
    border-bottom: 1px solid #a9c4e4;
}
QLabel[captionPlate="true"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f86c6, stop:1 #2f5f9e);
    color: #ffffff; border-radius: 3px; font-weight: bold;
}
QLabel[note="true"] { color: #5a6b80; }
QPushButton {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e4edf7);
    border: 1px solid #8eaed3; border-radius: 3px; color: #1f3d63; padding: 1px 6px;
}
QPushButton:hover { background: #fff6e0; border-color: #d69a2d; }
QPushButton:pressed { background: #f3dfb5; }
QPushButton:disabled { color: #9aa7b5; background: #eef1f4; border-color: #c5ced8; }
QPushButton[primary="true"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #d9493b, stop:1 #a92a20);
    border: 1px solid #8c1f17; color: #ffffff; font-weight: bold;
}
QPushButton[primary="true"]:hover { background: #e35a4b; }
QToolButton[clickArea="true"] { background: transparent; border: none; }
QToolButton[clickArea="true"]:hover { background: rgba(255, 255, 255, 38); border-radius: 6px; }
QToolButton[clickArea="true"]:pressed { background: rgba(0, 0, 0, 30); border-radius: 6px; }
QToolButton[toolbar="true"]:checked { background: rgba(255, 236, 190, 34); border-radius: 6px;
    border-bottom: 2px solid #f2c96b; }
QToolButton#RzToolButton11:hover, QToolButton#RzToolButton12:hover { border-radius: 0px; }
QTableWidget#RzStringGrid1 { gridline-color: #d4dde8; selection-background-color: #fbe3b0;
    selection-color: #000000; }
QHeaderView::section { background: #e8eef6; border: none; border-right: 1px solid #c9d4e2;
    border-bottom: 1px solid #c9d4e2; color: #1f3d63; font-weight: bold; }
QGroupBox { font-weight: bold; color: #1f3d63; }
)";

struct ToolbarButton {
    QToolButton* TFrmIndex::*member;
    const char* name;
    int left;
    const char* hint;
};

constexpr ToolbarButton kToolbar[] = {
    {&TFrmIndex::RzToolButton2, "RzToolButton2", 7, "公司起名、商品起名、品牌起名等都可以操作"},
    {&TFrmIndex::RzToolButton1, "RzToolButton1", 89,
     "公司起名、商品起名、品牌起名等名字详细分析及评分"},
    {&TFrmIndex::RzToolButton3, "RzToolButton3", 171, "法人生辰八字详细分析"},
    {&TFrmIndex::RzToolButton4, "RzToolButton4", 253, "支持法人和合伙人共同推算开业日期"},
    {&TFrmIndex::RzToolButton5, "RzToolButton5", 334, "本日黄历 也可以选其他日期查看"},
    {&TFrmIndex::RzToolButton6, "RzToolButton6", 416, "周公解梦"},
    {&TFrmIndex::RzToolButton7, "RzToolButton7", 498, "各类吉日、数字吉祥等功能"},
};

QToolButton* MakeClickArea(QWidget* parent, const QString& name, const QRect& area,
                           const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setProperty("clickArea", true);
    button->setGeometry(area);
    button->setToolTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

TFrmIndex::TFrmIndex(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      SaveDialog1(nullptr),
      context_{queries_, *(SaveDialog1 = new QFileDialog(this))} {
    setObjectName(QStringLiteral("TFrmIndex"));
    setWindowTitle(QStringLiteral("Velmora软件"));
    setFixedSize(kClientWidth, kClientHeight);
    setStyleSheet(QString::fromUtf8(kStyleSheet));
    PrepareSaveDialog(*SaveDialog1);
    BuildFrame();
    BuildPages();
    FormCreate();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
    }
}

TFrmIndex::~TFrmIndex() { queries_.CloseAll(); }

void TFrmIndex::BuildFrame() {
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kClientWidth, kClientHeight);
    Image1->setPixmap(QPixmap::fromImage(LoadAsset(QStringLiteral("main_background.jpg"))));

    Image4 = new QWidget(this);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setGeometry(2, 1, 663, 20);
    Image4->installEventFilter(this);

    RzToolButton11 = MakeClickArea(this, QStringLiteral("RzToolButton11"), QRect(724, 1, 27, 19),
                                   QStringLiteral("最小化"));
    RzToolButton12 = MakeClickArea(this, QStringLiteral("RzToolButton12"), QRect(752, 1, 39, 19),
                                   QStringLiteral("关闭"));
    connect(RzToolButton11, &QToolButton::clicked, this, &TFrmIndex::RzToolButton11Click);
    connect(RzToolButton12, &QToolButton::clicked, this, &TFrmIndex::RzToolButton12Click);

    for (const ToolbarButton& entry : kToolbar) {
        QToolButton* button =
            MakeClickArea(this, QString::fromLatin1(entry.name), QRect(entry.left, 24, 75, 76),
                          QString::fromUtf8(entry.hint));
        // The button of the active page keeps a light mark, so the user sees where he is.
        button->setProperty("toolbar", true);
        button->setCheckable(true);
        this->*entry.member = button;
    }

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("PagePanel"));
    panel->setGeometry(5, 106, 790, 456);
    RzPageControl1 = new QStackedWidget(panel);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setGeometry(1, 2, 788, 452);
}

void TFrmIndex::BuildPages() {
    TabSheet1 = new naming::NamingPage(context_, RzPageControl1);
    TabSheet3 = new naming::AnalysisPage(context_, RzPageControl1);
    TabSheet2 = new bazi::BaziPage(context_, RzPageControl1);
    TabSheet4 = new OpeningDayPage(context_, RzPageControl1);
    TabSheet5 = new calendar::AlmanacPage(context_, RzPageControl1);
    TabSheet6 = new tools::DreamPage(context_, RzPageControl1);
    TabSheet9 = new ToolsPage(RzPageControl1);
    for (QWidget* page : std::initializer_list<QWidget*>{TabSheet1, TabSheet3, TabSheet2, TabSheet4,
                                                         TabSheet5, TabSheet6, TabSheet9})
        RzPageControl1->addWidget(page);

    connect(RzToolButton2, &QToolButton::clicked, this, [this] { ShowPage(TabSheet1); });
    connect(RzToolButton1, &QToolButton::clicked, this, [this] { ShowPage(TabSheet3); });
    connect(RzToolButton3, &QToolButton::clicked, this, [this] { ShowPage(TabSheet2); });
    connect(RzToolButton4, &QToolButton::clicked, this, [this] { ShowPage(TabSheet4); });
    connect(RzToolButton5, &QToolButton::clicked, this, [this] {
        ShowPage(TabSheet5);
        TabSheet5->BtnHuangli->click();  // shows the entry of the date in the boxes at once
    });
    connect(RzToolButton6, &QToolButton::clicked, this, [this] { ShowPage(TabSheet6); });
    connect(RzToolButton7, &QToolButton::clicked, this, [this] { ShowPage(TabSheet9); });
    connect(TabSheet3, &naming::AnalysisPage::ReturnToNaming, this,
            [this] { ShowPage(TabSheet1); });
    connect(TabSheet4, &OpeningDayPage::ReturnToNaming, this, [this] { ShowPage(TabSheet1); });
}

void TFrmIndex::FormCreate() {
    queries_.BindAll();
    const QDate today = QDate::currentDate();
    TabSheet5->SetDateBoxes(today.year(), today.month(), today.day());
    ShowPage(TabSheet1);
}

void TFrmIndex::FormShow() { TabSheet1->WriteGridHeader(); }

void TFrmIndex::ShowPage(QWidget* page) {
    RzPageControl1->setCurrentWidget(page);
    const std::pair<QWidget*, QToolButton*> owners[] = {
        {TabSheet1, RzToolButton2}, {TabSheet3, RzToolButton1}, {TabSheet2, RzToolButton3},
        {TabSheet4, RzToolButton4}, {TabSheet5, RzToolButton5}, {TabSheet6, RzToolButton6},
        {TabSheet9, RzToolButton7}};
    for (const auto& [sheet, button] : owners) button->setChecked(sheet == page);
}

void TFrmIndex::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_once_) {
        shown_once_ = true;
        FormShow();
    }
}

bool TFrmIndex::eventFilter(QObject* watched, QEvent* event) {
    // Any button pressed on the title strip hands the move to the window system.
    if (watched == Image4 && event->type() == QEvent::MouseButtonPress) {
        if (QWindow* handle = windowHandle()) handle->startSystemMove();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmIndex::RzToolButton11Click() { showMinimized(); }

void TFrmIndex::RzToolButton12Click() {
    // SQLite opened read-only leaves no lock files, so closing the queries is
    // all the clean-up there is.
    queries_.CloseAll();
    close();
    QCoreApplication::quit();
}

void TFrmIndex::closeEvent(QCloseEvent* event) {
    queries_.CloseAll();
    event->accept();
}

}  // namespace velmora::shell
