// The analysis page: typing into the real controls and clicking 分析 fills
// RzMemo1 with the same report as the engine, from its first line; a
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

#include "../shell/test_support.h"
#include "base/dates.h"
#include "naming/name_analysis.h"
#include "shell/handler_guard.h"
#include "shell/main_window.h"
#include "shell/owner_panel.h"
#include "shell/report_memo.h"

using velmora::testing::BoxSeen;
using velmora::testing::ModalResponder;
using velmora::testing::Type;


class AnalysisPageTest : public QObject {
    Q_OBJECT

  private slots:
    void clickWritesTheReport() {
        velmora::shell::TFrmIndex window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.RzToolButton1, Qt::LeftButton);  // 名字分析
        velmora::naming::AnalysisPage* page = window.TabSheet3;
        QCOMPARE(window.RzPageControl1->currentWidget(), static_cast<QWidget*>(page));
        velmora::shell::OwnerPanel* owner = page->Owner;
        Type(owner->Xing, QStringLiteral("王"));
        Type(owner->NameB, QStringLiteral("小明"));
        owner->SYear->setCurrentText(QStringLiteral("1985"));
        owner->SMonth->setCurrentText(QStringLiteral("7"));
        owner->Sday->setCurrentText(QStringLiteral("20"));
        owner->Shour->setCurrentText(QStringLiteral("巳 10"));
        owner->CBFen->setCurrentText(QStringLiteral("30"));
        Type(page->NameBegin3, QStringLiteral("上海"));
        Type(page->Namezhi13, QStringLiteral("九万"));
        Type(page->NameEnd3, QStringLiteral("科技有限公司"));

        QTest::mouseClick(page->ButtonName, Qt::LeftButton);

        velmora::naming::NameAnalysisInput input{owner->ReadBirthInput(), "上海", "九万",
                                                 "科技有限公司"};
        velmora::VectorSink expected;
        auto& q = page->Context().queries;
        QVERIFY(!velmora::naming::WriteNameAnalysis(input, expected, q.ADOTem, q.ADOteam,
                                                    velmora::CivilFromDate(velmora::Today()).year));
        const QStringList lines = page->RzMemo1->Lines();
        QCOMPARE(lines.size(), static_cast<qsizetype>(expected.lines.size()));
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], QString::fromStdString(expected.lines[static_cast<size_t>(i)]));
        QVERIFY(lines.contains(QStringLiteral("企业名称：上海九万科技有限公司")));
        QCOMPARE(page->RzMemo1->textCursor().position(), 0);

        // A short name of one character: the box, the old report, the focus.
        page->Namezhi13->clear();
        Type(page->Namezhi13, QStringLiteral("九"));
        QList<BoxSeen> seen;
        {
            ModalResponder responder(
                [&](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
            QTest::mouseClick(page->ButtonName, Qt::LeftButton);
        }
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("企业简称为两个字以上!"));
        QCOMPARE(page->RzMemo1->Lines(), lines);
        QCOMPARE(window.focusWidget(), static_cast<QWidget*>(page->Namezhi13));
    }
};

int main(int argc, char** argv) {
    velmora::shell::GuardedApplication app(argc, argv);
    AnalysisPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "analysis_page_test.moc"
