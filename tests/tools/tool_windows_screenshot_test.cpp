// The mobile-number test with a result and the nickname window with a reading,
// opened over the main window as the program does and shown by the window
// system, kept as pictures: the test runs under Xvfb and writes into the
// folder given in VELMORA_SCREENSHOT_DIR.

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/main_window.h"
#include "ui/handler_guard.h"
#include "tools/nickname_window.h"
#include "tools/number_test_window.h"

class ToolWindowsScreenshotTest : public QObject {
    Q_OBJECT

  private:
    // Shows the window, types the text, runs the test and saves the picture.
    static QImage Shoot(QDialog& window, const char* edit, const QString& text,
                        const QString& file) {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) return {};
        window.findChild<QLineEdit*>(QString::fromLatin1(edit))->setText(text);
        window.findChild<QPushButton*>(QStringLiteral("testButton"))->click();
        QTest::qWait(300);
        const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
        const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR", QStringLiteral("."));
        QDir().mkpath(folder);
        shot.save(folder + QLatin1Char('/') + file, "PNG");
        return shot;
    }

    // The light-blue background: bluer than red near the bottom corner.
    static bool LightBlue(const QColor& c) { return c.blue() > c.red() + 20 && c.green() > 150; }

  private slots:
    void mobileTestWithAResult() {
        velmora::app::MainWindow main;
        velmora::tools::NumberTestWindow window(velmora::tools::NumberTest::Mobile, &main);
        const QImage shot = Shoot(window, "numberEdit", QStringLiteral("13812341234"),
                                  QStringLiteral("mobile_test.png"));
        QCOMPARE(shot.size(), QSize(437, 300));
        QVERIFY(LightBlue(shot.pixelColor(3, 296)));
    }

    void nicknameWithAReading() {
        velmora::app::MainWindow main;
        velmora::tools::NicknameWindow window(&main);
        const QImage shot = Shoot(window, "nicknameEdit", QStringLiteral("小明"),
                                  QStringLiteral("nickname_window.png"));
        QCOMPARE(shot.size(), QSize(387, 183));
        QVERIFY(LightBlue(shot.pixelColor(3, 180)));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velmora::ui::ApplyProgramLook(app);
    ToolWindowsScreenshotTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tool_windows_screenshot_test.moc"
