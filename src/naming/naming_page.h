#pragma once
// The naming page (公司取名): the owner-and-name strip and the result grid.

#include <QWidget>

#include "shell/page_context.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace velmora::shell {
class OwnerPanel;
class StringGrid;
}  // namespace velmora::shell

namespace velmora::naming {

class NamingPage : public QWidget {
    Q_OBJECT
  public:
    NamingPage(shell::PageContext& context, QWidget* parent);

    // Writes the grid's header row; the main window calls it when it first shows.
    void WriteGridHeader();

    shell::OwnerPanel* Owner;  // Xing, NameB, CBsex, ComDate, SYear, SMonth, Sday, Shour, CBFen
    QLineEdit* NameBegin;      // region prefix, 100 bytes
    QLineEdit* Namezhi1;       // characters fixed at positions 1 to 4, 2 bytes each
    QLineEdit* Namezhi2;
    QLineEdit* Namezhi3;
    QLineEdit* Namezhi4;
    QComboBox* CBZS;         // 二字名 / 三字名 / 四字名
    QLineEdit* NameEnd;      // industry suffix, 100 bytes
    QPushButton* RzBitBtn5;  // 马上起名
    QPushButton* RzBitBtn2;  // 继续显示
    QPushButton* RzBitBtn4;  // 查看详细
    QPushButton* RzBitBtn3;  // 导出EXCEL
    shell::StringGrid* RzStringGrid1;
    QTextEdit* REbazi;  // hidden scratch buffer of the bazi report

    shell::PageContext& Context() { return context_; }

  public slots:
    // Enables the fixed-character edits up to the chosen name length; their
    // texts stay as they are.
    void CBZSChange();

  private:
    shell::PageContext& context_;
};

}  // namespace velmora::naming
