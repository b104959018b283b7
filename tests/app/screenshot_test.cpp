// The main window as the window system shows it, kept as pictures: the test
// runs under Xvfb and writes the path given in VELMORA_SCREENSHOT, and beside
// it the naming page after a search (naming_result.png), the almanac page
// with an entry (almanac_page.png), the dream page with an interpretation
// (dream_page.png) and a user's session of search, sort, detail and bazi.

#include <sqlite3.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "../ui/test_support.h"
#include "app/main_window.h"
#include "calendar/almanac_page.h"
#include "naming/naming_page.h"
#include "ui/handler_guard.h"
#include "ui/owner_panel.h"
#include "ui/report_memo.h"
#include "ui/string_grid.h"

class ScreenshotTest : public QObject {
    Q_OBJECT

    static QString ShotPath(const QString& file) {
        const QString path = qEnvironmentVariable("VELMORA_SCREENSHOT", "main_window.png");
        return file.isEmpty() ? path : QFileInfo(path).absoluteDir().filePath(file);
    }

    static QImage Grab(QWidget& window, const QString& path) {
        const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!shot.save(path, "PNG")) qWarning("cannot save %s", qPrintable(path));
        return shot;
    }

  private slots:
    void mainWindow() {
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(300);
        const QImage shot = Grab(window, ShotPath(QString()));
        QCOMPARE(shot.size(), QSize(800, 590));

        // The picture carries the artwork (toolbar red), a white page area
        // under the grid and the light blue input strip.
        const QColor toolbar = shot.pixelColor(160, 30);
        QVERIFY(toolbar.red() > toolbar.green() + 40);
        const QColor grid = shot.pixelColor(300, 520);
        QVERIFY(grid.red() > 235 && grid.green() > 235 && grid.blue() > 235);
        const QColor strip = shot.pixelColor(650, 145);
        QVERIFY(strip.blue() > strip.red());
    }

    // A search with a fixed seed for SQLite's samples and a fixed row draw,
    // so that two builds draw the same picture and can be compared.
    void namingPageWithResult() {
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* page = window.findChild<velmora::naming::NamingPage*>();
        QVERIFY(page);
        int drawn = 0;
        page->SetRowDraw([&drawn](int count) { return (drawn++ * 7919) % count + 1; });
        page->findChild<QLineEdit*>(QStringLiteral("surnameEdit"))->setText(QStringLiteral("王"));
        page->findChild<QLineEdit*>(QStringLiteral("givenNameEdit"))
            ->setText(QStringLiteral("小明"));
        page->findChild<QComboBox*>(QStringLiteral("monthBox"))
            ->setCurrentText(QStringLiteral("5"));
        page->findChild<QComboBox*>(QStringLiteral("dayBox"))->setCurrentText(QStringLiteral("20"));
        page->findChild<QLineEdit*>(QStringLiteral("prefixEdit"))->setText(QStringLiteral("上海"));
        page->findChild<QLineEdit*>(QStringLiteral("suffixEdit"))
            ->setText(QStringLiteral("科技有限公司"));
        sqlite3_test_control(SQLITE_TESTCTRL_PRNG_SEED, 20240101, nullptr);
        page->findChild<QPushButton*>(QStringLiteral("searchButton"))->click();
        auto* grid = page->findChild<velmora::ui::StringGrid*>();
        QVERIFY(!grid->Cell(1, 1).isEmpty());
        QTest::qWait(300);
        const QImage shot = Grab(window, ShotPath(QStringLiteral("naming_result.png")));
        QCOMPARE(shot.size(), QSize(800, 590));
    }

    // The almanac page with the entry of a fixed day beside the glossary.
    void almanacPageWithEntry() {
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QToolButton*>(QStringLiteral("almanacPageButton"))->click();
        auto* page = window.findChild<velmora::calendar::AlmanacPage*>();
        QVERIFY(page);
        page->ShowEntry(2012, 3, 5);
        const QStringList lines =
            page->findChild<velmora::ui::ReportMemo*>(QStringLiteral("entryMemo"))->Lines();
        QCOMPARE(lines.size(), 19);
        QTest::qWait(300);
        const QImage shot = Grab(window, ShotPath(QStringLiteral("almanac_page.png")));
        QCOMPARE(shot.size(), QSize(800, 590));
    }

    // The dream page after choosing 动物 and 梦见蛇: the tree with its node
    // pictures and the interpretation beside it.
    void dreamPageWithInterpretation() {
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QToolButton*>(QStringLiteral("dreamPageButton"))->click();
        auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("titleTree"));
        auto click = [tree](const QString& text) {
            const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
            QVERIFY(!found.isEmpty());
            tree->scrollToItem(found.first());
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                              tree->visualItemRect(found.first()).center());
        };
        click(QStringLiteral("动物"));
        click(QStringLiteral("梦见蛇"));
        auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("interpretationMemo"));
        QVERIFY(memo->toPlainText().startsWith(QStringLiteral("    蛇")));
        QTest::qWait(300);
        const QImage shot = Grab(window, ShotPath(QStringLiteral("dream_page.png")));
        QCOMPARE(shot.size(), QSize(800, 590));

        // The first category's row starts with its picture, the red closed book.
        const QRect row = tree->visualItemRect(tree->topLevelItem(0));
        const QPoint start = tree->viewport()->mapTo(&window, row.topLeft());
        bool red = false;
        for (int x = 0; x < 30 && !red; ++x) {
            const QColor c = shot.pixelColor(start + QPoint(x, row.height() / 2));
            red = c.red() > c.green() + 80 && c.red() > c.blue() + 80;
        }
        QVERIFY(red);
    }

    // What a user does: search, sort by 总体评分, 查看详细 without picking a
    // row, then 生辰八字; each step kept as a picture.
    void searchSortDetailAndBazi() {
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* page = window.findChild<velmora::naming::NamingPage*>();
        auto edit = [page](const char* name) {
            return page->findChild<QLineEdit*>(QString::fromLatin1(name));
        };
        velmora::testing::Type(edit("surnameEdit"), QStringLiteral("王"));
        velmora::testing::Type(edit("givenNameEdit"), QStringLiteral("小明"));
        page->findChild<QComboBox*>(QStringLiteral("monthBox"))
            ->setCurrentText(QStringLiteral("5"));
        page->findChild<QComboBox*>(QStringLiteral("dayBox"))->setCurrentText(QStringLiteral("20"));
        page->findChild<QComboBox*>(QStringLiteral("hourBox"))
            ->setCurrentText(QStringLiteral("巳 10"));
        velmora::testing::Type(edit("prefixEdit"), QStringLiteral("上海"));
        velmora::testing::Type(edit("suffixEdit"), QStringLiteral("科技有限公司"));
        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("searchButton")),
                          Qt::LeftButton);
        auto* grid = page->findChild<velmora::ui::StringGrid*>();
        QHeaderView* header = grid->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(8) + 10, 8));  // 总体评分
        QTest::qWait(200);
        Grab(window, ShotPath(QStringLiteral("session_sorted.png")));
        for (int row = 2; row < grid->RowCount() && !grid->Cell(8, row).isEmpty(); ++row)
            QVERIFY(grid->Cell(8, row - 1).toInt() <= grid->Cell(8, row).toInt());

        QString detailScore;
        QTimer::singleShot(500, [&] {
            auto* detail = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!detail) return;
            auto* memo = detail->findChild<velmora::ui::ReportMemo*>();
            memo->moveCursor(QTextCursor::End);  // the score is the report's end
            QApplication::processEvents();
            Grab(*detail, ShotPath(QStringLiteral("session_detail.png")));
            for (const QString& line : memo->Lines())
                if (line.contains(QStringLiteral("综合评分："))) detailScore = line;
            detail->close();
        });
        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("detailButton")),
                          Qt::LeftButton);
        QCOMPARE(
            detailScore,
            QStringLiteral("企业简称【%1】综合评分：%2分").arg(grid->Cell(4, 1), grid->Cell(8, 1)));
        qInfo("grid row 1: %s %s; detail: %s", qPrintable(grid->Cell(4, 1)),
              qPrintable(grid->Cell(8, 1)), qPrintable(detailScore));

        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("baziPageButton")),
                          Qt::LeftButton);
        QTest::qWait(200);
        Grab(window, ShotPath(QStringLiteral("session_bazi.png")));
        auto* bazi = window.findChild<QWidget*>(QStringLiteral("baziPage"));
        QCOMPARE(bazi->findChild<QLineEdit*>(QStringLiteral("surnameEdit"))->text(),
                 QStringLiteral("王"));
        QCOMPARE(bazi->findChild<QComboBox*>(QStringLiteral("hourBox"))->currentText(),
                 QStringLiteral("巳 10"));

        // The opening-day page takes the owner's date; its partner rows wait unticked.
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("openingDayPageButton")),
                          Qt::LeftButton);
        QTest::qWait(200);
        Grab(window, ShotPath(QStringLiteral("session_opening_day.png")));
        auto* opening = window.findChild<QWidget*>(QStringLiteral("openingDayPage"));
        QCOMPARE(opening->findChild<QComboBox*>(QStringLiteral("dayBox1"))->currentText(),
                 QStringLiteral("20"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velmora::ui::ApplyProgramLook(app);
    ScreenshotTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screenshot_test.moc"
