#include "app/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "bazi/bazi_page.h"
#include "calendar/almanac_page.h"
#include "calendar/calendar_window.h"
#include "calendar/opening_day_page.h"
#include "naming/analysis_page.h"
#include "naming/naming_page.h"
#include "store/data_check.h"
#include "tools/dream_page.h"
#include "tools/nickname_window.h"
#include "tools/number_test_window.h"
#include "tools/tools_page.h"
#include "ui/handler_guard.h"
#include "ui/jpeg_loader.h"
#include "ui/report_output.h"

namespace velmora::app {

using namespace velmora::ui;

namespace {

constexpr int kClientWidth = 800;
constexpr int kClientHeight = 590;

// The look of the pages' controls; the frame itself is the background picture.
constexpr const char* kStyleSheet = R"(
QFrame[pagePanel="true"], QStackedWidget[pageStack="true"] > QWidget { background: #ffffff; }
QFrame[inputStrip="true"] {
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
QToolButton[windowButton="true"]:hover { border-radius: 0px; }
QTableWidget[resultGrid="true"] { gridline-color: #d4dde8; selection-background-color: #fbe3b0;
    selection-color: #000000; }
QHeaderView::section { background: #e8eef6; border: none; border-right: 1px solid #c9d4e2;
    border-bottom: 1px solid #c9d4e2; color: #1f3d63; font-weight: bold; }
QGroupBox { font-weight: bold; color: #1f3d63; }
QLabel[statusStrip="true"] { color: #7a3b12; background: transparent; }
)";

struct ToolbarButton {
    const char* name;
    int left;
    const char* hint;
};

constexpr ToolbarButton kToolbar[] = {
    {"namingPageButton", 7, "公司起名、商品起名、品牌起名等都可以操作"},
    {"analysisPageButton", 89, "公司起名、商品起名、品牌起名等名字详细分析及评分"},
    {"baziPageButton", 171, "法人生辰八字详细分析"},
    {"openingDayPageButton", 253, "支持法人和合伙人共同推算开业日期"},
    {"almanacPageButton", 334, "本日黄历 也可以选其他日期查看"},
    {"dreamPageButton", 416, "周公解梦"},
    {"toolsPageButton", 498, "各类吉日、数字吉祥等功能"},
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

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_{queries_, saveDialog_} {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Velmora软件"));
    setFixedSize(kClientWidth, kClientHeight);
    setStyleSheet(QString::fromUtf8(kStyleSheet));
    BuildFrame();
    BuildPages();
    StartUp();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
    }
}

MainWindow::~MainWindow() { queries_.CloseAll(); }

void MainWindow::BuildFrame() {
    background_ = new QLabel(this);
    background_->setObjectName(QStringLiteral("background"));
    background_->setGeometry(0, 0, kClientWidth, kClientHeight);
    background_->setPixmap(QPixmap::fromImage(LoadAsset(QStringLiteral("main_background.jpg"))));
    background_->installEventFilter(this);

    titleStrip_ = new QWidget(this);
    titleStrip_->setObjectName(QStringLiteral("titleStrip"));
    titleStrip_->setGeometry(2, 1, 663, 20);
    titleStrip_->installEventFilter(this);

    minimizeButton_ = MakeClickArea(this, QStringLiteral("minimizeButton"), QRect(724, 1, 27, 19),
                                    QStringLiteral("最小化"));
    closeButton_ = MakeClickArea(this, QStringLiteral("closeButton"), QRect(752, 1, 39, 19),
                                 QStringLiteral("关闭"));
    minimizeButton_->setProperty("windowButton", true);
    closeButton_->setProperty("windowButton", true);
    connect(minimizeButton_, &QToolButton::clicked, this,
            ui::Guarded([this] { onMinimizeClicked(); }));
    connect(closeButton_, &QToolButton::clicked, this, ui::Guarded([this] { onCloseClicked(); }));

    QToolButton** toolbar[] = {&namingPageButton_,     &analysisPageButton_, &baziPageButton_,
                               &openingDayPageButton_, &almanacPageButton_,  &dreamPageButton_,
                               &toolsPageButton_};
    static_assert(std::size(toolbar) == std::size(kToolbar));
    for (size_t k = 0; k < std::size(kToolbar); ++k) {
        const ToolbarButton& entry = kToolbar[k];
        QToolButton* button =
            MakeClickArea(this, QString::fromLatin1(entry.name), QRect(entry.left, 24, 75, 76),
                          QString::fromUtf8(entry.hint));
        // The button of the active page keeps a light mark, so the user sees where he is.
        button->setProperty("toolbar", true);
        button->setCheckable(true);
        *toolbar[k] = button;
    }

    statusStrip_ = new QLabel(this);
    statusStrip_->setObjectName(QStringLiteral("statusStrip"));
    statusStrip_->setProperty("statusStrip", true);
    statusStrip_->setGeometry(296, 568, 350, 18);
    context_.showStatus = [this](const QString& text) {
        statusStrip_->setText(text);
        statusStrip_->setToolTip(text);
    };

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pagePanel"));
    panel->setProperty("pagePanel", true);
    panel->setGeometry(5, 106, 790, 456);
    pageStack_ = new QStackedWidget(panel);
    pageStack_->setObjectName(QStringLiteral("pageStack"));
    pageStack_->setProperty("pageStack", true);
    pageStack_->setGeometry(1, 2, 788, 452);
}

void MainWindow::BuildPages() {
    namingPage_ = new naming::NamingPage(context_, pageStack_);
    analysisPage_ = new naming::AnalysisPage(context_, pageStack_);
    baziPage_ = new bazi::BaziPage(context_, pageStack_);
    openingDayPage_ = new calendar::OpeningDayPage(context_, pageStack_);
    almanacPage_ = new calendar::AlmanacPage(context_, pageStack_);
    dreamPage_ = new tools::DreamPage(context_, pageStack_);
    toolsPage_ = new tools::ToolsPage(pageStack_);
    for (QWidget* page :
         std::initializer_list<QWidget*>{namingPage_, analysisPage_, baziPage_, openingDayPage_,
                                         almanacPage_, dreamPage_, toolsPage_})
        pageStack_->addWidget(page);

    WireToolWindows();

    connect(namingPageButton_, &QToolButton::clicked, this,
            ui::Guarded([this] { ShowPage(namingPage_); }));
    connect(analysisPageButton_, &QToolButton::clicked, this,
            ui::Guarded([this] { ShowPage(analysisPage_); }));
    connect(baziPageButton_, &QToolButton::clicked, this,
            ui::Guarded([this] { ShowPage(baziPage_); }));
    connect(openingDayPageButton_, &QToolButton::clicked, this,
            ui::Guarded([this] { ShowPage(openingDayPage_); }));
    connect(almanacPageButton_, &QToolButton::clicked, this, ui::Guarded([this] {
                ShowPage(almanacPage_);
                almanacPage_->ShowChosenDay();  // the entry of the date in the boxes, at once
            }));
    connect(dreamPageButton_, &QToolButton::clicked, this,
            ui::Guarded([this] { ShowPage(dreamPage_); }));
    connect(toolsPageButton_, &QToolButton::clicked, this,
            ui::Guarded([this] { ShowPage(toolsPage_); }));
    connect(analysisPage_, &naming::AnalysisPage::ReturnToNaming, this,
            ui::Guarded([this] { ShowPage(namingPage_); }));
    connect(openingDayPage_, &calendar::OpeningDayPage::ReturnToNaming, this,
            ui::Guarded([this] { ShowPage(namingPage_); }));
}

// The side windows behind the tools page's icons; every opening builds a fresh one.
void MainWindow::WireToolWindows() {
    using tools::NumberTest;
    using tools::NumberTestWindow;
    using tools::ToolsPage;
    toolsPage_->SetWindowFactory(ToolsPage::PhoneNumber, [](QWidget* parent) {
        return new NumberTestWindow(NumberTest::Mobile, parent);
    });
    toolsPage_->SetWindowFactory(ToolsPage::QQNumber, [](QWidget* parent) {
        return new NumberTestWindow(NumberTest::QQ, parent);
    });
    toolsPage_->SetWindowFactory(ToolsPage::AnyNumber, [](QWidget* parent) {
        return new NumberTestWindow(NumberTest::AnyNumber, parent);
    });
    toolsPage_->SetWindowFactory(ToolsPage::Nickname,
                                 [](QWidget* parent) { return new tools::NicknameWindow(parent); });
    toolsPage_->SetWindowFactory(ToolsPage::Calendar,
                                 [](QWidget* parent) { return new calendar::CalendarWindow(parent); });
}

void MainWindow::StartUp() {
    queries_.BindAll();
    const QDate today = QDate::currentDate();
    almanacPage_->SetDateBoxes(today.year(), today.month(), today.day());
    ShowPage(namingPage_);
}

bool ShowUnreadableDataFiles() {
    const std::optional<std::string> problem = store::CheckDataFiles();
    if (problem) ui::ShowErrorText(QString::fromStdString(*problem));
    return problem.has_value();
}

void MainWindow::OnFirstShow() { namingPage_->WriteGridHeader(); }

void MainWindow::RememberOwner(QWidget* page) {
    if (page == namingPage_ && !namingPage_->ownerIsBlank()) lastOwner_ = namingPage_->owner();
    if (page == analysisPage_ && !analysisPage_->ownerIsBlank())
        lastOwner_ = analysisPage_->owner();
    if (page == baziPage_ && !baziPage_->ownerIsBlank()) lastOwner_ = baziPage_->owner();
}

void MainWindow::CarryOwnerTo(QWidget* page) {
    if (page == analysisPage_) {
        const naming::NamingPage::NameParts parts = namingPage_->nameParts();
        analysisPage_->fillEmptyNameParts(parts.prefix, parts.body, parts.suffix);
    }
    if (!lastOwner_) return;
    if (page == namingPage_ && namingPage_->ownerIsBlank()) namingPage_->setOwner(*lastOwner_);
    if (page == analysisPage_ && analysisPage_->ownerIsBlank())
        analysisPage_->setOwner(*lastOwner_);
    if (page == baziPage_ && baziPage_->ownerIsBlank()) baziPage_->setOwner(*lastOwner_);
    if (page == openingDayPage_ && openingDayPage_->ownerIsBlank())
        openingDayPage_->setOwner(*lastOwner_);
}

void MainWindow::ShowPage(QWidget* page) {
    // The owner typed on one page comes along to a page whose owner row is still untouched.
    RememberOwner(pageStack_->currentWidget());
    CarryOwnerTo(page);
    pageStack_->setCurrentWidget(page);
    const std::pair<QWidget*, QToolButton*> owners[] = {
        {namingPage_, namingPageButton_},   {analysisPage_, analysisPageButton_},
        {baziPage_, baziPageButton_},       {openingDayPage_, openingDayPageButton_},
        {almanacPage_, almanacPageButton_}, {dreamPage_, dreamPageButton_},
        {toolsPage_, toolsPageButton_}};
    for (const auto& [sheet, button] : owners) button->setChecked(sheet == page);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_once_) {
        shown_once_ = true;
        OnFirstShow();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Data the first page does not need at once is read after the window has
    // been painted for the first time.
    if (watched == background_ && event->type() == QEvent::Paint && !painted_once_) {
        painted_once_ = true;
        QTimer::singleShot(0, namingPage_, &naming::NamingPage::StartBackgroundRead);
    }
    // Any button pressed on the title strip hands the move to the window system.
    if (watched == titleStrip_ && event->type() == QEvent::MouseButtonPress) {
        if (QWindow* handle = windowHandle()) handle->startSystemMove();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::onMinimizeClicked() { showMinimized(); }

void MainWindow::onCloseClicked() {
    // SQLite opened read-only leaves no lock files, so closing the queries is
    // all the clean-up there is.
    queries_.CloseAll();
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    queries_.CloseAll();
    event->accept();
}

}  // namespace velmora::app
