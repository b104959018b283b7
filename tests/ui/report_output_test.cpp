// Report output: the memo adapter, saving (names, GBK bytes with CR LF,
// silence on failure) and printing (paper, margins, pages) read back from PDF.

#include "ui/report_output.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

#include "app/main_window.h"
#include "bazi/bazi_page.h"
#include "calendar/almanac_page.h"
#include "calendar/opening_day_page.h"
#include "naming/analysis_page.h"
#include "test_support.h"
#include "ui/handler_guard.h"
#include "ui/report_memo.h"

using velmora::testing::Child;

using velmora::app::MainWindow;
using velmora::testing::ModalResponder;
using velmora::ui::MemoSink;
using velmora::ui::ReportMemo;

namespace {

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void Fill(QPlainTextEdit& memo, const QStringList& lines) {
    MemoSink sink(memo);
    sink.Clear();
    for (const QString& line : lines) sink.AppendLine(line.toStdString());
}

// Answers the save dialog: checks its title, then types `name` into the
// given folder (an empty name keeps the proposal) or cancels.
struct SaveAnswer {
    SaveAnswer(QString in_folder, QString in_name, bool in_cancel = false)
        : folder(std::move(in_folder)), name(std::move(in_name)), cancel(in_cancel) {}

    QString folder;
    QString name;
    bool cancel = false;
    int dialogs = 0;
    int other_boxes = 0;
    QString proposed;
    QStringList messages;  // the texts of the other boxes

