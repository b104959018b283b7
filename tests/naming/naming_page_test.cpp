// The naming page's search, grid, export and detail window, on a small
// character database where the size of the result is chosen by the test.
#include "naming/naming_page.h"

#include <sqlite3.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "../ui/test_support.h"
#include "base/dates.h"
#include "base/report_sink.h"
#include "naming/candidate_grid.h"
#include "naming/name_analysis.h"
#include "naming/name_detail_window.h"
#include "naming/stroke_patterns.h"
#include "store/connection.h"
#include "ui/owner_panel.h"
#include "ui/page_context.h"
#include "ui/report_memo.h"
#include "ui/report_output.h"
#include "ui/string_grid.h"

using velmora::testing::Child;

namespace fs = std::filesystem;
using namespace velmora;

class NamingPageTest : public QObject {
    Q_OBJECT

    // A data folder with the real databases, except Vudazod.db: `count`
    // (each holding all five elements, so no element filter drops one)
    // candidates 甲1.. of 1 stroke each next to the fixed character 天.
    void MakeDataFolder(int count) {
        const fs::path folder = fs::path(dir_.path().toStdString()) / "data";
        fs::create_directories(folder);
        for (const auto& entry : fs::directory_iterator(realData_))
            if (entry.path().filename() != "Vudazod.db")
                fs::copy_file(entry.path(), folder / entry.path().filename(),
                              fs::copy_options::overwrite_existing);
        const std::string db = (folder / "Vudazod.db").string();
        fs::remove(db);
        sqlite3* handle = nullptr;
        QVERIFY(sqlite3_open(db.c_str(), &handle) == SQLITE_OK);
        std::string sql =
            "CREATE TABLE word (zi TEXT NOT NULL, wuhang TEXT, ft TEXT, bh INTEGER);"
            "CREATE TABLE CYZI (ID INTEGER PRIMARY KEY, zi TEXT NOT NULL, wuhang TEXT, ft TEXT, "
            "bh INTEGER);"
            "CREATE TABLE gz (lx INTEGER NOT NULL, bh11 INTEGER, bh12 INTEGER, bh21 INTEGER, "
            "bh22 INTEGER, zf INTEGER);"
            "CREATE TABLE gz_packed (lx INTEGER PRIMARY KEY, patterns BLOB NOT NULL);"
            "CREATE TABLE MZ (ID INTEGER PRIMARY KEY, zi TEXT NOT NULL, wuhang TEXT, ft TEXT, "
            "bh INTEGER, bh1 INTEGER, bh2 INTEGER, fs REAL);"
            "INSERT INTO word VALUES ('天', '火', '天', 4);"
            "INSERT INTO gz VALUES (2, 4, 1, NULL, NULL, 80);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
            std::to_string(count) +
            ") INSERT INTO CYZI (zi, wuhang, ft, bh) SELECT '乙' || i, '金木水火土', '乙' || i, 1 "
            "FROM n "
            "WHERE i <= " +
            std::to_string(count) + ";";
        QVERIFY(sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK);
        naming::WritePackedStrokePatterns(handle);
        sqlite3_close(handle);
        store::SetDataFolder(folder.string() + "/");
    }

    // A naming page on the main window's queries, bound to the data folder
    // as it is set when the page is made.
    struct PageOnMainQueries {
        ui::MainQueries queries;
        ui::SharedSaveDialog dialog;
        ui::PageContext context{queries, dialog};
        std::unique_ptr<naming::NamingPage> page;
        PageOnMainQueries() {
            queries.BindAll();
            page = std::make_unique<naming::NamingPage>(context, nullptr);
        }
    };

    void FillOwner(naming::NamingPage& page) {
        Child<QLineEdit>(page, "surnameEdit")->setText(QStringLiteral("王"));
        Child<QLineEdit>(page, "givenNameEdit")->setText(QStringLiteral("小明"));
        Child<QComboBox>(page, "yearBox")->setCurrentText(QStringLiteral("1980"));
        Child<QComboBox>(page, "monthBox")->setCurrentText(QStringLiteral("5"));
        Child<QComboBox>(page, "dayBox")->setCurrentText(QStringLiteral("20"));
        Child<QComboBox>(page, "hourBox")->setCurrentText(QStringLiteral("巳 10"));
        Child<QComboBox>(page, "minuteBox")->setCurrentText(QStringLiteral("30"));
        Child<QLineEdit>(page, "fixedCharEdit1")->setText(QStringLiteral("天"));
    }

    int FilledRows(naming::NamingPage& page) {
        int rows = 0;
        for (int row = 1; row < Child<velmora::ui::StringGrid>(page, "resultGrid")->RowCount();
             ++row)
            rows += !Child<velmora::ui::StringGrid>(page, "resultGrid")->Cell(4, row).isEmpty();
        return rows;
    }

