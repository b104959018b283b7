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

using velmora::testing::Child;

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
        QTest::mouseClick(Child<QToolButton>(window, "analysisPageButton"),
                          Qt::LeftButton);  // 名字分析
        velmora::naming::AnalysisPage* page =
            Child<velmora::naming::AnalysisPage>(window, "analysisPage");
        QCOMPARE(Child<QStackedWidget>(window, "pageStack")->currentWidget(),
                 static_cast<QWidget*>(page));
        velmora::ui::OwnerPanel* owner = Child<velmora::ui::OwnerPanel>(page, "ownerPanel");
        Type(Child<QLineEdit>(owner, "surnameEdit"), QStringLiteral("王"));
        Type(Child<QLineEdit>(owner, "givenNameEdit"), QStringLiteral("小明"));
        Child<QComboBox>(owner, "yearBox")->setCurrentText(QStringLiteral("1985"));
        Child<QComboBox>(owner, "monthBox")->setCurrentText(QStringLiteral("7"));
        Child<QComboBox>(owner, "dayBox")->setCurrentText(QStringLiteral("20"));
        Child<QComboBox>(owner, "hourBox")->setCurrentText(QStringLiteral("巳 10"));
        Child<QComboBox>(owner, "minuteBox")->setCurrentText(QStringLiteral("30"));
        Type(Child<QLineEdit>(page, "prefixEdit"), QStringLiteral("上海"));
        Type(Child<QLineEdit>(page, "mainBodyEdit"), QStringLiteral("九万"));
        Type(Child<QLineEdit>(page, "suffixEdit"), QStringLiteral("科技有限公司"));

        QTest::mouseClick(Child<QPushButton>(page, "analyseButton"), Qt::LeftButton);

        velmora::naming::NameAnalysisInput input{owner->ReadBirthInput(), "上海", "九万",
                                                 "科技有限公司"};
        velmora::VectorSink expected;
        auto& q = page->Context().queries;
        QVERIFY(!velmora::naming::WriteNameAnalysis(input, expected, q.strokeLookup, q.nameReadings,
                                                    velmora::CivilFromDate(velmora::Today()).year));
        const QStringList lines = Child<velmora::ui::ReportMemo>(page, "reportMemo")->Lines();
        QCOMPARE(lines.size(), static_cast<qsizetype>(expected.lines.size()));
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], QString::fromStdString(expected.lines[static_cast<size_t>(i)]));
        QVERIFY(lines.contains(QStringLiteral("企业名称：上海九万科技有限公司")));
        QCOMPARE(Child<velmora::ui::ReportMemo>(page, "reportMemo")->textCursor().position(), 0);

        // A short name of one character: the box, the old report, the focus.
        Child<QLineEdit>(page, "mainBodyEdit")->clear();
        Type(Child<QLineEdit>(page, "mainBodyEdit"), QStringLiteral("九"));
        QList<BoxSeen> seen;
        {
            ModalResponder responder(
                [&](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
            QTest::mouseClick(Child<QPushButton>(page, "analyseButton"), Qt::LeftButton);
        }
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("企业简称为两个字以上!"));
        QCOMPARE(Child<velmora::ui::ReportMemo>(page, "reportMemo")->Lines(), lines);
        QCOMPARE(window.focusWidget(),
                 static_cast<QWidget*>(Child<QLineEdit>(page, "mainBodyEdit")));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    AnalysisPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "analysis_page_test.moc"