    void operator()(QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            ++other_boxes;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) messages << box->text();
            if (auto* plain = qobject_cast<QDialog*>(modal)) plain->reject();
            return;
        }
        ++dialogs;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("保存"));
        QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("文本文件 (*.txt)")});
        proposed = dialog->selectedFiles().value(0);
        if (cancel) {
            dialog->reject();
            return;
        }
        if (!folder.isEmpty()) dialog->setDirectory(folder);
        if (!name.isEmpty()) {
            // Typed into the name box, as a user would.
            auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(box);
            box->setText(name);
        }
        static_cast<QDialog*>(dialog)->accept();
    }
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ReportOutputTest : public QObject {
    Q_OBJECT

  private slots:
    void sinkKeepsEveryLine() {
        QPlainTextEdit memo;
        memo.setPlainText(QStringLiteral("旧内容"));
        Fill(memo, {"", "企业法人基本信息：", "", "姓名：张三", ""});
        QCOMPARE(memo.toPlainText(), QStringLiteral("\n企业法人基本信息：\n\n姓名：张三\n"));
    }

    void savedFileName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("with extension") << "a.txt"
                                        << "a.txt";
        QTest::newRow("upper-case extension") << "报告.TXT"
                                              << "报告.TXT";
        QTest::newRow("without extension") << "a"
                                           << "a.txt";
        QTest::newRow("proposal kept") << ""
                                       << "开业吉日.txt";
    }
    void savedFileName() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QTemporaryDir folder;
        MainWindow window;
        Fill(*Child<velmora::ui::ReportMemo>(
                 Child<velmora::calendar::OpeningDayPage>(window, "openingDayPage"), "reportMemo"),
             {"开业吉日：2026-12-18"});
        SaveAnswer answer{folder.path(), typed};
        ModalResponder responder(std::ref(answer));
        QTest::mouseClick(
            Child<QPushButton>(Child<velmora::calendar::OpeningDayPage>(window, "openingDayPage"),
                               "saveButton"),
            Qt::LeftButton);  // 保存
        QCOMPARE(answer.dialogs, 1);
        QCOMPARE(QFileInfo(answer.proposed).fileName(), QStringLiteral("开业吉日"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
        // The status strip says where the report went.
        const auto* strip = window.findChild<QLabel*>(QStringLiteral("statusStrip"));
        QVERIFY(strip);
        QCOMPARE(strip->text(),
                 QStringLiteral("已保存到 ") + QDir(folder.path()).filePath(written));
    }

    // The window starts without a file dialog; the first save makes the one
    // every page then shares, so the next save opens where the last one went.
    void saveDialogIsMadeOnFirstSaveAndShared() {
        QTemporaryDir folder;
        MainWindow window;
        QVERIFY(window.findChildren<QFileDialog*>().isEmpty());
        auto* opening = Child<velmora::calendar::OpeningDayPage>(window, "openingDayPage");
        auto* bazi = Child<velmora::bazi::BaziPage>(window, "baziPage");
        Fill(*Child<ReportMemo>(opening, "reportMemo"), {"开业吉日：2026-12-18"});
        Fill(*Child<ReportMemo>(bazi, "reportMemo"), {"八字：甲子"});
        SaveAnswer answer{folder.path(), QString()};
        ModalResponder responder(std::ref(answer));
        QTest::mouseClick(Child<QPushButton>(opening, "saveButton"), Qt::LeftButton);
        const QList<QFileDialog*> made = window.findChildren<QFileDialog*>();
        QCOMPARE(made.size(), 1);
        QCOMPARE(made[0]->objectName(), QStringLiteral("saveDialog"));

        answer.folder.clear();  // the dialog is left in the folder it had
        QTest::mouseClick(Child<QPushButton>(bazi, "saveButton"), Qt::LeftButton);
        QCOMPARE(answer.dialogs, 2);
        QCOMPARE(window.findChildren<QFileDialog*>(), made);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("八字分析.txt"), QStringLiteral("开业吉日.txt")}));
    }

    void failedSaveSaysWhereAndWhy() {
        QTemporaryDir folder;
        QPlainTextEdit memo;
        Fill(memo, {"x"});
        QFileDialog dialog;
        velmora::ui::PrepareSaveDialog(dialog);
        SaveAnswer answer{folder.path(), "missing/a"};
        ModalResponder responder(std::ref(answer));
        const QString saved =
            velmora::ui::SaveReportMemo(memo, dialog, QStringLiteral("企业名称分析"));
        QVERIFY(saved.isEmpty());
        QCOMPARE(answer.messages.size(), 1);
        const QString path = QDir(folder.path()).filePath("missing/a.txt");
        QCOMPARE(answer.messages[0], QStringLiteral("保存失败：") + path + QStringLiteral("（") +
                                         QString::fromLocal8Bit(std::strerror(ENOENT)) +
                                         QStringLiteral("）"));
    }

    void memoEndingWithALineBreakGainsNoEmptyLine() {
        QTemporaryDir folder;
        QPlainTextEdit memo;
        memo.setPlainText(QStringLiteral("甲\n\nb\n"));
        QFileDialog dialog;
        velmora::ui::PrepareSaveDialog(dialog);
        SaveAnswer answer{folder.path(), "r"};
        ModalResponder responder(std::ref(answer));
        velmora::ui::SaveReportMemo(memo, dialog, QStringLiteral("八字分析"));
        QCOMPARE(ReadAll(QDir(folder.path()).filePath("r.txt")),
                 QByteArray("\xBC\xD7\r\n\r\nb\r\n"));
    }

    void savedBytesAreGbkWithCrLfAndReplaceTheFile() {
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath("r.txt");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500, 'x'));
        old.close();

        QPlainTextEdit memo;
        Fill(memo, {"甲子年", "", "ab 12"});
        QFileDialog dialog;
        velmora::ui::PrepareSaveDialog(dialog);
        SaveAnswer answer{folder.path(), "r"};
        ModalResponder responder(std::ref(answer));
        velmora::ui::SaveReportMemo(memo, dialog, QStringLiteral("八字分析"));
        // 甲 BC D7, 子 D7 D3, 年 C4 EA in GBK.
        QCOMPARE(ReadAll(path), QByteArray("\xBC\xD7\xD7\xD3\xC4\xEA\r\n\r\nab 12\r\n"));
    }

    void nothingHappens_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("blank memo") << QStringList{"  ", "", "\t "} << "a" << false << 0;
        QTest::newRow("cancelled") << QStringList{"x"} << "a" << true << 1;
    }
    void nothingHappens() {
        QFETCH(QStringList, lines);
        QFETCH(QString, name);
        QFETCH(bool, cancel);
        QFETCH(int, dialogs);
        QTemporaryDir folder;
        QPlainTextEdit memo;
        Fill(memo, lines);
        const QString before = memo.toPlainText();
        QFileDialog dialog;
        velmora::ui::PrepareSaveDialog(dialog);
        SaveAnswer answer{folder.path(), name, cancel};
        ModalResponder responder(std::ref(answer));
        velmora::ui::SaveReportMemo(memo, dialog, QStringLiteral("企业名称分析"));
        QCOMPARE(answer.dialogs, dialogs);
        QCOMPARE(answer.other_boxes, 0);
        QVERIFY(QDir(folder.path())
                    .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)
                    .isEmpty());
        QCOMPARE(memo.toPlainText(), before);
    }

    void printButtonsUseTheMemosPaper_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("paper");  // as pdfinfo names it
        // The document name, which the print dialog proposes as the PDF's file name.
        QTest::addColumn<QString>("document");
        QTest::newRow("analysis 打印") << "analysisPage"
                                       << "letter" << QStringLiteral("企业名称分析");
        QTest::newRow("bazi 打印") << "baziPage"
                                   << "letter" << QStringLiteral("八字分析");
        QTest::newRow("almanac 打印") << "almanacPage"
                                      << "letter" << QStringLiteral("本日黄历");
        QTest::newRow("opening day 打印") << "openingDayPage"
                                          << "A4" << QStringLiteral("开业吉日");
    }
    void printButtonsUseTheMemosPaper() {
        QFETCH(QString, page);
        QFETCH(QString, paper);
        QFETCH(QString, document);
        MainWindow window;
        ReportMemo* memo = nullptr;
        QPushButton* print = nullptr;
        if (page == "analysisPage")
            memo = Child<velmora::ui::ReportMemo>(
                Child<velmora::naming::AnalysisPage>(window, "analysisPage"), "reportMemo"),
            print = Child<QPushButton>(Child<velmora::naming::AnalysisPage>(window, "analysisPage"),
                                       "printButton");
        if (page == "baziPage")
            memo = Child<velmora::ui::ReportMemo>(
                Child<velmora::bazi::BaziPage>(window, "baziPage"), "reportMemo"),
            print = Child<QPushButton>(Child<velmora::bazi::BaziPage>(window, "baziPage"),
                                       "printButton");
        if (page == "almanacPage")
            memo = Child<velmora::ui::ReportMemo>(
                Child<velmora::calendar::AlmanacPage>(window, "almanacPage"), "entryMemo"),
            print = Child<QPushButton>(Child<velmora::calendar::AlmanacPage>(window, "almanacPage"),
                                       "printButton");
        if (page == "openingDayPage")
            memo = Child<velmora::ui::ReportMemo>(
                Child<velmora::calendar::OpeningDayPage>(window, "openingDayPage"), "reportMemo"),
            print = Child<QPushButton>(
                Child<velmora::calendar::OpeningDayPage>(window, "openingDayPage"), "printButton");
        QVERIFY(memo && print);

        QTemporaryDir folder;
        const QString pdf = QDir(folder.path()).filePath("out.pdf");
        QString proposed;
        memo->SetPrintConfirm([&pdf, &proposed](QPrinter& printer, QWidget*) {
            proposed = printer.docName();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        Fill(*memo, {"企业法人基本信息：", "", "姓名：张三丰"});
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(proposed, document);

        const QString info = RunTool("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression("Page size:.*\\(" + paper + "\\)")),
                 qPrintable(info));
        const QString text = RunTool("pdftotext", {"-layout", pdf, "-"});
        QVERIFY2(text.contains(QStringLiteral("企业法人基本信息：")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("姓名：张三丰")));

        // 12.7 mm = 36 pt: the text starts at the left and top margins.
        const QString boxes = RunTool("pdftotext", {"-bbox", pdf, "-"});
        const QRegularExpression word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"");
        const auto first = word.match(boxes);
        QVERIFY2(first.hasMatch(), qPrintable(boxes));
        QVERIFY(qAbs(first.captured(1).toDouble() - 36.0) < 2.0);
        QVERIFY(first.captured(2).toDouble() >= 35.0 && first.captured(2).toDouble() < 50.0);
    }

    void longReportBreaksPages() {
        ReportMemo memo(QStringLiteral("reportMemo"), QStringLiteral("八字分析"), QPageSize::A4,
                        nullptr);
        QStringList lines;
        for (int i = 1; i <= 150; ++i) lines << QStringLiteral("第%1行 流年小运").arg(i);
        lines << QString(200, QChar(0x5409));  // one line far wider than the page wraps
        Fill(memo, lines);
        QTemporaryDir folder;
        const QString pdf = QDir(folder.path()).filePath("long.pdf");
        memo.SetPrintConfirm([&pdf](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        velmora::ui::PrintReportMemo(memo);
        const QString info = RunTool("pdfinfo", {pdf});
        const auto pages = QRegularExpression("Pages:\\s+(\\d+)").match(info);
        QVERIFY(pages.hasMatch());
        QVERIFY(pages.captured(1).toInt() >= 3);
        const QString text = RunTool("pdftotext", {pdf, "-"});
        QVERIFY(text.contains(QStringLiteral("第1行 流年小运")));
        QVERIFY(text.contains(QStringLiteral("第150行 流年小运")));
        QCOMPARE(text.count(QChar(0x5409)), 200);  // nothing of the wrapped line is lost

        // A page range chosen in the dialog prints just those pages.
        const QString second = QDir(folder.path()).filePath("second.pdf");
        memo.SetPrintConfirm([&second](QPrinter& printer, QWidget*) {
            printer.setOutputFileName(second);
            printer.setFromTo(2, 2);
            return true;
        });
        velmora::ui::PrintReportMemo(memo);
        QVERIFY(RunTool("pdfinfo", {second}).contains(QRegularExpression("Pages:\\s+1\\n")));
        const QString page_two = RunTool("pdftotext", {second, "-"});
        QVERIFY(!page_two.contains(QStringLiteral("第1行 流年小运")));
        QVERIFY(!page_two.isEmpty());
    }

    void printNothing_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("asked");
        QTest::newRow("blank memo") << QStringList{" ", "", " \t"} << true << 0;
        QTest::newRow("cancelled dialog") << QStringList{"x"} << false << 1;
    }
    void printNothing() {
        QFETCH(QStringList, lines);
        QFETCH(bool, confirm);
        QFETCH(int, asked);
        ReportMemo memo(QStringLiteral("entryMemo"), QStringLiteral("本日黄历"), QPageSize::Letter,
                        nullptr);
        Fill(memo, lines);
        QTemporaryDir folder;
        const QString pdf = QDir(folder.path()).filePath("none.pdf");
        int calls = 0;
        memo.SetPrintConfirm([&](QPrinter& printer, QWidget*) {
            ++calls;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return confirm;
        });
        velmora::ui::PrintReportMemo(memo);
        QCOMPARE(calls, asked);
        QVERIFY(!QFile::exists(pdf));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velmora::ui::ApplyProgramLook(app);
    ReportOutputTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "report_output_test.moc"
