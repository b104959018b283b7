#pragma once
// The one message routine and the two things a report memo offers: printing
// it and saving it as a text file (GBK, CR LF).

#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>

class QFileDialog;
class QFont;
class QPlainTextEdit;
class QPrinter;
class QWidget;

class QPushButton;

namespace velmora::ui {

class ReportMemo;
struct PageContext;

// A modal box with the caption "提示", the information icon and one OK button.
void ShowMsg(const QString& text, QWidget* parent = nullptr);

// Prints the memo on its own paper and margins after the print dialog; a
// blank memo does nothing, and a cancelled dialog prints nothing.
void PrintReportMemo(ReportMemo& memo);

// Saves the memo through the save dialog: proposes default_name, appends
// ".txt" to a chosen name that lacks it, writes GBK with CR LF after every
// line. Returns the path written, or empty text when nothing was written: a
// blank memo or a cancel say nothing, a failed write shows SaveFailedText.
QString SaveReportMemo(const QPlainTextEdit& memo, QFileDialog& dialog,
                       const QString& default_name);

// Saves a page's memo under its report name through the page's save dialog
// and says where it went in the status strip.
void SaveReportMemo(ReportMemo& memo, const PageContext& context);

// Wires a report page's 打印 and 保存 buttons to its memo, each under the
// handler guard.
void ConnectPrintAndSave(QPushButton& print, QPushButton& save, ReportMemo& memo,
                         const PageContext& context);

// "保存失败：" with the path and the reason, the message of every failed save.
QString SaveFailedText(const QString& path, const QString& reason);
// The status-strip line after a successful save.
QString SavedText(const QString& path);

// Sets up the save dialog of a window: save mode, "文本文件 (*.txt)", no
// overwrite prompt, no default suffix.
void PrepareSaveDialog(QFileDialog& dialog);

// The save dialog the report memos of a window share, so a save starts in
// the folder of the one before. It is made, and set up by PrepareSaveDialog,
// when first asked for: building a file dialog takes longer than building a
// whole page, and most runs of the program save nothing.
class SharedSaveDialog {
  public:
    // The dialog's parent; without one the dialog belongs to this object.
    explicit SharedSaveDialog(QWidget* parent = nullptr);
    ~SharedSaveDialog();
    SharedSaveDialog(const SharedSaveDialog&) = delete;
    SharedSaveDialog& operator=(const SharedSaveDialog&) = delete;

    QFileDialog& Get();

  private:
    QWidget* parent_;
    QPointer<QFileDialog> dialog_;
    std::unique_ptr<QFileDialog> owned_;  // the dialog when there is no parent
};

// Draws the lines on the printer's pages, wrapping long lines and breaking
// pages where the printable area ends.
void RenderReportLines(QPrinter& printer, const QStringList& lines, const QFont& font);

}  // namespace velmora::ui
