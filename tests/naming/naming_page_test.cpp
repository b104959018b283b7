// The naming page's search, grid, export and detail window, on a small
// character database where the size of the result is chosen by the test.
#include "naming/naming_page.h"

#include <sqlite3.h>

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "../ui/test_support.h"
#include "base/dates.h"
#include "base/report_sink.h"
#include "naming/candidate_grid.h"
#include "naming/name_analysis.h"
#include "naming/name_detail_window.h"
#include "store/connection.h"
#include "ui/owner_panel.h"
#include "ui/page_context.h"
#include "ui/report_memo.h"
#include "ui/string_grid.h"

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
        sqlite3_close(handle);
        store::SetDataFolder(folder.string() + "/");
    }

    void FillOwner(naming::NamingPage& page) {
        page.owner_->surnameEdit_->setText(QStringLiteral("王"));
        page.owner_->givenNameEdit_->setText(QStringLiteral("小明"));
        page.owner_->yearBox_->setCurrentText(QStringLiteral("1980"));
        page.owner_->monthBox_->setCurrentText(QStringLiteral("5"));
        page.owner_->dayBox_->setCurrentText(QStringLiteral("20"));
        page.owner_->hourBox_->setCurrentText(QStringLiteral("巳 10"));
        page.owner_->minuteBox_->setCurrentText(QStringLiteral("30"));
        page.fixedCharEdits_[0]->setText(QStringLiteral("天"));
    }

    int FilledRows(naming::NamingPage& page) {
        int rows = 0;
        for (int row = 1; row < page.resultGrid_->RowCount(); ++row)
            rows += !page.resultGrid_->Cell(4, row).isEmpty();
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
        ui::MainQueries queries;
        queries.BindAll();
        QFileDialog dialog;
        ui::PageContext context{queries, dialog};
        naming::NamingPage page(context, nullptr);
        page.WriteGridHeader();
        FillOwner(page);
        page.suffixEdit_->setText(QStringLiteral("公司"));
        page.searchButton_->click();
        QCOMPARE(queries.candidateResult.RowCount(), count);
        QCOMPARE(FilledRows(page), shown);
        QCOMPARE(page.showMoreButton_->isEnabled(), more);
        QVERIFY(page.searchButton_->isEnabled());
        for (int row = 1; row <= shown; ++row) {
            const QString body = page.resultGrid_->Cell(4, row);
            QVERIFY(body.startsWith(QStringLiteral("天")));
            if (count < naming::kPagedRowLimit) {  // the rows of the result, in its order
                queries.candidateResult.MoveTo(row);
                QCOMPARE(body, QString::fromStdString(
                                   queries.candidateResult.FieldByName("zi").AsText()));
            }
            const int total = page.resultGrid_->Cell(3, row).toInt();
            QCOMPARE(total, 5 + page.searchState.AffixBh);
            QCOMPARE(page.resultGrid_->Cell(8, row).toInt(), 80 + naming::NameBonus(total));
            QCOMPARE(page.resultGrid_->Cell(1, row), body + QStringLiteral("公司"));
        }
        QCOMPARE(page.resultGrid_->Cell(1, 0), QStringLiteral("企业名称"));
    }

    void failedOpenKeepsTheGridAndFreesTheButton() {
        MakeDataFolder(37);
        ui::MainQueries queries;
        queries.BindAll();
        QFileDialog dialog;
        ui::PageContext context{queries, dialog};
        naming::NamingPage page(context, nullptr);
        FillOwner(page);
        page.onSearchClicked();
        QCOMPARE(FilledRows(page), 37);
        // The character table goes away: the next open fails.
        sqlite3* handle = nullptr;
        const std::string db = store::BuildConnectionString(store::DataFile::Vudazod);
        queries.candidateResult.Close();
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
        QVERIFY(page.searchButton_->isEnabled());
        QCOMPARE(FilledRows(page), 37);
    }

    void messagesStopTheSearch() {
        MakeDataFolder(37);
        ui::MainQueries queries;
        queries.BindAll();
        QFileDialog dialog;
        ui::PageContext context{queries, dialog};
        naming::NamingPage page(context, nullptr);
        page.WriteGridHeader();
        FillOwner(page);
        page.fixedCharEdits_[1]->setText(QStringLiteral("天"));
        QList<testing::BoxSeen> seen;
        {
            testing::ModalResponder responder(
                [&](QWidget* modal) { testing::CloseBox(modal, seen); });
            page.searchButton_->click();  // both positions of a two-character body fixed
            page.exportButton_->click();  // nothing to export yet
        }
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].title, QStringLiteral("信息提示"));
        QCOMPARE(seen[0].text, QStringLiteral("二字名不能同时固定两个字！"));
        QCOMPARE(seen[1].text, QStringLiteral("没有可导出的数据!"));
        QVERIFY(!queries.candidateResult.IsOpen());
        QCOMPARE(FilledRows(page), 0);
    }

    void exportWritesTheGridAsAWorkbook() {
        MakeDataFolder(37);
        ui::MainQueries queries;
        queries.BindAll();
        QFileDialog dialog;
        ui::PageContext context{queries, dialog};
        naming::NamingPage page(context, nullptr);
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
        QVERIFY(!page.ExportGrid(dir_.filePath(QStringLiteral("no/such/folder/x.xlsx"))));
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
            QCOMPARE(window->owner_->sexBox_->currentText(),
                     QString::fromUtf8(std::string(c.sex) == "男" ? "男" : "女"));
            QCOMPARE(window->owner_->minuteBox_->currentText(), QString::fromUtf8(c.minute));
            window->show();

            naming::NameAnalysisInput input;
            input.Owner = window->owner_->ReadBirthInput();
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
            QCOMPARE(window->reportMemo_->Lines(), lines);
            QVERIFY(!window->reportMemo_->isReadOnly());
            window->close();
        }
    }
};

QTEST_MAIN(NamingPageTest)
#include "naming_page_test.moc"
