#include "ui/report_memo.h"

#include <QFontDatabase>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

namespace velmora::ui {

namespace {

constexpr double kMarginMillimetres = 12.7;

bool AskWithPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

ReportMemo::ReportMemo(const QString& objectName, const QString& reportName,
                       QPageSize::PageSizeId paper, QWidget* parent)
    : QPlainTextEdit(parent),
      reportName_(reportName),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      confirm_(AskWithPrintDialog) {
    setObjectName(objectName);
    setReadOnly(true);
    // Reports line up columns with blanks counted in GBK bytes; a font whose
    // Chinese characters are exactly two Latin cells wide keeps them aligned.
    if (QFontDatabase::families().contains(QStringLiteral("WenQuanYi Zen Hei Mono"))) {
        QFont report_font(QStringLiteral("WenQuanYi Zen Hei Mono"));
        report_font.setPointSize(10);
        setFont(report_font);
    }
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    printer_->setPageLayout(QPageLayout(
        QPageSize(paper), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
    printer_->setDocName(reportName);
}

ReportMemo::~ReportMemo() = default;

QStringList ReportMemo::Lines() const { return toPlainText().split(QLatin1Char('\n')); }

QPrinter& ReportMemo::Printer() { return *printer_; }

MemoSink::MemoSink(QPlainTextEdit& memo) : memo_(memo), has_lines_(!memo.document()->isEmpty()) {}

void MemoSink::Clear() {
    memo_.clear();
    has_lines_ = false;
}

void MemoSink::AppendLine(std::string_view line) {
    QTextCursor cursor(memo_.document());
    cursor.movePosition(QTextCursor::End);
    if (has_lines_) cursor.insertBlock();
    cursor.insertText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    has_lines_ = true;
}

}  // namespace velmora::ui
