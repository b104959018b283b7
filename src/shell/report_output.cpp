#include "shell/report_output.h"

#include <QFileDialog>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextLayout>
#include <string>
#include <vector>

#include "base/report_file.h"
#include "shell/report_memo.h"

namespace velmora::shell {

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
    const double width = area.width();
    const double height = area.height();
    QFont print_font(font, painter.device());
    painter.setFont(print_font);
    const QFontMetricsF metrics(print_font, painter.device());
    const double line_height = metrics.lineSpacing();

    double y = 0;
    for (const QString& text : lines) {
        QTextLayout layout(text, print_font, painter.device());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
        }
        layout.endLayout();
        const int count = std::max(1, layout.lineCount());
        for (int i = 0; i < count; ++i) {
            if (y + line_height > height && y > 0) {
                printer.newPage();
                y = 0;
            }
            if (i < layout.lineCount()) {
                QTextLine line = layout.lineAt(i);
                line.draw(&painter, QPointF(0, y - line.y()));
            }
            y += line_height;
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
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("文本文件 (*.txt)"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QString());
}

void SaveReportMemo(const QPlainTextEdit& memo, QFileDialog& dialog, const QString& default_name) {
    const QString text = memo.toPlainText();
    if (IsBlankReport(text.toStdString())) return;
    dialog.setWindowTitle(QStringLiteral("保存"));
    // The proposal is the default name, unless it holds a character no file
    // name may hold; then the box is left to the "*.txt" filter and the user.
    const QString proposed = QString::fromStdString(ProposedSaveName(default_name.toStdString()));
    dialog.selectFile(proposed == QLatin1String("*.txt") ? QString() : proposed);
    if (dialog.exec() != QDialog::Accepted) return;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return;
    const std::string path = SavedReportPath(chosen.first().toStdString());
    std::vector<std::string> lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(line.toStdString());
    WriteReportFile(path, lines);  // a failed write is abandoned without a word
}

}  // namespace velmora::shell
