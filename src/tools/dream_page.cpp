#include "tools/dream_page.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace velmora::tools {

DreamPage::DreamPage(ui::PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("dreamPage"));

    titleTree_ = new QTreeWidget(this);
    titleTree_->setObjectName(QStringLiteral("titleTree"));
    titleTree_->setGeometry(0, 0, 193, 452);
    titleTree_->setHeaderHidden(true);
    titleTree_->setColumnCount(1);
    titleTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    titleTree_->setSelectionMode(QAbstractItemView::SingleSelection);

    interpretationMemo_ = new QPlainTextEdit(this);
    interpretationMemo_->setObjectName(QStringLiteral("interpretationMemo"));
    interpretationMemo_->setReadOnly(true);
    interpretationMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    interpretationMemo_->setGeometry(197, 0, 591, 452);
}

}  // namespace velmora::tools
