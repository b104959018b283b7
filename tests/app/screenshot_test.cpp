// The main window as the window system shows it, kept as pictures: the test
// runs under Xvfb and writes the path given in VELMORA_SCREENSHOT, and beside
// it the naming page after a search (naming_result.png).

#include <sqlite3.h>

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/main_window.h"
#include "naming/naming_page.h"
#include "ui/handler_guard.h"
#include "ui/owner_panel.h"
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
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velmora::ui::ApplyProgramLook(app);
    ScreenshotTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screenshot_test.moc"
