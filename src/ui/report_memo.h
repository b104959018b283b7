#pragma once
// A read-only report memo with its own print set-up (paper and margins), and
// the adapter through which report writers fill it.

#include <QPageSize>
#include <QPlainTextEdit>
#include <QStringList>
#include <functional>
#include <memory>

#include "base/report_sink.h"

class QPrinter;

namespace velmora::ui {

class ReportMemo : public QPlainTextEdit {
    Q_OBJECT
  public:
    // Asked before printing; returns false when the user cancels. The default
    // shows the print dialog for the memo's printer.
    using PrintConfirm = std::function<bool(QPrinter& printer, QWidget* parent)>;

    // `reportName` is the report's own name: the print dialog proposes it as
    // the PDF file name and the save dialog as the text file name.
    ReportMemo(const QString& objectName, const QString& reportName, QPageSize::PageSizeId paper,
               QWidget* parent);
    ~ReportMemo() override;

    // The memo's lines as they stand, one entry per line.
    QStringList Lines() const;
    const QString& ReportName() const { return reportName_; }

    // The memo's print set-up: its paper with 12.7 mm margins on every side.
    QPrinter& Printer();
    void SetPrintConfirm(PrintConfirm confirm) { confirm_ = std::move(confirm); }
    const PrintConfirm& Confirm() const { return confirm_; }

  private:
    QString reportName_;
    std::unique_ptr<QPrinter> printer_;
    PrintConfirm confirm_;
};

// Lets a report writer fill any plain-text memo:
//   MemoSink sink(*reportMemo_); WriteNameAnalysis(..., sink);
class MemoSink : public ReportSink {
  public:
    explicit MemoSink(QPlainTextEdit& memo);
    void Clear() override;
    void AppendLine(std::string_view line) override;

  private:
    QPlainTextEdit& memo_;
    // An empty document cannot tell "no lines" from "one empty line"; the
    // sink remembers which it wrote, so a leading empty line is kept.
    bool has_lines_;
};

}  // namespace velmora::ui
