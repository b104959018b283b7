// The number-test and nickname windows: what their edits accept, Enter and
// the test button, the empty-input messages, and the result lines.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "../ui/test_support.h"
#include "numerology/shuli.h"
#include "tools/nickname.h"
#include "tools/nickname_window.h"
#include "tools/number_test_window.h"

using velmora::testing::BoxSeen;
using velmora::testing::ModalResponder;
using velmora::testing::Type;
using velmora::tools::NicknameWindow;
using velmora::tools::NumberTest;
using velmora::tools::NumberTestWindow;

Q_DECLARE_METATYPE(NumberTest)

class ToolWindowsTest : public QObject {
    Q_OBJECT

  private:
    template <class T>
    static T* Find(const QWidget& window, const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        if (!widget) qFatal("no widget named %s", name);
        return widget;
    }
    static QString Value(const QWidget& window, const char* name) {
        return Find<QLabel>(window, name)->text();
    }

  private slots:
    void numberEditsTakeDigitsOnly_data() {
        QTest::addColumn<NumberTest>("test");
        QTest::addColumn<int>("limit");
        QTest::newRow("mobile") << NumberTest::Mobile << 11;
        QTest::newRow("qq") << NumberTest::QQ << 18;
        QTest::newRow("any") << NumberTest::AnyNumber << 18;
    }
    void numberEditsTakeDigitsOnly() {
        QFETCH(NumberTest, test);
        QFETCH(int, limit);
        NumberTestWindow window(test);
        auto* edit = Find<QLineEdit>(window, "numberEdit");
        Type(edit, QStringLiteral("12ab 3!４5"));
        QCOMPARE(edit->text(), QStringLiteral("1235"));

        // A pasted text with anything but digits is refused whole; digits are taken.
        QApplication::clipboard()->setText(QStringLiteral("678x"));
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("1235"));
        QApplication::clipboard()->setText(QStringLiteral("678"));
        edit->paste();
        QCOMPARE(edit->text(), QStringLiteral("1235678"));

