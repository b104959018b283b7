#pragma once
// The dream page (解梦大全): categories and titles on the left, the chosen
// interpretation on the right.

#include <QWidget>

#include "ui/page_context.h"

class QPlainTextEdit;
class QTreeWidget;

namespace velmora::tools {

class DreamPage : public QWidget {
    Q_OBJECT
  public:
    DreamPage(ui::PageContext& context, QWidget* parent);

    ui::PageContext& Context() { return context_; }

    QTreeWidget* titleTree_;
    QPlainTextEdit* interpretationMemo_;

  private:
    ui::PageContext& context_;
};

}  // namespace velmora::tools