    QTemporaryDir dir_;
    fs::path realData_;

  private slots:
    void initTestCase() {
        realData_ = fs::path(store::DataFolder());
        QVERIFY(fs::exists(realData_ / "Tgcode.db"));
    }
    void cleanup() { store::SetDataFolder(""); }

    void searchFillsPagesAndTheContinueButtonFollowsTheRowCount_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("more");
        QTest::newRow("37") << 37 << 37 << false;
        QTest::newRow("150") << 150 << 100 << false;
        QTest::newRow("200") << 200 << 100 << false;
        QTest::newRow("201") << 201 << 100 << true;
    }
    void searchFillsPagesAndTheContinueButtonFollowsTheRowCount() {
        QFETCH(int, count);
        QFETCH(int, shown);
        QFETCH(bool, more);
        MakeDataFolder(count);
        PageOnMainQueries setup;
        naming::NamingPage& page = *setup.page;
        page.WriteGridHeader();
        FillOwner(page);
        Child<QLineEdit>(page, "suffixEdit")->setText(QStringLiteral("公司"));
        Child<QPushButton>(page, "searchButton")->click();
        QVERIFY(page.candidates());
        QCOMPARE(static_cast<int>(page.candidates()->size()), count);
        QCOMPARE(FilledRows(page), shown);
        QCOMPARE(Child<QPushButton>(page, "showMoreButton")->isEnabled(), more);
        QVERIFY(Child<QPushButton>(page, "searchButton")->isEnabled());
        for (int row = 1; row <= shown; ++row) {
            const QString body = Child<velmora::ui::StringGrid>(page, "resultGrid")->Cell(4, row);
            QVERIFY(body.startsWith(QStringLiteral("天")));
            if (count < naming::kPagedRowLimit) {  // the rows of the result, in its order
                QCOMPARE(body, QString::fromStdString((*page.candidates())[row - 1].Body));
            }
            const int total =
                Child<velmora::ui::StringGrid>(page, "resultGrid")->Cell(3, row).toInt();
            QCOMPARE(total, 5 + page.searchState.AffixBh);
            QCOMPARE(Child<velmora::ui::StringGrid>(page, "resultGrid")->Cell(8, row).toInt(),
                     80 + naming::NameBonus(total));
            QCOMPARE(Child<velmora::ui::StringGrid>(page, "resultGrid")->Cell(1, row),
                     body + QStringLiteral("公司"));
        }
        QCOMPARE(Child<velmora::ui::StringGrid>(page, "resultGrid")->Cell(1, 0),
                 QStringLiteral("企业名称"));
    }

    void failedOpenKeepsTheGridAndFreesTheButton() {
        MakeDataFolder(37);
        PageOnMainQueries setup;
        naming::NamingPage& page = *setup.page;
        FillOwner(page);
        page.onSearchClicked();
        QCOMPARE(FilledRows(page), 37);
        // The character table goes away: the next open fails.
        sqlite3* handle = nullptr;
        const std::string db = store::BuildConnectionString(store::DataFile::Vudazod);
        QVERIFY(sqlite3_open(db.c_str(), &handle) == SQLITE_OK);
        // The page may still be reading the patterns in the background.
        sqlite3_busy_timeout(handle, 5000);
        QVERIFY(sqlite3_exec(handle, "DROP TABLE CYZI;", nullptr, nullptr, nullptr) == SQLITE_OK);
        sqlite3_close(handle);
        bool raised = false;
        try {
            page.onSearchClicked();
        } catch (const std::exception&) {
            raised = true;
        }
        QVERIFY(raised);
        QVERIFY(!page.candidates());
        QVERIFY(Child<QPushButton>(page, "searchButton")->isEnabled());
        QCOMPARE(FilledRows(page), 37);
    }

    void messagesStopTheSearch() {
        MakeDataFolder(37);
        PageOnMainQueries setup;
        naming::NamingPage& page = *setup.page;
        page.WriteGridHeader();
        FillOwner(page);
        Child<QLineEdit>(page, "fixedCharEdit2")->setText(QStringLiteral("天"));
        QList<testing::BoxSeen> seen;
        {
            testing::ModalResponder responder(
                [&](QWidget* modal) { testing::CloseBox(modal, seen); });
            Child<QPushButton>(page, "searchButton")
                ->click();  // both positions of a two-character body fixed
            Child<QPushButton>(page, "exportButton")->click();  // nothing to export yet
        }
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].title, QStringLiteral("信息提示"));
        QCOMPARE(seen[0].text, QStringLiteral("二字名不能同时固定两个字！"));
        QCOMPARE(seen[1].text, QStringLiteral("没有可导出的数据!"));
        QVERIFY(!page.candidates());
        QCOMPARE(FilledRows(page), 0);
    }

    void exportWritesTheGridAsAWorkbook() {
        MakeDataFolder(37);
        PageOnMainQueries setup;
        naming::NamingPage& page = *setup.page;
        page.WriteGridHeader();
        FillOwner(page);
        page.onSearchClicked();
        const QString path = dir_.filePath(QStringLiteral("起名结果.xlsx"));
        QVERIFY(page.ExportGrid(path));
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"),
                    {QStringLiteral("-p"), path, QStringLiteral("xl/sharedStrings.xml")});
        QVERIFY(unzip.waitForFinished());
        const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
        QVERIFY(xml.contains(QStringLiteral("<t>企业名称</t>")));
        QVERIFY(xml.contains(QStringLiteral("<t>天乙1</t>")));
        QVERIFY(xml.contains(QStringLiteral("<t>天乙37</t>")));
        QVERIFY(!xml.contains(QStringLiteral("天乙38")));
        unzip.start(QStringLiteral("unzip"),
                    {QStringLiteral("-p"), path, QStringLiteral("xl/worksheets/sheet1.xml")});
        QVERIFY(unzip.waitForFinished());
        const QString sheet = QString::fromUtf8(unzip.readAllStandardOutput());
        QVERIFY(sheet.contains(QStringLiteral("r=\"I38\"")));  // header + 37 rows, 9 columns
        QVERIFY(!sheet.contains(QStringLiteral("r=\"A39\"")));
        // 编号, 总体笔画, 主体笔画, 行业笔画 and 总体评分 are numbers (no t="s"), the
        // names and the header texts.
        const auto cell = [&sheet](const QString& ref) {
            const QRegularExpression pattern(QStringLiteral("<c r=\"%1\"[^>]*>").arg(ref));
            return pattern.match(sheet).captured(0);
        };
        for (const char* ref : {"A2", "D2", "G2", "H2", "I2", "A38", "I38"})
            QVERIFY2(!cell(ref).isEmpty() && !cell(ref).contains("t=\"s\""), ref);
        for (const char* ref : {"A1", "I1", "B2", "C2", "E2", "F2"})
            QVERIFY2(cell(ref).contains("t=\"s\""), ref);
        QVERIFY(sheet.contains(QStringLiteral("<c r=\"A38\"><v>37</v></c>")));
        QVERIFY(!page.ExportGrid(dir_.filePath(QStringLiteral("no/such/folder/x.xlsx"))));
    }

    void firstRowIsCurrentAndHeaderClicksSortTheShownPage() {
        MakeDataFolder(37);
        PageOnMainQueries setup;
        naming::NamingPage& page = *setup.page;
        page.WriteGridHeader();
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        FillOwner(page);
        Child<QLineEdit>(page, "suffixEdit")->setText(QStringLiteral("公司"));
        Child<QPushButton>(page, "searchButton")->click();
        ui::StringGrid* grid = Child<velmora::ui::StringGrid>(page, "resultGrid");
        QCOMPARE(grid->Row(), 1);  // 查看详细 has a row without a click

        // Clicks on the header: 编号 by value (37 before 9 when reversed, as
        // a number), again reversed; then 企业名称 as text.
        QHeaderView* header = grid->horizontalHeader();
        const auto clickHeader = [&](int col) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(col) + 5, 5));
        };
        const auto column = [&](int col) {
            QStringList cells;
            for (int row = 1; row <= 37; ++row) cells << grid->Cell(col, row);
            return cells;
        };
        QStringList numbers;
        for (int k = 1; k <= 37; ++k) numbers << QString::number(k);
        QCOMPARE(column(0), numbers);
        clickHeader(0);
        QCOMPARE(column(0), numbers);
        clickHeader(0);
        std::reverse(numbers.begin(), numbers.end());
        QCOMPARE(column(0), numbers);
        QCOMPARE(grid->Row(), 1);
        clickHeader(1);
        QStringList names = column(1);
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
            return a.toStdString() < b.toStdString();
        });
        QCOMPARE(names, sorted);
        // Text order, not numbers: 天乙10 comes before 天乙2.
        QVERIFY(names.indexOf(QStringLiteral("天乙10公司")) <
                names.indexOf(QStringLiteral("天乙2公司")));
        // Each row moved as a whole.
        for (int row = 1; row <= 37; ++row)
            QCOMPARE(grid->Cell(1, row), grid->Cell(4, row) + QStringLiteral("公司"));
        QVERIFY(header->model()
                    ->headerData(8, Qt::Horizontal, Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("81数理")));
    }

    // On the real databases: the grid's 总体评分 of every row of a page equals
    // the 综合评分 of the detail report of that row; 查看详细 without a click
    // opens the first row.
    void gridAndDetailReportAgreeOnTheScore() {
        PageOnMainQueries setup;
        naming::NamingPage& page = *setup.page;
        page.WriteGridHeader();
        FillOwner(page);
        Child<QLineEdit>(page, "fixedCharEdit1")->clear();
        Child<QLineEdit>(page, "prefixEdit")->setText(QStringLiteral("上海"));
        Child<QLineEdit>(page, "suffixEdit")->setText(QStringLiteral("科技有限公司"));
        page.onSearchClicked();
        const auto scoreLine = [](const QStringList& lines) {
            for (const QString& line : lines)
                if (line.contains(QStringLiteral("综合评分："))) return line;
            return QString();
        };
        int compared = 0;
        for (int row = 1; row < Child<velmora::ui::StringGrid>(page, "resultGrid")->RowCount();
             ++row) {
            const QString body = Child<velmora::ui::StringGrid>(page, "resultGrid")->Cell(4, row);
            if (body.isEmpty()) break;
            auto window =
                naming::CreateNameDetail(nullptr, "王", "小明", "男", "1980", "5", "20", "巳 10",
                                         "30", "上海", body.toStdString(), "科技有限公司", 0);
            window->show();  // writes the report at once
            QCOMPARE(
                scoreLine(Child<velmora::ui::ReportMemo>(window, "reportMemo")->Lines()),
                QStringLiteral("企业简称【%1】综合评分：%2分")
                    .arg(body, Child<velmora::ui::StringGrid>(page, "resultGrid")->Cell(8, row)));
            window->close();
            ++compared;
        }
        QCOMPARE(compared, naming::kGridPageRows);

        QString opened;
        testing::ModalResponder responder([&](QWidget* modal) {
            if (auto* detail = qobject_cast<naming::NameDetailWindow*>(modal)) {
                opened = scoreLine(Child<velmora::ui::ReportMemo>(detail, "reportMemo")->Lines());
                detail->close();
            }
        });
        Child<QPushButton>(page, "detailButton")->click();
        QCOMPARE(opened, QStringLiteral("企业简称【%1】综合评分：%2分")
                             .arg(Child<velmora::ui::StringGrid>(page, "resultGrid")->Cell(4, 1),
                                  Child<velmora::ui::StringGrid>(page, "resultGrid")->Cell(8, 1)));
    }

    void detailWindowWritesTheAnalysisReport() {
        const struct {
            const char* sex;
            const char* minute;
            int dateKind;
            const char* body;
        } cases[] = {{"男", "30", 0, "九万"}, {"女", "7", 1, "天华明达"}, {"x", "0", 0, "天华"}};
        for (const auto& c : cases) {
            auto window =
                naming::CreateNameDetail(nullptr, "王", "小明", c.sex, "1980", "5", "20", "巳 10",
                                         c.minute, "上海", c.body, "科技有限公司", c.dateKind);
            QCOMPARE(Child<QComboBox>(window, "sexBox")->currentText(),
                     QString::fromUtf8(std::string(c.sex) == "男" ? "男" : "女"));
            QCOMPARE(Child<QComboBox>(window, "minuteBox")->currentText(),
                     QString::fromUtf8(c.minute));
            window->show();

            naming::NameAnalysisInput input;
            input.Owner = Child<ui::OwnerPanel>(window, "ownerPanel")->ReadBirthInput();
            input.Owner.DateKind = c.dateKind;
            input.Prefix = "上海";
            input.MainBody = c.body;
            input.Suffix = "科技有限公司";
            VectorSink expected;
            store::Query strokes(store::BuildConnectionString(store::DataFile::Vudazod), 30);
            store::Query texts(store::BuildConnectionString(store::DataFile::KelFile), 30);
            QVERIFY(!naming::WriteNameAnalysis(input, expected, strokes, texts,
                                               CivilFromDate(Today()).year));
            QStringList lines;
            for (const std::string& line : expected.lines) lines << QString::fromStdString(line);
            QVERIFY(!lines.isEmpty());
            QCOMPARE(Child<velmora::ui::ReportMemo>(window, "reportMemo")->Lines(), lines);
            QVERIFY(!Child<velmora::ui::ReportMemo>(window, "reportMemo")->isReadOnly());
            window->close();
        }
    }
};

QTEST_MAIN(NamingPageTest)
#include "naming_page_test.moc"