        Type(edit, QStringLiteral("12345678901234567890"));
        QCOMPARE(edit->text().size(), limit);
    }

    void enterAndTheButtonRunTheTest() {
        NumberTestWindow mobile(NumberTest::Mobile);
        auto* edit = Find<QLineEdit>(mobile, "numberEdit");
        Type(edit, QStringLiteral("13800000080"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(Value(mobile, "numberValue"), QStringLiteral("13800000080"));
        QCOMPARE(Value(mobile, "stateValue"), QStringLiteral("超吉"));
        QCOMPARE(Value(mobile, "luckValue"), QStringLiteral("超吉"));
        QCOMPARE(Value(mobile, "readingValue"), QStringLiteral("超吉不做详细评论"));
        edit->setText(QStringLiteral("13812341234"));
        Find<QPushButton>(mobile, "testButton")->click();
        QCOMPARE(Value(mobile, "numberValue"), QStringLiteral("13812341234"));
        QVERIFY(Value(mobile, "stateValue") != QStringLiteral("超吉"));
        QVERIFY(!Value(mobile, "readingValue").isEmpty());

        NumberTestWindow qq(NumberTest::QQ);
        Type(Find<QLineEdit>(qq, "numberEdit"), QStringLiteral("82"));
        QTest::keyClick(Find<QLineEdit>(qq, "numberEdit"), Qt::Key_Enter);
        const auto& first = velmora::numerology::ShuliTable[0];
        QCOMPARE(Value(qq, "stateValue"),
                 QString::fromUtf8(first.phrase.data(), first.phrase.size()));
        QCOMPARE(Value(qq, "luckValue"), QStringLiteral("吉"));
        QVERIFY(Value(qq, "readingValue").startsWith(QStringLiteral("主人性格类型：[")));
    }

    void emptyInputShowsTheMessageAndKeepsTheResult_data() {
        QTest::addColumn<NumberTest>("test");
        QTest::addColumn<QString>("message");
        QTest::newRow("mobile") << NumberTest::Mobile << QStringLiteral("请输入11位手机号码！");
        QTest::newRow("qq") << NumberTest::QQ << QStringLiteral("请输入你的QQ号码！");
        QTest::newRow("any") << NumberTest::AnyNumber << QStringLiteral("请输入你的号码！");
    }
    void emptyInputShowsTheMessageAndKeepsTheResult() {
        QFETCH(NumberTest, test);
        QFETCH(QString, message);
        NumberTestWindow window(test);
        auto* edit = Find<QLineEdit>(window, "numberEdit");
        edit->setText(QStringLiteral("13800000000"));
        Find<QPushButton>(window, "testButton")->click();
        const QString state = Value(window, "stateValue");
        QVERIFY(!state.isEmpty());

        QList<BoxSeen> seen;
        ModalResponder responder([&](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
        edit->clear();
        Find<QPushButton>(window, "testButton")->click();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, message);
        QCOMPARE(Value(window, "numberValue"), QStringLiteral("13800000000"));
        QCOMPARE(Value(window, "stateValue"), state);
    }

    void windowsCarryTheirCaptionsAndSizes() {
        struct Case {
            NumberTest test;
            QString caption;
            QSize size;
        };
        for (const Case& c :
             {Case{NumberTest::Mobile, QStringLiteral("手机号码测算"), {437, 300}},
              Case{NumberTest::QQ, QStringLiteral("QQ号码测试"), {388, 270}},
              Case{NumberTest::AnyNumber, QStringLiteral("任意号码分析"), {388, 271}}}) {
            NumberTestWindow window(c.test);
            QCOMPARE(window.windowTitle(), c.caption);
            QCOMPARE(window.size(), c.size);
            // Only the mobile window carries the two notes.
            QStringList notes;
            for (const QLabel* label : window.findChildren<QLabel*>())
                if (label->text().startsWith(QStringLiteral("请注意")) ||
                    label->text().startsWith(QStringLiteral("注：")))
                    notes << label->text();
            if (c.test == NumberTest::Mobile)
                QCOMPARE(
                    notes,
                    QStringList({QStringLiteral("请注意：手机号码是11位，请正确输入。"),
                                 QStringLiteral("注：有些人会问，手机号码为什么会影响一个人的运势？"
                                                "其实这就像风水、阳宅会影响运势命运的意义是一样的。"
                                                "虽然这只是一个号码，但是它与您的生活息息相关，"
                                                "也代表您与所有人的沟通桥梁！")}));
            else
                QVERIFY(notes.isEmpty());
        }
        NicknameWindow nickname;
        QCOMPARE(nickname.windowTitle(), QStringLiteral("网名与性格"));
    }

    void nicknameWindowReadsTheLastLetter() {
        NicknameWindow window;
        auto* edit = Find<QLineEdit>(window, "nicknameEdit");
        Type(edit, QStringLiteral("tom2"));
        QCOMPARE(edit->text(), QStringLiteral("TOM2"));  // letters in capitals
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(Value(window, "nicknameValue"), QStringLiteral("你的网名：TOM2"));
        QCOMPARE(Value(window, "personalityValue"), QStringLiteral("你的性格：老实，沉默"));

        edit->setText(QStringLiteral("小あ"));  // a kana: no letter
        Find<QPushButton>(window, "testButton")->click();
        QCOMPARE(Value(window, "nicknameValue"), QStringLiteral("你的网名：小あ"));
        QCOMPARE(Value(window, "personalityValue"), QStringLiteral("你的性格："));

        // 18 GBK bytes: nine Chinese characters.
        edit->clear();
        Type(edit, QStringLiteral("一二三四五六七八九十"));
        QCOMPARE(edit->text(), QStringLiteral("一二三四五六七八九"));

        QList<BoxSeen> seen;
        ModalResponder responder([&](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
        edit->setText(QStringLiteral("  "));
        Find<QPushButton>(window, "testButton")->click();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("请输入你的网名！"));
        QCOMPARE(Value(window, "nicknameValue"), QStringLiteral("你的网名：小あ"));
    }
};

QTEST_MAIN(ToolWindowsTest)
#include "tool_windows_test.moc"
