#pragma once
// The dream page (解梦大全): a search box over the tree of categories and
// dream titles on the left, the chosen interpretation on the right.
//
// The tree is read from dream.db the first time the page is shown and kept
// as a DreamTree; the search box rebuilds the tree widget from that value
// without another query. A click on a title looks its interpretation up and
// shows it as one memo line.

#include <QIcon>
#include <QWidget>

#include "tools/dream_book.h"
#include "ui/page_context.h"

class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora::tools {

class DreamPage : public QWidget {
    Q_OBJECT
  public:
    DreamPage(ui::PageContext& context, QWidget* parent);

    // Reads every category and title from dream.db and shows the whole tree;
    // the search box is emptied. Raises DatabaseError.
    void LoadTree();
    // Shows the interpretation of the dream titled `title` in the memo, or
    // leaves the memo empty when no dream has that title. Raises DatabaseError.
    void ShowInterpretation(const QString& title);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onTreeClicked(QTreeWidgetItem* item);
    void onCurrentItemChanged(QTreeWidgetItem* current);
    void onSearchTextChanged(const QString& text);
    void onSearchReturnPressed();
    // Rebuilds the tree widget from `tree`; `expanded` opens every category,
    // so that search results show at once.
    void FillTree(const DreamTree& tree, bool expanded);

    ui::PageContext& context_;
    DreamTree book_;
    bool loaded_ = false;
    QIcon categoryIcon_;  // with the open-book picture for a selected category
    QIcon titleIcon_;     // with the moon-and-star picture for a selected title

    QLineEdit* searchEdit_;
    QTreeWidget* titleTree_;
    QPlainTextEdit* interpretationMemo_;
};

}  // namespace velmora::tools
