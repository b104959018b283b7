// The main window as the window system shows it, kept as a picture: the test
// runs under Xvfb and writes the path given in VELMORA_SCREENSHOT.

#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTest>

#include "shell/handler_guard.h"
#include "shell/main_window.h"

class ScreenshotTest : public QObject {
    Q_OBJECT

  private slots:
    void mainWindow() {
        const QString path = qEnvironmentVariable("VELMORA_SCREENSHOT", "main_window.png");
        velmora::shell::TFrmIndex window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(300);
        const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
        QCOMPARE(shot.size(), QSize(800, 590));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(shot.save(path, "PNG"));

        // The picture carries the artwork (toolbar red), a white page area
        // under the grid and the light blue input strip.
        const QColor toolbar = shot.pixelColor(160, 30);
        QVERIFY(toolbar.red() > toolbar.green() + 40);
        const QColor grid = shot.pixelColor(300, 520);
        QVERIFY(grid.red() > 235 && grid.green() > 235 && grid.blue() > 235);
        const QColor strip = shot.pixelColor(650, 145);
        QVERIFY(strip.blue() > strip.red());
    }
};

int main(int argc, char** argv) {
    velmora::shell::GuardedApplication app(argc, argv);
    velmora::shell::ApplyProgramLook(app);
    ScreenshotTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screenshot_test.moc"
