#pragma once
// The main window: a borderless 800 x 590 frame whose background picture
// draws the title strip and the toolbar; transparent click areas over the
// picture switch between the seven pages.

#include <QWidget>
#include <array>

#include "ui/page_context.h"

class QFileDialog;
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
    QFileDialog& SaveDialog() { return *saveDialog_; }

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
    QFileDialog* saveDialog_;

    naming::NamingPage* namingPage_;
    naming::AnalysisPage* analysisPage_;
    bazi::BaziPage* baziPage_;
    calendar::OpeningDayPage* openingDayPage_;
    calendar::AlmanacPage* almanacPage_;
    tools::DreamPage* dreamPage_;
    tools::ToolsPage* toolsPage_;

  public slots:
    void onMinimizeClicked();  // minimise
    void onCloseClicked();     // close sequence

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StartUp();
    void OnFirstShow();
    void BuildFrame();
    void BuildPages();
    void ShowPage(QWidget* page);

    ui::MainQueries queries_;
    ui::PageContext context_;
    bool shown_once_ = false;
};

}  // namespace velmora::app
