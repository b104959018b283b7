#include "tools/dream_page.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "ui/handler_guard.h"
#include "ui/jpeg_loader.h"
#include "ui/report_memo.h"
#include "ui/widget_factory.h"

namespace velmora::tools {
namespace {

// dream_nodes.jpg: four square pictures side by side, a category, a chosen
// category, a title and a chosen title.
constexpr int kNodePictures = 4;

// The picture at `first` for a node, the one after it for a selected node.
QIcon NodeIcon(const QImage& sheet, int first) {
    QIcon icon;
    if (sheet.isNull()) return icon;
    const int side = sheet.width() / kNodePictures;
    icon.addPixmap(QPixmap::fromImage(sheet.copy(first * side, 0, side, side)), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(sheet.copy((first + 1) * side, 0, side, side)),
                   QIcon::Selected);
    return icon;
}

}  // namespace

DreamPage::DreamPage(ui::PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("dreamPage"));
    const QImage nodes = ui::LoadAsset(QStringLiteral("dream_nodes.jpg"));
    categoryIcon_ = NodeIcon(nodes, 0);
    titleIcon_ = NodeIcon(nodes, 2);

    searchEdit_ = ui::MakeEdit(this, QStringLiteral("dreamSearchEdit"), 0, 0, 193);
    searchEdit_->setPlaceholderText(QStringLiteral("搜梦境，如：蛇、掉牙"));
    searchEdit_->setClearButtonEnabled(true);

    titleTree_ = new QTreeWidget(this);
    titleTree_->setObjectName(QStringLiteral("titleTree"));
    titleTree_->setGeometry(0, 25, 193, 427);
    titleTree_->setHeaderHidden(true);
    titleTree_->setColumnCount(1);
    titleTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    titleTree_->setSelectionMode(QAbstractItemView::SingleSelection);
    titleTree_->setIconSize(QSize(18, 18));
    // The chosen node keeps its highlight when the focus moves to the memo.
    QPalette palette = titleTree_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    titleTree_->setPalette(palette);

    interpretationMemo_ = new QPlainTextEdit(this);
    interpretationMemo_->setObjectName(QStringLiteral("interpretationMemo"));
    interpretationMemo_->setReadOnly(true);
    interpretationMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    interpretationMemo_->setGeometry(197, 0, 591, 452);

    // The press, not the release, counts as the click: choosing a category
    // closes the others, so the node under the mouse may have moved away by
    // the time the button comes up.
    connect(titleTree_, &QTreeWidget::itemPressed, this, [this](QTreeWidgetItem* item) {
        if (QApplication::mouseButtons() & Qt::LeftButton)
            ui::RunGuarded([&] { onTreeClicked(item); });
    });
    // Enter on the chosen node does the same for keyboard users.
    connect(titleTree_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ui::RunGuarded([&] { onTreeClicked(item); }); });
    connect(titleTree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        ui::RunGuarded([&] { onCurrentItemChanged(current); });
    });
    connect(searchEdit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { ui::RunGuarded([&] { onSearchTextChanged(text); }); });
    connect(searchEdit_, &QLineEdit::returnPressed, this,
            ui::Guarded([this] { onSearchReturnPressed(); }));
}

void DreamPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A failed read is shown, and tried again on the next showing.
    if (!loaded_) ui::RunGuarded([this] { LoadTree(); });
}

void DreamPage::LoadTree() {
    auto& queries = context_.queries;
    book_ = LoadDreamTree(queries.dreamCategories, queries.dreamTexts);
    loaded_ = true;
    if (searchEdit_->text().isEmpty())
        FillTree(book_, false);
    else
        searchEdit_->clear();  // refills the tree
}

void DreamPage::ShowInterpretation(const QString& title) {
    const auto text = FindDreamText(context_.queries.dreamTexts, title.trimmed().toStdString(),
                                    [] { QApplication::beep(); });
    ui::MemoSink sink(*interpretationMemo_);
    WriteDreamInterpretation(sink, text);
}

void DreamPage::FillTree(const DreamTree& tree, bool expanded) {
    titleTree_->clear();
    for (const DreamCategory& category : tree) {
        auto* node =
            new QTreeWidgetItem(titleTree_, QStringList(QString::fromStdString(category.name)));
        node->setIcon(0, categoryIcon_);
        for (const std::string& title : category.titles) {
            auto* leaf = new QTreeWidgetItem(node, QStringList(QString::fromStdString(title)));
            leaf->setIcon(0, titleIcon_);
        }
        node->setExpanded(expanded);
    }
}

void DreamPage::onTreeClicked(QTreeWidgetItem* item) {
    // A category with titles only opens; any other node shows the text of
    // the dream that bears its name.
    if (!item || item->childCount() > 0) return;
    ShowInterpretation(item->text(0));
}

void DreamPage::onCurrentItemChanged(QTreeWidgetItem* current) {
    if (!current || current->parent()) return;
    for (int i = 0; i < titleTree_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* category = titleTree_->topLevelItem(i);
        category->setExpanded(category == current);
    }
}

void DreamPage::onSearchTextChanged(const QString& text) {
    const std::string needle = text.trimmed().toStdString();
    FillTree(FilterDreamTree(book_, needle), !needle.empty());
}

void DreamPage::onSearchReturnPressed() {
    const std::string needle = searchEdit_->text().trimmed().toStdString();
    const auto title = FirstMatch(FilterDreamTree(book_, needle), needle);
    if (!title) {
        QApplication::beep();
        return;
    }
    const QString shown = QString::fromStdString(*title);
    const auto found = titleTree_->findItems(shown, Qt::MatchExactly | Qt::MatchRecursive);
    if (!found.isEmpty()) titleTree_->setCurrentItem(found.first());
    ShowInterpretation(shown);
}

}  // namespace velmora::tools
