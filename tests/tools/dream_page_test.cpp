// The dream page: the tree appears when the page is first shown, choosing a
// category opens it and closes the others, a click on a title shows one memo
// line after four blanks, a category without titles, the search box, and a
// missing dream.db.

#include "tools/dream_page.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "../ui/test_support.h"
#include "app/main_window.h"
#include "dream_fixture.h"
#include "store/connection.h"
#include "ui/handler_guard.h"
#include "ui/report_output.h"

using velmora::testing::BoxSeen;
using velmora::testing::DreamFixture;
using velmora::testing::ModalResponder;
using velmora::testing::StoredDreamText;
using velmora::testing::Type;
using velmora::tools::DreamPage;

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// The interpretation the engine reads for a title from the data folder in use.
QString Interpretation(const std::string& title) {
    velmora::store::Query texts(
        velmora::store::BuildConnectionString(velmora::store::DataFile::Dream), 30);
    const auto text = velmora::tools::FindDreamText(texts, title);
    return text ? Utf8(*text) : QString();
}

velmora::tools::DreamTree BuiltTree() {
    const std::string file = velmora::store::BuildConnectionString(velmora::store::DataFile::Dream);
    velmora::store::Query categories(file, 30), titles(file, 30);
    return velmora::tools::LoadDreamTree(categories, titles);
}

// The tree widget as lines: "category:" then " title" for each shown child.
QStringList Shape(const QTreeWidget& tree) {
    QStringList lines;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* category = tree.topLevelItem(i);
        QString line = category->text(0) + QLatin1Char(':');
        for (int j = 0; j < category->childCount(); ++j)
            line += QLatin1Char(' ') + category->child(j)->text(0);
        lines << line;
    }
    return lines;
}

QTreeWidgetItem* Item(QTreeWidget& tree, const QString& text) {
    const auto found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

// Clicks a node where the user sees it; its category must be open.
void ClickNode(QTreeWidget& tree, QTreeWidgetItem* item) {
    QVERIFY(item);
    tree.scrollToItem(item);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree.visualItemRect(item).center());
}

// A page on the window's own query objects, bound to the data folder in use.
struct StandalonePage {
    StandalonePage() {
        queries.BindAll();
        page.resize(788, 452);
    }
    velmora::ui::MainQueries queries;
    velmora::ui::SharedSaveDialog saveDialog;
    velmora::ui::PageContext context{queries, saveDialog};
    DreamPage page{context, nullptr};
};

}  // namespace

class DreamPageTest : public QObject {
    Q_OBJECT

