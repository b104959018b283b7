// The almanac page in the main window: 本日黄历 shows today's entry at once,
// 查看 checks the boxes in order, uses the date as typed, and keeps the last
// entry when the table lacks the day.

#include "calendar/almanac_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include "../ui/test_support.h"
#include "app/main_window.h"
#include "base/dates.h"
#include "ui/handler_guard.h"
#include "ui/report_memo.h"

using velmora::testing::BoxSeen;
using velmora::testing::ModalResponder;

class AlmanacPageTest : public QObject {
    Q_OBJECT

    velmora::app::MainWindow* window_ = nullptr;
    velmora::calendar::AlmanacPage* page_ = nullptr;

    template <typename T>
    T* Child(const char* name) {
        T* child = page_->findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no child %s", name);
        return child;
    }
    QStringList MemoLines() { return Child<velmora::ui::ReportMemo>("entryMemo")->Lines(); }
    // Puts the texts into the boxes and presses 查看; returns the boxes shown.
    QList<BoxSeen> Show(const QString& year, const QString& month, const QString& day) {
        Child<QComboBox>("yearBox")->setCurrentText(year);
        Child<QComboBox>("monthBox")->setCurrentText(month);
        Child<QComboBox>("dayBox")->setCurrentText(day);
        QList<BoxSeen> seen;
        ModalResponder responder([&](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
        QTest::mouseClick(Child<QPushButton>("showButton"), Qt::LeftButton);
        return seen;
    }

  private slots:
    void init() {
        window_ = new velmora::app::MainWindow;
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        page_ = window_->findChild<velmora::calendar::AlmanacPage*>("almanacPage");
        QVERIFY(page_);
    }
    void cleanup() {
        delete window_;
        window_ = nullptr;
    }

    void toolbarShowsTodayAtOnce() {
        QVERIFY(MemoLines().join("").isEmpty());
        QTest::mouseClick(window_->findChild<QToolButton*>("almanacPageButton"), Qt::LeftButton);
        QVERIFY(page_->isVisible());
        const QStringList lines = MemoLines();
        QCOMPARE(lines.size(), 19);
        const QString today = QString::fromStdString(velmora::FormatDate(velmora::Today()));
        QVERIFY2(lines[0].startsWith(QStringLiteral("当日统览:") + today + "  "),
                 qPrintable(lines[0]));
        QCOMPARE(page_->Headline(), lines[0].mid(5));
        for (const char* label : {"岁次:", "每日胎神占方:", "五行:", "冲:", "彭祖百忌:"})
            QVERIFY(lines.indexOf(QRegularExpression("^" + QString::fromUtf8(label) + ".+")) > 0);
    }

    void yearListHoldsTheTableAndTypingStaysPossible() {
        auto* year = Child<QComboBox>("yearBox");
        QCOMPARE(year->count(), 200);
        QCOMPARE(year->itemText(0), QStringLiteral("1901"));
        QCOMPARE(year->itemText(199), QStringLiteral("2100"));
        QVERIFY(year->isEditable());
        year->lineEdit()->clear();
        velmora::testing::Type(year->lineEdit(), QStringLiteral("2030"));
        QCOMPARE(year->currentText(), QStringLiteral("2030"));
        QCOMPARE(Show(QStringLiteral("2030"), "1", "1").size(), 0);
        QVERIFY(MemoLines().value(0).startsWith(QStringLiteral("当日统览:2030-1-1  ")));
    }

    void checksRunInOrderAndChangeNothing() {
        QCOMPARE(Show("2012", "03", "05").size(), 0);
        const QStringList before = MemoLines();
        const QString headline = page_->Headline();
        QCOMPARE(before.size(), 19);
        struct Case {
            QString year, month, day, message;
        };
        const QList<Case> cases = {
            {" ", "", "", QStringLiteral("请选择年!")},
            {"2012", " ", "", QStringLiteral("请选择月!")},
            {"2012", "02", "  ", QStringLiteral("请选择日!")},
            {"2012", "02", "30", QStringLiteral("请选择有效的日期!")},
            {"2012", "04", "31", QStringLiteral("请选择有效的日期!")},
            {"12", "3", "5", QStringLiteral("请选择有效的日期!")},
            {"2012", "三", "5", QStringLiteral("请选择有效的日期!")},
        };
        for (const Case& c : cases) {
            const QList<BoxSeen> seen = Show(c.year, c.month, c.day);
            QCOMPARE(seen.size(), 1);
            QCOMPARE(seen[0].text, c.message);
            QCOMPARE(MemoLines(), before);
            QCOMPARE(page_->Headline(), headline);
        }
        // 2012 is a leap year: the 29th of February is a day like any other.
        QCOMPARE(Show("2012", "02", "29").size(), 0);
        QVERIFY(MemoLines().value(0).startsWith(QStringLiteral("当日统览:2012-02-29  ")));
    }

    void dateAsTypedAndTheLastLine() {
        QCOMPARE(Show("2012", "3", "5").size(), 0);
        const QString headline = QStringLiteral("2012-3-5  壬辰(龙年)二月十三  星期一");
        QCOMPARE(page_->Headline(), headline);
        const QStringList lines = MemoLines();
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines[0], QStringLiteral("当日统览:") + headline);
        QCOMPARE(lines[2], QStringLiteral("岁次:壬辰年 癸卯月 乙丑日"));
        QCOMPARE(lines[6], QStringLiteral("五行:海中金 开执位"));
        QVERIFY(lines[18].startsWith(QStringLiteral("忌:")));
        QVERIFY(lines[18].size() > 2);
        QVERIFY(lines[17].isEmpty());
    }

    void dayTheTableLacksKeepsTheLastEntryWithoutAMessage() {
        QCOMPARE(Show("2024", "02", "10").size(), 0);
        const QStringList before = MemoLines();
        const QString headline = page_->Headline();
        for (const QString& year : {QStringLiteral("1900"), QStringLiteral("2101")}) {
            QCOMPARE(Show(year, "06", "15").size(), 0);
            QCOMPARE(MemoLines(), before);
            QCOMPARE(page_->Headline(), headline);
        }
    }

    void unreadableTableShowsTheErrorAndKeepsTheEntry() {
        QCOMPARE(Show("2024", "02", "10").size(), 0);
        const QStringList before = MemoLines();
        window_->Queries().almanacDays.Bind("/nonexistent/KelBirth.db");
        const QList<BoxSeen> seen = Show("2012", "03", "05");
        QCOMPARE(seen.size(), 1);
        QVERIFY2(seen[0].text.contains("KelBirth.db"), qPrintable(seen[0].text));
        QCOMPARE(MemoLines(), before);
    }

    void showEntryFillsTheBoxesAndTheMemo() {
        page_->ShowEntry(2024, 2, 10);
        QCOMPARE(Child<QComboBox>("yearBox")->currentText(), QStringLiteral("2024"));
        QCOMPARE(Child<QComboBox>("monthBox")->currentText(), QStringLiteral("02"));
        QCOMPARE(Child<QComboBox>("dayBox")->currentText(), QStringLiteral("10"));
        QCOMPARE(MemoLines().value(2), QStringLiteral("岁次:甲辰年 丙寅月 甲辰日"));
        QCOMPARE(page_->Headline(), QStringLiteral("2024-02-10  甲辰(龙年)一月初一  星期六"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    AlmanacPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "almanac_page_test.moc"
