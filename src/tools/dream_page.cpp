#include "tools/dream_page.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace velmora::tools {

DreamPage::DreamPage(shell::PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("TabSheet6"));

    TreeView = new QTreeWidget(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setGeometry(0, 0, 193, 452);
    TreeView->setHeaderHidden(true);
    TreeView->setColumnCount(1);
    TreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView->setSelectionMode(QAbstractItemView::SingleSelection);

    MemoJiemeng = new QPlainTextEdit(this);
    MemoJiemeng->setObjectName(QStringLiteral("MemoJiemeng"));
    MemoJiemeng->setReadOnly(true);
    MemoJiemeng->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoJiemeng->setGeometry(197, 0, 591, 452);
}

}  // namespace velmora::tools
