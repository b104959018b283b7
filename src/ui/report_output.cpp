#include "ui/report_output.h"

#include <QFileDialog>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPageRanges>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextLayout>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/report_file.h"
#include "ui/handler_guard.h"
#include "ui/page_context.h"
#include "ui/report_memo.h"

namespace velmora::ui {

void ShowMsg(const QString& text, QWidget* parent) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok,
                    parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void RenderReportLines(QPrinter& printer, const QStringList& lines, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&printer)) return;
    // The painter works in printer pixels with its origin at the top-left of
    // the printable area, i.e. inside the page margins.
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFont print_font(font, painter.device());
    painter.setFont(print_font);
    const double line_height = QFontMetricsF(print_font, painter.device()).lineSpacing();
    const int lines_per_page = std::max(1, static_cast<int>(area.height() / line_height));

    // Wrap every memo line to the page width; an empty line still takes a row.
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    struct Row {
        const QTextLayout* layout;
        int line;  // -1 for an empty memo line
    };
    std::vector<Row> rows;
    for (const QString& text : lines) {
        auto layout = std::make_unique<QTextLayout>(text, print_font, painter.device());
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine())
            line.setLineWidth(area.width());
        layout->endLayout();
        if (layout->lineCount() == 0) rows.push_back({layout.get(), -1});
        for (int i = 0; i < layout->lineCount(); ++i) rows.push_back({layout.get(), i});
        layouts.push_back(std::move(layout));
    }

    // Pages outside a range chosen in the print dialog are left out.
    const QPageRanges wanted = printer.pageRanges();
    const int page_count =
        std::max<int>(1, (static_cast<int>(rows.size()) + lines_per_page - 1) / lines_per_page);
    bool first_drawn = true;
    for (int page = 1; page <= page_count; ++page) {
        if (!wanted.isEmpty() && !wanted.contains(page)) continue;
        if (!first_drawn) printer.newPage();
        first_drawn = false;
        const int begin = (page - 1) * lines_per_page;
        const int end = std::min<int>(begin + lines_per_page, static_cast<int>(rows.size()));
        for (int r = begin; r < end; ++r) {
            if (rows[r].line < 0) continue;
            const QTextLine line = rows[r].layout->lineAt(rows[r].line);
            line.draw(&painter, QPointF(0, (r - begin) * line_height - line.y()));
        }
    }
    painter.end();
}

void PrintReportMemo(ReportMemo& memo) {
    if (IsBlankReport(memo.toPlainText().toStdString())) return;
    QPrinter& printer = memo.Printer();
    if (!memo.Confirm()(printer, memo.window())) return;
    RenderReportLines(printer, memo.Lines(), memo.font());
}

void PrepareSaveDialog(QFileDialog& dialog) {
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("文本文件 (*.txt)"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QString());
}

SharedSaveDialog::SharedSaveDialog(QWidget* parent) : parent_(parent) {}

SharedSaveDialog::~SharedSaveDialog() = default;

QFileDialog& SharedSaveDialog::Get() {
    if (!dialog_) {
        if (parent_) {
            dialog_ = new QFileDialog(parent_);
        } else {
            owned_ = std::make_unique<QFileDialog>();
            dialog_ = owned_.get();
        }
        PrepareSaveDialog(*dialog_);
    }
    return *dialog_;
}

QString SaveFailedText(const QString& path, const QString& reason) {
    return QStringLiteral("保存失败：") + path + QStringLiteral("（") + reason +
           QStringLiteral("）");
}

QString SavedText(const QString& path) { return QStringLiteral("已保存到 ") + path; }

void SaveReportMemo(ReportMemo& memo, const PageContext& context) {
    const QString path = SaveReportMemo(memo, context.saveDialog.Get(), memo.ReportName());
    if (!path.isEmpty()) context.ShowStatus(SavedText(path));
}

void ConnectPrintAndSave(QPushButton& print, QPushButton& save, ReportMemo& memo,
                         const PageContext& context) {
    QObject::connect(&print, &QPushButton::clicked, &memo,
                     Guarded([&memo] { PrintReportMemo(memo); }));
    QObject::connect(&save, &QPushButton::clicked, &memo,
                     Guarded([&memo, &context] { SaveReportMemo(memo, context); }));
}

QString SaveReportMemo(const QPlainTextEdit& memo, QFileDialog& dialog,
                       const QString& default_name) {
    const QString text = memo.toPlainText();
    if (IsBlankReport(text.toStdString())) return QString();
    dialog.setWindowTitle(QStringLiteral("保存"));
    // The proposal is the default name, unless it holds a character no file
    // name may hold; then the box is left to the "*.txt" filter and the user.
    const QString proposed = QString::fromStdString(ProposedSaveName(default_name.toStdString()));
    dialog.selectFile(proposed == QLatin1String("*.txt") ? QString() : proposed);
    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return QString();
    const std::string path = SavedReportPath(chosen.first().toStdString());
    QStringList pieces = text.split(QLatin1Char('\n'));
    // A text that ends with a line break has no further line after it.
    if (text.endsWith(QLatin1Char('\n'))) pieces.removeLast();
    std::vector<std::string> lines;
    for (const QString& line : pieces) lines.push_back(line.toStdString());
    std::string reason;
    if (!WriteReportFile(path, lines, &reason)) {
        ShowMsg(SaveFailedText(QString::fromStdString(path), QString::fromLocal8Bit(reason)),
                dialog.parentWidget());
        return QString();
    }
    return QString::fromStdString(path);
}

}  // namespace velmora::ui
