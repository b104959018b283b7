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

using velmora::testing::Child;

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
        QTest::mouseClick(Child<QToolButton>(window, "baziPageButton"),
                          Qt::LeftButton);  // 生辰八字
        velmora::bazi::BaziPage* page = Child<velmora::bazi::BaziPage>(window, "baziPage");
        QCOMPARE(Child<QStackedWidget>(window, "pageStack")->currentWidget(),
                 static_cast<QWidget*>(page));
        velmora::ui::OwnerPanel* owner = Child<velmora::ui::OwnerPanel>(page, "ownerPanel");
        Type(Child<QLineEdit>(owner, "surnameEdit"), QStringLiteral("赵"));
        Type(Child<QLineEdit>(owner, "givenNameEdit"), QStringLiteral("敏"));
        Child<QComboBox>(owner, "sexBox")->setCurrentText(QStringLiteral("女"));
        Child<QComboBox>(owner, "calendarBox")->setCurrentIndex(1);  // 农历
        Child<QComboBox>(owner, "yearBox")->setCurrentText(QStringLiteral("1990"));
        Child<QComboBox>(owner, "monthBox")->setCurrentText(QStringLiteral("1"));
        Child<QComboBox>(owner, "dayBox")->setCurrentText(QStringLiteral("1"));
        Child<QComboBox>(owner, "hourBox")->setCurrentText(QStringLiteral("午 12"));
        Child<QComboBox>(owner, "minuteBox")->setCurrentText(QStringLiteral("15"));

        QTest::mouseClick(Child<QPushButton>(page, "analyseButton"), Qt::LeftButton);

        const std::vector<std::string> expected = velmora::bazi::BaziReportLines(
            owner->ReadBirthInput(), velmora::CivilFromDate(velmora::Today()).year);
        QVERIFY(!expected.empty());
        const QStringList lines = Child<velmora::ui::ReportMemo>(page, "reportMemo")->Lines();
        QCOMPARE(lines.size(), static_cast<qsizetype>(expected.size()));
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], QString::fromStdString(expected[static_cast<size_t>(i)]));
        QCOMPARE(lines[5], QStringLiteral("姓名：赵敏"));
        QCOMPARE(Child<velmora::ui::ReportMemo>(page, "reportMemo")->textCursor().position(), 0);

        Child<QLineEdit>(owner, "givenNameEdit")->clear();
        QList<BoxSeen> seen;
        {
            ModalResponder responder(
                [&](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
            QTest::mouseClick(Child<QPushButton>(page, "analyseButton"), Qt::LeftButton);
        }
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("名不能为空!"));
        QCOMPARE(Child<velmora::ui::ReportMemo>(page, "reportMemo")->Lines(), lines);
        QCOMPARE(window.focusWidget(),
                 static_cast<QWidget*>(Child<QLineEdit>(owner, "givenNameEdit")));
    }

    // A date that does not convert stops at the handler's guard: its box shows
    // the error naming the field, the previous report stays, and the next
    // click with a real date writes the report. A year outside the range the
    // pillars are computed for gets the input message naming the range.
    void refusedDatesShowTheirBoxAndTheNextClickWorks() {
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        velmora::bazi::BaziPage* page = Child<velmora::bazi::BaziPage>(window, "baziPage");
        velmora::ui::OwnerPanel* owner = Child<velmora::ui::OwnerPanel>(page, "ownerPanel");
        Type(Child<QLineEdit>(owner, "surnameEdit"), QStringLiteral("赵"));
        Type(Child<QLineEdit>(owner, "givenNameEdit"), QStringLiteral("敏"));
        Child<QComboBox>(owner, "calendarBox")->setCurrentIndex(0);  // 公历
        Child<QComboBox>(owner, "hourBox")->setCurrentText(QStringLiteral("午 12"));
        Child<QComboBox>(owner, "minuteBox")->setCurrentText(QStringLiteral("15"));
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
        Child<QComboBox>(owner, "monthBox")->setCurrentText(QStringLiteral("2"));
        for (const auto& refusal : refusals) {
            Child<QComboBox>(owner, "yearBox")->setCurrentText(QString::fromLatin1(refusal.year));
            Child<QComboBox>(owner, "dayBox")->setCurrentText(QString::fromLatin1(refusal.day));
            QList<BoxSeen> seen;
            {
                ModalResponder responder(
                    [&](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
                QTest::mouseClick(Child<QPushButton>(page, "analyseButton"), Qt::LeftButton);
            }
            QCOMPARE(seen.size(), 1);
            QCOMPARE(seen[0].text, refusal.message);
            QCOMPARE(seen[0].icon, refusal.icon);
            QVERIFY(Child<velmora::ui::ReportMemo>(page, "reportMemo")
                        ->Lines()
                        .join(QString())
                        .trimmed()
                        .isEmpty());
        }
        Child<QComboBox>(owner, "yearBox")->setCurrentText(QStringLiteral("1981"));
        QTest::mouseClick(Child<QPushButton>(page, "analyseButton"), Qt::LeftButton);
        QCOMPARE(Child<velmora::ui::ReportMemo>(page, "reportMemo")->Lines().value(5),
                 QStringLiteral("姓名：赵敏"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BaziPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "bazi_page_test.moc"
