#pragma once
// The main window: a borderless 800 x 590 frame whose background picture
// draws the title strip and the toolbar; transparent click areas over the
// picture switch between the seven pages.

#include <QWidget>
#include <array>
#include <optional>

#include "calendar/lunar_calendar.h"
#include "ui/page_context.h"
#include "ui/report_output.h"

class QLabel;
class QStackedWidget;
class QToolButton;

namespace velmora::naming {
class NamingPage;
class AnalysisPage;
}  // namespace velmora::naming
namespace velmora::bazi {
class BaziPage;
}
namespace velmora::calendar {
class AlmanacPage;
class OpeningDayPage;
}  // namespace velmora::calendar
namespace velmora::tools {
class DreamPage;
class ToolsPage;
}  // namespace velmora::tools

namespace velmora::app {

// At start-up: when a database file is missing or unreadable, one box names
// each such file and the command that rebuilds them. True when it was shown.
bool ShowUnreadableDataFiles();

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ui::MainQueries& Queries() { return queries_; }

  public slots:
    void onMinimizeClicked();  // minimise
    void onCloseClicked();     // close sequence

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* background_;                 // the background picture
    QWidget* titleStrip_;                // title strip: pressing it moves the window
    QToolButton* minimizeButton_;        // 最小化
    QToolButton* closeButton_;           // 关闭
    QToolButton* namingPageButton_;      // 公司取名
    QToolButton* analysisPageButton_;    // 名字分析
    QToolButton* baziPageButton_;        // 生辰八字
    QToolButton* openingDayPageButton_;  // 开张吉日
    QToolButton* almanacPageButton_;     // 本日黄历
    QToolButton* dreamPageButton_;       // 解梦大全
    QToolButton* toolsPageButton_;       // 其他功能
    QStackedWidget* pageStack_;
    QLabel* statusStrip_;  // over the bottom strip of the picture: where a save went
    naming::NamingPage* namingPage_;
    naming::AnalysisPage* analysisPage_;
    bazi::BaziPage* baziPage_;
    calendar::OpeningDayPage* openingDayPage_;
    calendar::AlmanacPage* almanacPage_;
    tools::DreamPage* dreamPage_;
    tools::ToolsPage* toolsPage_;

    void StartUp();
    void OnFirstShow();
    void BuildFrame();
    void BuildPages();
    void WireToolWindows();
    void ShowPage(QWidget* page);
    void RememberOwner(QWidget* page);
    void CarryOwnerTo(QWidget* page);

    ui::MainQueries queries_;
    ui::SharedSaveDialog saveDialog_{this};
    ui::PageContext context_;
    bool shown_once_ = false;
    std::optional<calendar::BirthInput> lastOwner_;  // the owner last typed on a page
    bool painted_once_ = false;
};

}  // namespace velmora::app