  private slots:
    void firstShowLoadsTheTreeAndAClickShowsOneLine() {
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("titleTree"));
        auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("interpretationMemo"));
        QVERIFY(tree && memo);
        QCOMPARE(tree->topLevelItemCount(), 0);  // not read before the page is shown

        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("dreamPageButton")),
                          Qt::LeftButton);
        QStringList expected;
        for (const auto& category : BuiltTree()) {
            QString line = Utf8(category.name) + QLatin1Char(':');
            for (const std::string& title : category.titles) line += QLatin1Char(' ') + Utf8(title);
            expected << line;
        }
        QCOMPARE(Shape(*tree), expected);
        QVERIFY(expected.size() >= 12);

        // Choosing a category opens it and closes the one open before.
        QTreeWidgetItem* people = tree->topLevelItem(0);
        QTreeWidgetItem* animals = Item(*tree, QStringLiteral("动物"));
        ClickNode(*tree, people);
        QVERIFY(people->isExpanded());
        ClickNode(*tree, animals);
        QVERIFY(animals->isExpanded());
        QVERIFY(!people->isExpanded());
        QVERIFY(memo->toPlainText().isEmpty());  // a category with titles shows no text

        ClickNode(*tree, Item(*tree, QStringLiteral("梦见蛇")));
        QCOMPARE(memo->blockCount(), 1);
        QCOMPARE(memo->toPlainText(), QStringLiteral("    ") + Interpretation("梦见蛇"));
        QVERIFY(memo->toPlainText().size() > 44);

        // Another title replaces the line; showing the page again keeps the tree.
        ClickNode(*tree, Item(*tree, QStringLiteral("梦见乌龟")));
        QCOMPARE(memo->toPlainText(), QStringLiteral("    ") + Interpretation("梦见乌龟"));
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("namingPageButton")),
                          Qt::LeftButton);
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("dreamPageButton")),
                          Qt::LeftButton);
        QVERIFY(animals->isExpanded());
        QCOMPARE(Shape(*tree), expected);
    }

    // Categories without titles run the text lookup with their own name: the
    // memo shows a text only when a dream bears that name. A quote in a title
    // reaches the query as data.
    void categoryWithoutTitlesAndQuotedTitle() {
        DreamFixture fixture({{1, "动物"}, {2, "其他"}, {3, "空类"}},
                             {{"1", "梦见蛇", StoredDreamText("蛇的说法")},
                              {"1", "梦见'鬼'", StoredDreamText("鬼的说法")},
                              {"1", "其他", StoredDreamText("与类同名的梦")}});
        StandalonePage standalone;
        standalone.page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&standalone.page));
        auto* tree = standalone.page.findChild<QTreeWidget*>(QStringLiteral("titleTree"));
        auto* memo =
            standalone.page.findChild<QPlainTextEdit*>(QStringLiteral("interpretationMemo"));
        QCOMPARE(Shape(*tree), (QStringList{QStringLiteral("动物: 梦见蛇 梦见'鬼' 其他"),
                                            QStringLiteral("其他:"), QStringLiteral("空类:")}));

        ClickNode(*tree, Item(*tree, QStringLiteral("动物")));
        ClickNode(*tree, Item(*tree, QStringLiteral("梦见'鬼'")));
        QCOMPARE(memo->toPlainText(), QStringLiteral("    鬼的说法"));
        ClickNode(*tree, tree->topLevelItem(1));
        QCOMPARE(memo->toPlainText(), QStringLiteral("    与类同名的梦"));
        ClickNode(*tree, tree->topLevelItem(2));
        QCOMPARE(memo->toPlainText(), QString());
        QCOMPARE(tree->currentItem(), tree->topLevelItem(2));

        // Enter on a chosen title does what a click does.
        tree->setFocus();
        tree->setCurrentItem(Item(*tree, QStringLiteral("梦见蛇")));
        QTest::keyClick(tree, Qt::Key_Return);
        QCOMPARE(memo->toPlainText(), QStringLiteral("    蛇的说法"));
    }

    void searchFiltersTheTreeAndEnterShowsTheFirstMatch() {
        velmora::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("dreamPageButton")),
                          Qt::LeftButton);
        auto* search = window.findChild<QLineEdit*>(QStringLiteral("dreamSearchEdit"));
        auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("titleTree"));
        auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("interpretationMemo"));
        const QStringList whole = Shape(*tree);

        Type(search, QStringLiteral("蛇"));
        QCOMPARE(Shape(*tree), QStringList{QStringLiteral("动物: 梦见蛇 梦见蟒蛇 梦见白蛇")});
        QVERIFY(tree->topLevelItem(0)->isExpanded());
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("梦见蛇"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("    ") + Interpretation("梦见蛇"));

        // A category's name keeps all its titles; a title elsewhere joins it.
        search->clear();
        Type(search, QStringLiteral("食物"));
        const QStringList food = Shape(*tree);
        QCOMPARE(food.size(), 1);
        QVERIFY(food.first().startsWith(QStringLiteral("食物: 梦见吃肉 梦见鸡蛋")));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 20);

        // Nothing matches: an empty tree, and Enter keeps the memo.
        search->clear();
        Type(search, QStringLiteral("外星人"));
        QCOMPARE(tree->topLevelItemCount(), 0);
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(memo->toPlainText(), QStringLiteral("    ") + Interpretation("梦见蛇"));

        search->clear();
        QCOMPARE(Shape(*tree), whole);
        QVERIFY(!tree->topLevelItem(0)->isExpanded());
    }

    void missingDatabaseIsReported() {
        DreamFixture fixture({}, {});
        std::filesystem::remove(fixture.DatabasePath());
        QList<BoxSeen> seen;
        ModalResponder responder([&seen](QWidget* modal) { CloseBox(modal, seen); });
        StandalonePage standalone;
        standalone.page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&standalone.page));
        QTRY_COMPARE(seen.size(), 1);
        QVERIFY(seen.first().text.contains(QStringLiteral("dream.db")));
        QCOMPARE(standalone.page.findChild<QTreeWidget*>(QStringLiteral("titleTree"))
                     ->topLevelItemCount(),
                 0);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velmora::ui::ApplyProgramLook(app);
    DreamPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "dream_page_test.moc"
