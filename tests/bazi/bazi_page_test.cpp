// The bazi page: clicking 分析 after typing into the real controls fills
// reportMemo_ with the engine's report from its first line; a missing given name
// shows its box, keeps the previous report and focuses the given-name edit.

#include "bazi/bazi_page.h"

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
#include "bazi/bazi_report.h"
#include "ui/handler_guard.h"
#include "ui/owner_panel.h"
#include "ui/report_memo.h"

using velmora::testing::BoxSeen;
using velmora::testing::ModalResponder;
using velmora::testing::Type;

class BaziPageTest : public QObject {
    Q_OBJECT

  private slots:
    void clickWritesTheReport() {
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.baziPageButton_, Qt::LeftButton);  // 生辰八字
        velmora::bazi::BaziPage* page = window.baziPage_;
        QCOMPARE(window.pageStack_->currentWidget(), static_cast<QWidget*>(page));
        velmora::ui::OwnerPanel* owner = page->owner_;
        Type(owner->surnameEdit_, QStringLiteral("赵"));
        Type(owner->givenNameEdit_, QStringLiteral("敏"));
        owner->sexBox_->setCurrentText(QStringLiteral("女"));
        owner->calendarBox_->setCurrentIndex(1);  // 农历
        owner->yearBox_->setCurrentText(QStringLiteral("1990"));
        owner->monthBox_->setCurrentText(QStringLiteral("1"));
        owner->dayBox_->setCurrentText(QStringLiteral("1"));
        owner->hourBox_->setCurrentText(QStringLiteral("午 12"));
        owner->minuteBox_->setCurrentText(QStringLiteral("15"));

        QTest::mouseClick(page->analyseButton_, Qt::LeftButton);

        const std::vector<std::string> expected = velmora::bazi::BaziReportLines(
            owner->ReadBirthInput(), velmora::CivilFromDate(velmora::Today()).year);
        QVERIFY(!expected.empty());
        const QStringList lines = page->reportMemo_->Lines();
        QCOMPARE(lines.size(), static_cast<qsizetype>(expected.size()));
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], QString::fromStdString(expected[static_cast<size_t>(i)]));
        QCOMPARE(lines[5], QStringLiteral("姓名：赵敏"));
        QCOMPARE(page->reportMemo_->textCursor().position(), 0);

        owner->givenNameEdit_->clear();
        QList<BoxSeen> seen;
        {
            ModalResponder responder(
                [&](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
            QTest::mouseClick(page->analyseButton_, Qt::LeftButton);
        }
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("名不能为空!"));
        QCOMPARE(page->reportMemo_->Lines(), lines);
        QCOMPARE(window.focusWidget(), static_cast<QWidget*>(owner->givenNameEdit_));
    }

    // A date that does not convert stops at the handler's guard: its box shows
    // the error naming the field, the previous report stays, and the next
    // click with a real date writes the report. A year outside the range the
    // pillars are computed for gets the input message naming the range.
    void refusedDatesShowTheirBoxAndTheNextClickWorks() {
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        velmora::bazi::BaziPage* page = window.baziPage_;
        velmora::ui::OwnerPanel* owner = page->owner_;
        Type(owner->surnameEdit_, QStringLiteral("赵"));
        Type(owner->givenNameEdit_, QStringLiteral("敏"));
        owner->calendarBox_->setCurrentIndex(0);  // 公历
        owner->hourBox_->setCurrentText(QStringLiteral("午 12"));
        owner->minuteBox_->setCurrentText(QStringLiteral("15"));
        const struct {
            const char* year;
            const char* day;
            QString message;
            QMessageBox::Icon icon;
        } refusals[] = {
            {"1981", "29", QStringLiteral("出生日期“1981-2-29”不是有效的日期"),
             QMessageBox::Critical},
            {"1899", "28", QStringLiteral("出生年“1899”超出范围，须在1901至2099之间!"),
             QMessageBox::Information},
        };
        owner->monthBox_->setCurrentText(QStringLiteral("2"));
        for (const auto& refusal : refusals) {
            owner->yearBox_->setCurrentText(QString::fromLatin1(refusal.year));
            owner->dayBox_->setCurrentText(QString::fromLatin1(refusal.day));
            QList<BoxSeen> seen;
            {
                ModalResponder responder(
                    [&](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
                QTest::mouseClick(page->analyseButton_, Qt::LeftButton);
            }
            QCOMPARE(seen.size(), 1);
            QCOMPARE(seen[0].text, refusal.message);
            QCOMPARE(seen[0].icon, refusal.icon);
            QVERIFY(page->reportMemo_->Lines().join(QString()).trimmed().isEmpty());
        }
        owner->yearBox_->setCurrentText(QStringLiteral("1981"));
        QTest::mouseClick(page->analyseButton_, Qt::LeftButton);
        QCOMPARE(page->reportMemo_->Lines().value(5), QStringLiteral("姓名：赵敏"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BaziPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "bazi_page_test.moc"
