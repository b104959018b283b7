// The bazi page: clicking 分析 after typing into the real controls fills
// Memo1 with the engine's report from its first line; a missing given name
// shows its box, keeps the previous report and focuses NameB2.

#include "bazi/bazi_page.h"

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
#include "bazi/bazi_report.h"
#include "shell/handler_guard.h"
#include "shell/main_window.h"
#include "shell/owner_panel.h"
#include "shell/report_memo.h"

using velmora::testing::BoxSeen;
using velmora::testing::ModalResponder;
using velmora::testing::Type;


class BaziPageTest : public QObject {
    Q_OBJECT

  private slots:
    void clickWritesTheReport() {
        velmora::shell::TFrmIndex window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.RzToolButton3, Qt::LeftButton);  // 生辰八字
        velmora::bazi::BaziPage* page = window.TabSheet2;
        QCOMPARE(window.RzPageControl1->currentWidget(), static_cast<QWidget*>(page));
        velmora::shell::OwnerPanel* owner = page->Owner;
        Type(owner->Xing, QStringLiteral("赵"));
        Type(owner->NameB, QStringLiteral("敏"));
        owner->CBsex->setCurrentText(QStringLiteral("女"));
        owner->ComDate->setCurrentIndex(1);  // 农历
        owner->SYear->setCurrentText(QStringLiteral("1990"));
        owner->SMonth->setCurrentText(QStringLiteral("1"));
        owner->Sday->setCurrentText(QStringLiteral("1"));
        owner->Shour->setCurrentText(QStringLiteral("午 12"));
        owner->CBFen->setCurrentText(QStringLiteral("15"));

        QTest::mouseClick(page->RzButton2, Qt::LeftButton);

        const std::vector<std::string> expected = velmora::bazi::BaziReportLines(
            owner->ReadBirthInput(), velmora::CivilFromDate(velmora::Today()).year);
        QVERIFY(!expected.empty());
        const QStringList lines = page->Memo1->Lines();
        QCOMPARE(lines.size(), static_cast<qsizetype>(expected.size()));
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], QString::fromStdString(expected[static_cast<size_t>(i)]));
        QCOMPARE(lines[5], QStringLiteral("姓名：赵敏"));
        QCOMPARE(page->Memo1->textCursor().position(), 0);

        owner->NameB->clear();
        QList<BoxSeen> seen;
        {
            ModalResponder responder(
                [&](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
            QTest::mouseClick(page->RzButton2, Qt::LeftButton);
        }
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("名不能为空!"));
        QCOMPARE(page->Memo1->Lines(), lines);
        QCOMPARE(window.focusWidget(), static_cast<QWidget*>(owner->NameB));
    }
};

int main(int argc, char** argv) {
    velmora::shell::GuardedApplication app(argc, argv);
    BaziPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "bazi_page_test.moc"
