// The tools page of the main window: each icon opens its side window modally,
// and every opening starts from a fresh window with an empty edit.

#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include "../ui/test_support.h"
#include "app/main_window.h"
#include "tools/nickname_window.h"
#include "tools/number_test_window.h"

using velmora::testing::ModalResponder;

class ToolsPageTest : public QObject {
    Q_OBJECT

  private slots:
    void eachIconOpensAFreshModalWindow_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("edit");
        QTest::newRow("phone") << "phoneNumberButton"
                               << "手机号码测算"
                               << "numberEdit";
        QTest::newRow("qq") << "qqNumberButton"
                            << "QQ号码测试"
                            << "numberEdit";
        QTest::newRow("any") << "anyNumberButton"
                             << "任意号码分析"
                             << "numberEdit";
        QTest::newRow("nickname") << "nicknameButton"
                                  << "网名与性格"
                                  << "nicknameEdit";
        // The calendar has no edit: a fresh window is a new one.
        QTest::newRow("calendar") << "calendarButton"
                                  << "Velmora日历"
                                  << "";
    }
    void eachIconOpensAFreshModalWindow() {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, edit);
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("toolsPageButton")),
                          Qt::LeftButton);

        // Each opening: note the window and what its edit holds, leave a
        // result behind, close it.
        QList<QPointer<QDialog>> opened;
        QStringList titles, editTexts;
        ModalResponder responder([&](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (!dialog || opened.contains(dialog)) return;
            opened.append(dialog);
            titles.append(dialog->windowTitle());
            auto* input = edit.isEmpty() ? nullptr : dialog->findChild<QLineEdit*>(edit);
            editTexts.append(input || edit.isEmpty() ? (input ? input->text() : QString())
                                                     : QStringLiteral("<no edit>"));
            if (input) {
                input->setText(QStringLiteral("13800000080"));
                QTest::keyClick(input, Qt::Key_Return);
            }
            dialog->close();
        });
        auto* icon = window.findChild<QToolButton*>(button);
        QVERIFY(icon);
        QTest::mouseClick(icon, Qt::LeftButton);
        QTest::mouseClick(icon, Qt::LeftButton);

        QCOMPARE(opened.size(), 2);
        QCOMPARE(titles, QStringList({title, title}));
        QCOMPARE(editTexts, QStringList({QString(), QString()}));
        QVERIFY(opened[0].isNull());  // the first window is gone, not reused
        QVERIFY(opened[1].isNull() || !opened[1]->isVisible());
    }
};

QTEST_MAIN(ToolsPageTest)
#include "tools_page_test.moc"
