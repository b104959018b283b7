#pragma once
// The main window: a borderless 800 x 590 frame whose background picture
// draws the title strip and the toolbar; transparent click areas over the
// picture switch between the seven pages.

#include <QWidget>
#include <array>

#include "shell/page_context.h"

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
}
namespace velmora::tools {
class DreamPage;
}

namespace velmora::shell {

class OpeningDayPage;
class ToolsPage;

class TFrmIndex : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmIndex(QWidget* parent = nullptr);
    ~TFrmIndex() override;

    MainQueries& Queries() { return queries_; }
    QFileDialog& SaveDialog() { return *SaveDialog1; }

    QLabel* Image1;               // the background picture
    QWidget* Image4;              // title strip: pressing it moves the window
    QToolButton* RzToolButton11;  // 最小化
    QToolButton* RzToolButton12;  // 关闭
    QToolButton* RzToolButton2;   // 公司取名
    QToolButton* RzToolButton1;   // 名字分析
    QToolButton* RzToolButton3;   // 生辰八字
    QToolButton* RzToolButton4;   // 开张吉日
    QToolButton* RzToolButton5;   // 本日黄历
    QToolButton* RzToolButton6;   // 解梦大全
    QToolButton* RzToolButton7;   // 其他功能
    QStackedWidget* RzPageControl1;
    QFileDialog* SaveDialog1;

    naming::NamingPage* TabSheet1;
    naming::AnalysisPage* TabSheet3;
    bazi::BaziPage* TabSheet2;
    OpeningDayPage* TabSheet4;
    calendar::AlmanacPage* TabSheet5;
    tools::DreamPage* TabSheet6;
    ToolsPage* TabSheet9;

  public slots:
    void RzToolButton11Click();  // minimise
    void RzToolButton12Click();  // close sequence

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void BuildFrame();
    void BuildPages();
    void ShowPage(QWidget* page);

    MainQueries queries_;
    PageContext context_;
    bool shown_once_ = false;
};

}  // namespace velmora::shell
