#pragma once
// The one message routine and the two things a report memo offers: printing
// it and saving it as a text file (GBK, CR LF).

#include <QString>
#include <QStringList>

class QFileDialog;
class QFont;
class QPlainTextEdit;
class QPrinter;
class QWidget;

namespace velmora::ui {

class ReportMemo;

// A modal box with the caption "提示", the information icon and one OK button.
void ShowMsg(const QString& text, QWidget* parent = nullptr);

// Prints the memo on its own paper and margins after the print dialog; a
// blank memo does nothing, and a cancelled dialog prints nothing.
void PrintReportMemo(ReportMemo& memo);

// Saves the memo through the save dialog: proposes default_name, always
// appends ".txt" to the chosen name, writes GBK with CR LF after every line.
// A blank memo, a cancel or a failed write changes nothing and says nothing.
void SaveReportMemo(const QPlainTextEdit& memo, QFileDialog& dialog, const QString& default_name);

// Sets up the save dialog of a window: save mode, "文本文件 (*.txt)", no
// overwrite prompt, no default suffix.
void PrepareSaveDialog(QFileDialog& dialog);

// Draws the lines on the printer's pages, wrapping long lines and breaking
// pages where the printable area ends.
void RenderReportLines(QPrinter& printer, const QStringList& lines, const QFont& font);

}  // namespace velmora::ui
