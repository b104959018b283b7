// The analysis page: typing into the real controls and clicking 分析 fills
// reportMemo_ with the same report as the engine, from its first line; a
// validation failure shows its box, keeps the memo and focuses the short name.

#include "naming/analysis_page.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include "../ui/test_support.h"
#include "app/main_window.h"
#include "base/dates.h"
#include "naming/name_analysis.h"
#include "ui/handler_guard.h"
#include "ui/owner_panel.h"
#include "ui/report_memo.h"

using velmora::testing::BoxSeen;
using velmora::testing::ModalResponder;
using velmora::testing::Type;

class AnalysisPageTest : public QObject {
    Q_OBJECT

  private slots:
    void clickWritesTheReport() {
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.analysisPageButton_, Qt::LeftButton);  // 名字分析
        velmora::naming::AnalysisPage* page = window.analysisPage_;
        QCOMPARE(window.pageStack_->currentWidget(), static_cast<QWidget*>(page));
        velmora::ui::OwnerPanel* owner = page->owner_;
        Type(owner->surnameEdit_, QStringLiteral("王"));
        Type(owner->givenNameEdit_, QStringLiteral("小明"));
        owner->yearBox_->setCurrentText(QStringLiteral("1985"));
        owner->monthBox_->setCurrentText(QStringLiteral("7"));
        owner->dayBox_->setCurrentText(QStringLiteral("20"));
        owner->hourBox_->setCurrentText(QStringLiteral("巳 10"));
        owner->minuteBox_->setCurrentText(QStringLiteral("30"));
        Type(page->prefixEdit_, QStringLiteral("上海"));
        Type(page->mainBodyEdit_, QStringLiteral("九万"));
        Type(page->suffixEdit_, QStringLiteral("科技有限公司"));

        QTest::mouseClick(page->analyseButton_, Qt::LeftButton);

        velmora::naming::NameAnalysisInput input{owner->ReadBirthInput(), "上海", "九万",
                                                 "科技有限公司"};
        velmora::VectorSink expected;
        auto& q = page->Context().queries;
        QVERIFY(!velmora::naming::WriteNameAnalysis(input, expected, q.strokeLookup, q.nameReadings,
                                                    velmora::CivilFromDate(velmora::Today()).year));
        const QStringList lines = page->reportMemo_->Lines();
        QCOMPARE(lines.size(), static_cast<qsizetype>(expected.lines.size()));
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], QString::fromStdString(expected.lines[static_cast<size_t>(i)]));
        QVERIFY(lines.contains(QStringLiteral("企业名称：上海九万科技有限公司")));
        QCOMPARE(page->reportMemo_->textCursor().position(), 0);

        // A short name of one character: the box, the old report, the focus.
        page->mainBodyEdit_->clear();
        Type(page->mainBodyEdit_, QStringLiteral("九"));
        QList<BoxSeen> seen;
        {
            ModalResponder responder(
                [&](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
            QTest::mouseClick(page->analyseButton_, Qt::LeftButton);
        }
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("企业简称为两个字以上!"));
        QCOMPARE(page->reportMemo_->Lines(), lines);
        QCOMPARE(window.focusWidget(), static_cast<QWidget*>(page->mainBodyEdit_));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    AnalysisPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "analysis_page_test.moc"
