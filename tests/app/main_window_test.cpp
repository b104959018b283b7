// The main window after start, its page switching, the owner rows, the GBK
// edit limits and the handler guard.

#include "app/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "../ui/test_support.h"
#include "base/errors.h"
#include "calendar/opening_day_page.h"
#include "store/connection.h"
#include "store/data_check.h"
#include "tools/tools_page.h"
#include "ui/handler_guard.h"
#include "ui/owner_panel.h"
#include "ui/report_memo.h"
#include "ui/report_output.h"
#include "ui/string_grid.h"

using velmora::testing::Child;

using velmora::app::MainWindow;
using velmora::testing::BoxSeen;
using velmora::testing::ModalResponder;
using velmora::testing::Type;

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    // A widget by object name; "page/name" looks inside the page of that name.
    template <class T>
    static T* Find(const QWidget& window, const char* path) {
        const QStringList parts = QString::fromLatin1(path).split(QLatin1Char('/'));
        const QObject* scope = &window;
        if (parts.size() == 2) scope = window.findChild<QWidget*>(parts.first());
        T* widget = scope ? scope->findChild<T*>(parts.last()) : nullptr;
        if (!widget) qFatal("no control named %s", path);
        return widget;
    }
    static QString CurrentPage(const QWidget& window) {
        return Find<QStackedWidget>(window, "pageStack")->currentWidget()->objectName();
    }

  private slots:
    void startState() {
        MainWindow window;
        QCOMPARE(window.size(), QSize(800, 590));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(CurrentPage(window), QStringLiteral("namingPage"));

        auto* grid = Find<velmora::ui::StringGrid>(window, "resultGrid");
        QCOMPARE(grid->RowCount(), 101);
        QCOMPARE(grid->ColCount(), 9);
        QCOMPARE(grid->Cell(1, 0), QString());  // the header is written when the window shows
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList header = {"编号",     "企业名称", "企业繁体字", "总体笔画", "单位主体",
                                    "主体五行", "主体笔画", "行业笔画",   "总体评分"};
        const QList<int> widths = {43, 183, 194, 57, 57, 58, 55, 56, 54};
        for (int col = 0; col < 9; ++col) {
            QCOMPARE(grid->Cell(col, 0), header[col]);
            QCOMPARE(grid->columnWidth(col), widths[col]);
            QCOMPARE(grid->rowHeight(col), 18);
            for (int row = 1; row < grid->RowCount(); ++row)
                QVERIFY(grid->Cell(col, row).isEmpty());
        }

        QVERIFY(!Find<QPushButton>(window, "showMoreButton")->isEnabled());  // 继续显示
        QVERIFY(Find<QLineEdit>(window, "fixedCharEdit1")->isEnabled());
        QVERIFY(Find<QLineEdit>(window, "fixedCharEdit2")->isEnabled());
        QVERIFY(!Find<QLineEdit>(window, "fixedCharEdit3")->isEnabled());
        QVERIFY(!Find<QLineEdit>(window, "fixedCharEdit4")->isEnabled());
        QVERIFY(!Find<QWidget>(window, "baziScratchMemo")->isVisible());

        // Today in the almanac boxes, also when the year is not in their list.
        const QDate today = QDate::currentDate();
        QCOMPARE(Find<QComboBox>(window, "almanacPage/yearBox")->currentText(),
                 today.toString("yyyy"));
        QCOMPARE(Find<QComboBox>(window, "almanacPage/monthBox")->currentText(),
                 today.toString("MM"));
        QCOMPARE(Find<QComboBox>(window, "almanacPage/dayBox")->currentText(),
                 today.toString("dd"));
    }

    void nameLengthEnablesFixedCharacters_data() {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QList<bool>>("enabled");  // the four fixed-character edits, at the end
        QTest::newRow("three") << QStringList{"三字名"} << QList<bool>{true, true, true, false};
        QTest::newRow("four") << QStringList{"四字名"} << QList<bool>{true, true, true, true};
        QTest::newRow("four then two")
            << QStringList{"四字名", "二字名"} << QList<bool>{true, true, false, false};
    }
    void nameLengthEnablesFixedCharacters() {
        QFETCH(QStringList, choices);
        QFETCH(QList<bool>, enabled);
        MainWindow window;
        auto* lengths = Find<QComboBox>(window, "nameLengthBox");
        QLineEdit* fixed[] = {
            Find<QLineEdit>(window, "fixedCharEdit1"), Find<QLineEdit>(window, "fixedCharEdit2"),
            Find<QLineEdit>(window, "fixedCharEdit3"), Find<QLineEdit>(window, "fixedCharEdit4")};
        const QStringList typed = {"九", "万", "科", "技"};
        for (int i = 0; i < 4; ++i) fixed[i]->setText(typed[i]);
        for (const QString& choice : choices) lengths->setCurrentText(choice);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(fixed[i]->isEnabled(), enabled[i]);
            QCOMPARE(fixed[i]->text(), typed[i]);  // only the enabled state changes
        }
    }

    void toolbarSwitchesPages_data() {
        QTest::addColumn<QString>("first");  // a button that leaves the naming page
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("公司取名") << "baziPageButton"
                                  << "namingPageButton"
                                  << "namingPage";
        QTest::newRow("名字分析") << ""
                                  << "analysisPageButton"
                                  << "analysisPage";
        QTest::newRow("生辰八字") << ""
                                  << "baziPageButton"
                                  << "baziPage";
        QTest::newRow("开张吉日") << ""
                                  << "openingDayPageButton"
                                  << "openingDayPage";
        QTest::newRow("本日黄历") << ""
                                  << "almanacPageButton"
                                  << "almanacPage";
        QTest::newRow("解梦大全") << ""
                                  << "dreamPageButton"
                                  << "dreamPage";
        QTest::newRow("其他功能") << ""
                                  << "toolsPageButton"
                                  << "toolsPage";
        QTest::newRow("analysis 返回起名") << "analysisPageButton"
                                           << "analysisPage/backButton"
                                           << "namingPage";
        QTest::newRow("opening day 返回起名") << "openingDayPageButton"
                                              << "openingDayPage/backButton"
                                              << "namingPage";
    }
    void toolbarSwitchesPages() {
        QFETCH(QString, first);
        QFETCH(QString, button);
        QFETCH(QString, sheet);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (!first.isEmpty())
            QTest::mouseClick(Find<QAbstractButton>(window, first.toLatin1()), Qt::LeftButton);
        QTest::mouseClick(Find<QAbstractButton>(window, button.toLatin1()), Qt::LeftButton);
        QCOMPARE(CurrentPage(window), sheet);
    }

    void toolbarHints() {
        MainWindow window;
        QCOMPARE(Find<QToolButton>(window, "minimizeButton")->toolTip(), QStringLiteral("最小化"));
        QCOMPARE(Find<QToolButton>(window, "closeButton")->toolTip(), QStringLiteral("关闭"));
        QCOMPARE(Find<QToolButton>(window, "dreamPageButton")->toolTip(),
                 QStringLiteral("周公解梦"));
        QCOMPARE(Find<QToolButton>(window, "almanacPageButton")->geometry(),
                 QRect(334, 24, 75, 76));
    }

    void ownerRowsAreIndependentCopies_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("naming") << "namingPage";
        QTest::newRow("bazi") << "baziPage";
        QTest::newRow("analysis") << "analysisPage";
    }
    void ownerRowsAreIndependentCopies() {
        QFETCH(QString, page);
        MainWindow window;
        auto combo = [&](const char* name) {
            return Find<QComboBox>(window,
                                   (page + QLatin1Char('/') + QLatin1String(name)).toLatin1());
        };
        QCOMPARE(combo("sexBox")->currentText(), QStringLiteral("男"));
        QVERIFY(!combo("sexBox")->isEditable());
        QCOMPARE(combo("calendarBox")->currentIndex(), 0);
        QCOMPARE(combo("yearBox")->count(), 120);
        QCOMPARE(combo("yearBox")->itemText(0), QStringLiteral("1900"));
        QCOMPARE(combo("yearBox")->currentText(), QStringLiteral("1980"));
        QVERIFY(combo("yearBox")->isEditable());
        QCOMPARE(combo("hourBox")->count(), 24);
        QCOMPARE(combo("hourBox")->itemText(10), QStringLiteral("巳 10"));
        QCOMPARE(combo("hourBox")->itemText(23), QStringLiteral("子 23"));
        QCOMPARE(combo("minuteBox")->count(), 60);

        // Typing into this row leaves the other two untouched.
        auto* surname = Find<QLineEdit>(window, (page + QStringLiteral("/surnameEdit")).toLatin1());
        Type(surname, QStringLiteral("张"));
        combo("hourBox")->setCurrentText(QStringLiteral("巳 10"));
        combo("calendarBox")->setCurrentIndex(1);
        for (const char* other : {"namingPage", "baziPage", "analysisPage"}) {
            if (page == QLatin1String(other)) continue;
            QVERIFY(Find<QLineEdit>(
                        window, (QLatin1String(other) + QStringLiteral("/surnameEdit")).toLatin1())
                        ->text()
                        .isEmpty());
        }
        const auto* panel = Find<velmora::ui::OwnerPanel>(
            window, (page + QStringLiteral("/ownerPanel")).toLatin1());
        const velmora::calendar::BirthInput input = panel->ReadBirthInput();
        QCOMPARE(input.Surname, std::string("张"));
        QCOMPARE(input.SexText, std::string("男"));
        QCOMPARE(input.DateKind, 1);
        QCOMPARE(input.YearText, std::string("1980"));
        QCOMPARE(input.HourText, std::string("巳 10"));
        QCOMPARE(input.MinuteText, std::string("0"));
    }

    void editLimitsCountGbkBytes_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        const QString twelve = QString(12, QChar(0x4E5D));  // 九 x 12 = 24 bytes
        const QString sixty = QString(60, QChar(0x4E07));   // 万 x 60 = 120 bytes
        QTest::newRow("surname 20")
            << "namingPage/surnameEdit" << twelve << QString(10, QChar(0x4E5D));
        QTest::newRow("given name 20")
            << "baziPage/givenNameEdit" << twelve << QString(10, QChar(0x4E5D));
        QTest::newRow("prefix 100")
            << "namingPage/prefixEdit" << sixty << QString(50, QChar(0x4E07));
        QTest::newRow("suffix 100")
            << "analysisPage/suffixEdit" << sixty << QString(50, QChar(0x4E07));
        QTest::newRow("fixed char 2") << "fixedCharEdit1"
                                      << "九万"
                                      << "九";
        QTest::newRow("fixed char latin") << "fixedCharEdit2"
                                          << "abc"
                                          << "ab";
        QTest::newRow("mixed 2 bytes") << "fixedCharEdit1"
                                       << "a九"
                                       << "a";
        QTest::newRow("short name 8") << "analysisPage/mainBodyEdit"
                                      << "上海九万科"
                                      << "上海九万";
        QTest::newRow("short name mixed") << "analysisPage/mainBodyEdit"
                                          << "ab九万科技"
                                          << "ab九万科";
    }
    void editLimitsCountGbkBytes() {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        MainWindow window;
        auto* line = Find<QLineEdit>(window, edit.toLatin1());
        line->setEnabled(true);
        Type(line, typed);
        QCOMPARE(line->text(), kept);
    }

    void guardShowsErrorAndGoesOn() {
        QWidget host;
        auto* button = new QPushButton(QStringLiteral("出错"), &host);
        button->resize(80, 24);
        int calls = 0;
        QObject::connect(button, &QPushButton::clicked, velmora::ui::Guarded([&calls] {
                             if (++calls == 2) throw 42;  // not even an exception class
                             throw velmora::ConversionError("出生日期“1980-2-30”不是有效的日期");
                         }));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QList<BoxSeen> seen;
        ModalResponder responder(
            [&seen](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);  // the program went on: the button still works
        QCOMPARE(calls, 2);
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].text, QStringLiteral("出生日期“1980-2-30”不是有效的日期"));
        QCOMPARE(seen[0].icon, QMessageBox::Critical);
        QCOMPARE(seen[1].text, QStringLiteral("发生了未知错误，本次操作已取消。"));
    }

    void showMsgBox() {
        QList<BoxSeen> seen;
        ModalResponder responder(
            [&seen](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
        velmora::ui::ShowMsg(QStringLiteral("姓不能为空!"));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, QStringLiteral("提示"));
        QCOMPARE(seen[0].text, QStringLiteral("姓不能为空!"));
        QCOMPARE(seen[0].icon, QMessageBox::Information);
        QCOMPARE(seen[0].buttons, 1);
    }

    // Start-up with a data folder that lacks one file and holds another as
    // zero bytes: one box names both files and the rebuild command; with the
    // built files there is none.
    void startUpNamesUnreadableDataFilesOnce() {
        QList<BoxSeen> seen;
        ModalResponder responder(
            [&seen](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
        QVERIFY(!velmora::app::ShowUnreadableDataFiles());
        QCOMPARE(seen.size(), 0);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString built = QString::fromStdString(velmora::store::DataFolder());
        for (const QString& name : {QStringLiteral("Vudazod.db"), QStringLiteral("KelFile.db"),
                                    QStringLiteral("KelBirth.db"), QStringLiteral("Tgcode.db")})
            QVERIFY(QFile::copy(built + name, folder.filePath(name)));
        QFile::resize(folder.filePath(QStringLiteral("KelBirth.db")), 0);
        velmora::store::SetDataFolder(folder.path().toStdString());
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const bool shown = velmora::app::ShowUnreadableDataFiles();
        velmora::store::SetDataFolder("");
        QVERIFY(shown);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].icon, QMessageBox::Critical);
        QVERIFY2(seen[0].text.contains(folder.filePath(QStringLiteral("dream.db")) +
                                       QStringLiteral("（文件不存在）")),
                 qPrintable(seen[0].text));
        QVERIFY(seen[0].text.contains(folder.filePath(QStringLiteral("KelBirth.db"))));
        QVERIFY(!seen[0].text.contains(folder.filePath(QStringLiteral("Tgcode.db"))));
        QVERIFY(seen[0].text.contains(QStringLiteral("scripts/setup.sh && scripts/build.sh")));
    }

    void openingDayButtonWritesTheMemo() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        velmora::calendar::OpeningDayPage& page =
            *Child<velmora::calendar::OpeningDayPage>(window, "openingDayPage");
        QList<BoxSeen> seen;
        ModalResponder responder(
            [&seen](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });

        Child<QCheckBox>(page, "personBox1")->setChecked(false);
        QTest::mouseClick(Child<QPushButton>(page, "analyseButton"), Qt::LeftButton);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("请至少勾选一个出生日期!"));
        QVERIFY(Child<velmora::ui::ReportMemo>(page, "reportMemo")->toPlainText().isEmpty());

        Child<QCheckBox>(page, "personBox1")->setChecked(true);
        Child<QComboBox>(page, "dayBox1")->setCurrentText(QStringLiteral("31"));
        Child<QComboBox>(page, "monthBox1")->setCurrentText(QStringLiteral("2"));
        QTest::mouseClick(Child<QPushButton>(page, "analyseButton"),
                          Qt::LeftButton);  // 1980-2-31: the guard's box
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1].icon, QMessageBox::Critical);
        QVERIFY(Child<velmora::ui::ReportMemo>(page, "reportMemo")->toPlainText().isEmpty());

        Child<QComboBox>(page, "monthBox1")->setCurrentText(QStringLiteral("1"));
        QTest::mouseClick(Child<QPushButton>(page, "analyseButton"), Qt::LeftButton);
        QCOMPARE(seen.size(), 2);
        QVERIFY(Child<velmora::ui::ReportMemo>(page, "reportMemo")
                    ->toPlainText()
                    .startsWith(QStringLiteral("开张吉日推算\n")));
    }

    // The owner typed on one page comes to a page whose owner row is untouched,
    // never over what was typed there; the naming page's name parts fill the
    // analysis page's empty edits.
    void ownerIsTypedOnce() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto click = [&](const char* button) {
            QTest::mouseClick(Find<QToolButton>(window, button), Qt::LeftButton);
        };
        Type(Find<QLineEdit>(window, "namingPage/surnameEdit"), QStringLiteral("王"));
        Type(Find<QLineEdit>(window, "namingPage/givenNameEdit"), QStringLiteral("小明"));
        Find<QComboBox>(window, "namingPage/sexBox")->setCurrentIndex(1);
        Find<QComboBox>(window, "namingPage/calendarBox")->setCurrentIndex(1);
        Find<QComboBox>(window, "namingPage/yearBox")->setCurrentText(QStringLiteral("1985"));
        Find<QComboBox>(window, "namingPage/hourBox")->setCurrentText(QStringLiteral("巳 10"));
        Type(Find<QLineEdit>(window, "namingPage/prefixEdit"), QStringLiteral("上海"));
        Type(Find<QLineEdit>(window, "namingPage/suffixEdit"), QStringLiteral("科技"));
        // The analysis page has its own given name and suffix already.
        Type(Find<QLineEdit>(window, "analysisPage/givenNameEdit"), QStringLiteral("大明"));
        Type(Find<QLineEdit>(window, "analysisPage/suffixEdit"), QStringLiteral("贸易"));

        click("baziPageButton");
        QCOMPARE(Find<QLineEdit>(window, "baziPage/surnameEdit")->text(), QStringLiteral("王"));
        QCOMPARE(Find<QLineEdit>(window, "baziPage/givenNameEdit")->text(), QStringLiteral("小明"));
        QCOMPARE(Find<QComboBox>(window, "baziPage/sexBox")->currentText(), QStringLiteral("女"));
        QCOMPARE(Find<QComboBox>(window, "baziPage/calendarBox")->currentIndex(), 1);
        QCOMPARE(Find<QComboBox>(window, "baziPage/yearBox")->currentText(),
                 QStringLiteral("1985"));
        QCOMPARE(Find<QComboBox>(window, "baziPage/hourBox")->currentText(),
                 QStringLiteral("巳 10"));

        click("analysisPageButton");  // not untouched: its owner row stays as typed
        QVERIFY(Find<QLineEdit>(window, "analysisPage/surnameEdit")->text().isEmpty());
        QCOMPARE(Find<QLineEdit>(window, "analysisPage/givenNameEdit")->text(),
                 QStringLiteral("大明"));
        QCOMPARE(Find<QLineEdit>(window, "analysisPage/prefixEdit")->text(),
                 QStringLiteral("上海"));
        QCOMPARE(Find<QLineEdit>(window, "analysisPage/suffixEdit")->text(),
                 QStringLiteral("贸易"));
        QVERIFY(
            Find<QLineEdit>(window, "analysisPage/mainBodyEdit")->text().isEmpty());  // no grid row

        // Typed last on the analysis page: that owner goes on to the opening-day page.
        Type(Find<QLineEdit>(window, "analysisPage/surnameEdit"), QStringLiteral("李"));
        Find<QComboBox>(window, "analysisPage/dayBox")->setCurrentText(QStringLiteral("9"));
        click("openingDayPageButton");
        QCOMPARE(Find<QComboBox>(window, "openingDayPage/dayBox1")->currentText(),
                 QStringLiteral("9"));
        QCOMPARE(Find<QComboBox>(window, "openingDayPage/calendarBox1")->currentIndex(), 0);
        click("namingPageButton");  // the naming page keeps its own owner
        QCOMPARE(Find<QLineEdit>(window, "namingPage/surnameEdit")->text(), QStringLiteral("王"));
    }

    void openingDayRowsFollowTheirBoxAndStartDate() {
        MainWindow window;
        QVERIFY(Find<QComboBox>(window, "openingDayPage/yearBox1")->isEnabled());
        for (const char* box : {"openingDayPage/yearBox2", "openingDayPage/calendarBox3",
                                "openingDayPage/minuteBox5"})
            QVERIFY2(!Find<QComboBox>(window, box)->isEnabled(), box);
        Find<QCheckBox>(window, "openingDayPage/personBox2")->setChecked(true);
        QVERIFY(Find<QComboBox>(window, "openingDayPage/yearBox2")->isEnabled());
        QVERIFY(!Find<QComboBox>(window, "openingDayPage/yearBox3")->isEnabled());
        Find<QCheckBox>(window, "openingDayPage/personBox1")->setChecked(false);
        QVERIFY(!Find<QComboBox>(window, "openingDayPage/dayBox1")->isEnabled());

        auto* start = Find<QDateEdit>(window, "openingDayPage/startDateEdit");
        QCOMPARE(start->date(), QDate::currentDate());
        start->setDate(QDate(2026, 3, 1));
        QList<BoxSeen> seen;
        ModalResponder responder(
            [&seen](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
        QTest::mouseClick(
            Child<QPushButton>(Child<velmora::calendar::OpeningDayPage>(window, "openingDayPage"),
                               "analyseButton"),
            Qt::LeftButton);
        QVERIFY(seen.isEmpty());
        const QString text =
            Child<velmora::ui::ReportMemo>(
                Child<velmora::calendar::OpeningDayPage>(window, "openingDayPage"), "reportMemo")
                ->toPlainText();
        // Every day listed lies after the start date.
        const QRegularExpression day(QStringLiteral("(\\d{4})-(\\d{2})-(\\d{2})"));
        int listed = 0;
        for (auto it = day.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
            if (date.year() < 2026) continue;  // birth dates in the header
            QVERIFY2(date > QDate(2026, 3, 1) && date <= QDate(2026, 3, 1).addDays(90),
                     qPrintable(m.captured(0)));
            ++listed;
        }
        QVERIFY(listed > 0);
    }

    void toolWindowsOpenFreshEachTime() {
        velmora::tools::ToolsPage page(nullptr);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QList<QPointer<QDialog>> made;
        page.SetWindowFactory(velmora::tools::ToolsPage::PhoneNumber, [&made](QWidget* parent) {
            auto* window = new QDialog(parent);
            made.append(window);
            return window;
        });
        QList<BoxSeen> seen;
        ModalResponder responder(
            [&seen](QWidget* modal) { velmora::testing::CloseBox(modal, seen); });
        auto* phoneButton = page.findChild<QToolButton*>(QStringLiteral("phoneNumberButton"));
        QVERIFY(phoneButton);
        QTest::mouseClick(phoneButton, Qt::LeftButton);
        QTest::mouseClick(phoneButton, Qt::LeftButton);
        QCOMPARE(made.size(), 2);
        QVERIFY(made[0].isNull());  // the first window is gone before the second opens
        QVERIFY(!made[1].isNull());
        // A tool without a window does nothing.
        QTest::mouseClick(page.findChild<QToolButton*>(QStringLiteral("qqNumberButton")),
                          Qt::LeftButton);
        QCOMPARE(made.size(), 2);
    }

    // Last: the close button ends the application's event loop.
    void closeButtonClosesQueriesAndWindow() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto& almanac = window.Queries().almanacDays;
        almanac.SetSql("select 1");
        almanac.Open();
        QVERIFY(almanac.IsOpen());
        QTest::mouseClick(Find<QToolButton>(window, "closeButton"), Qt::LeftButton);
        QVERIFY(!almanac.IsOpen());
        QVERIFY(!window.isVisible());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velmora::ui::ApplyProgramLook(app);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
