#pragma once
// The dream page (解梦大全): categories and titles on the left, the chosen
// interpretation on the right.

#include <QWidget>

#include "shell/page_context.h"

class QPlainTextEdit;
class QTreeWidget;

namespace velmora::tools {

class DreamPage : public QWidget {
    Q_OBJECT
  public:
    DreamPage(shell::PageContext& context, QWidget* parent);

    shell::PageContext& Context() { return context_; }

    QTreeWidget* TreeView;
    QPlainTextEdit* MemoJiemeng;

  private:
    shell::PageContext& context_;
};

}  // namespace velmora::tools
