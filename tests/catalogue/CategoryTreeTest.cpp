// The category tree: its ten categories, the nodes a scan adds, counts and removes, which
// categories end open, clicks and the pop-up's entries.
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "CategoryTree.h"
#include "ToolbarImageList.h"

using namespace morvane;
using K = ResourceKind;

namespace {
// What the scan of one file does: nodes, counted items, empty nodes gone; the keys left.
QStringList Scan(CategoryTree& tree, const QString& name, const QList<K>& items,
                 bool anyKind = true) {
    ScanOptions options;
    if (!anyKind) options.enabled.fill(false);
    tree.AddSourceFileNodes(name, options);
    for (const K kind : items) tree.CountItem(kind, name);
    tree.RemoveEmptySourceNodes();
    return tree.SourceNodeKeys();
}
}  // namespace

class CategoryTreeTest : public QObject {
    Q_OBJECT

  private:
    ToolbarImageList images_;

  private slots:
    // Nodes for every enabled kind, kept with their counts when they yielded; a rescan replaces
    // them, as does the scan of a name in another letter case or of a longer name beginning
    // with it (not the other way round); only the last three characters tell an empty node.
    void scansAddCountAndReplaceNodes() {
        QTreeWidget widget, other, odd;
        CategoryTree tree(widget, images_), names(other, images_), counts(odd, images_);
        for (CategoryTree* each : {&tree, &names, &counts})
            each->AddCategoryNodes(QStringLiteral("Αρχεία"));
        for (int i = 0; i < 10; ++i) widget.topLevelItem(i)->setExpanded(true);
        tree.AddSourceFileNodes(QStringLiteral("shell32.dll"), ScanOptions());
        QCOMPARE(tree.SourceNodeKeys().size(), 10);
        QCOMPARE(tree.Node("ICO#shell32.dll")->text(0), QStringLiteral("shell32.dll(0)"));
        QString open;
        for (int i = 0; i < 10; ++i) open += widget.topLevelItem(i)->isExpanded() ? u'1' : u'0';
        tree.ExpandScannedCategories();
        for (int i = 0; i < 10; ++i) open += widget.topLevelItem(i)->isExpanded() ? u'1' : u'0';
        QCOMPARE(open, QStringLiteral("0000000000") + "1111111100");
        for (const K kind : {K::ICO, K::ICO, K::ICO, K::BMP}) tree.CountItem(kind, "shell32.dll");
        tree.RemoveEmptySourceNodes();
        QCOMPARE(tree.SourceNodeKeys(), QStringList({"ICO#shell32.dll", "BMP#shell32.dll"}));
        QCOMPARE(QStringList({tree.Node("ICO#shell32.dll")->text(0),
                              tree.Node("BMP#shell32.dll")->text(0), tree.Node("ICO")->text(0)}),
                 QStringList({"shell32.dll(3)", "shell32.dll(1)", "Αρχεία ICO"}));
        QCOMPARE(tree.Node("ICO#shell32.dll")->parent(), tree.Node("ICO"));
        QCOMPARE(Scan(tree, "shell32.dll", {K::GIF}), QStringList({"GIF#shell32.dll"}));
        QVERIFY(Scan(tree, "shell32.dll", {}, false).isEmpty());
        ScanOptions two;
        two.enabled.fill(false);
        two.Enable(K::WAV, true), two.Enable(K::ANI, true);
        tree.AddSourceFileNodes(QStringLiteral("a.dll"), two);
        QCOMPARE(tree.SourceNodeKeys(), QStringList({"ANI#a.dll", "WAV#a.dll"}));

        Scan(names, "a.dll.bak", {K::ICO});
        Scan(names, "b.dll", {K::ICO});
        QCOMPARE(Scan(names, "a.dll", {K::BMP}), QStringList({"ICO#b.dll", "BMP#a.dll"}));
        QCOMPARE(Scan(names, "A.DLL", {K::JPG}), QStringList({"ICO#b.dll", "JPG#A.DLL"}));
        QCOMPARE(Scan(names, "A.DLL.bak", {K::ICO}),
                 QStringList({"ICO#b.dll", "ICO#A.DLL.bak", "JPG#A.DLL"}));

        Scan(counts, "odd(0x", {K::WAV});
        QCOMPARE(Scan(counts, "z(10).dll", QList<K>(10, K::AVI)),
                 QStringList({"WAV#odd(0x", "AVI#z(10).dll"}));
        QCOMPARE(counts.Node("WAV#odd(0x")->text(0), QStringLiteral("odd(0x(1)"));
        QCOMPARE(counts.Node("AVI#z(10).dll")->text(0), QStringLiteral("z(10).dll(10)"));
        QCOMPARE(odd.topLevelItemCount(), 10);  // category texts end in their kind
    }

    // A left click on a source node names it (a "#" in the name stays in it), on a category
    // nothing; a right click shows the entries the selection allows and keeps the selection.
    void clicksAndThePopUp() {
        QTreeWidget widget;
        CategoryTree tree(widget, images_);
        tree.AddCategoryNodes(QStringLiteral("Αρχεία"));
        QMenu hideMenu;
        QList<QAction*> entries;
        for (const char* name : {"remove_node_item", "clear_node_category", "clear_node"})
            (entries << hideMenu.addAction(name)).last()->setObjectName(name);
        tree.SetPopupMenu(&hideMenu);
        Scan(tree, "my#file.dll", {K::ICO});
        tree.ExpandScannedCategories();
        widget.resize(300, 400);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QSignalSpy clicked(&tree, &CategoryTree::SourceNodeClicked);
        const auto click = [&](const char* key, Qt::MouseButton button = Qt::LeftButton) {
            QTest::mouseClick(widget.viewport(), button, {},
                              widget.visualItemRect(tree.Node(key)).center());
        };
        click("ICO#my#file.dll");
        click("CUR");
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().at(0).value<ResourceKind>(), ResourceKind::ICO);
        QCOMPARE(clicked.first().at(1).toString(), QStringLiteral("my#file.dll"));
        const auto visibleAfterRightClickOn = [&](const char* key) {
            click(key, Qt::RightButton);
            [&] { QTRY_VERIFY(hideMenu.isVisible()); }();
            hideMenu.hide();
            QString shown;
            for (QAction* entry : entries) shown += entry->isVisible() ? u'1' : u'0';
            return shown;
        };
        widget.clearSelection();
        QCOMPARE(visibleAfterRightClickOn("ICO"), QStringLiteral("001"));
        widget.setCurrentItem(tree.Node("ICO#my#file.dll"));
        QCOMPARE(visibleAfterRightClickOn("CUR"), QStringLiteral("101"));
        QCOMPARE(widget.currentItem(), tree.Node("ICO#my#file.dll"));
        widget.setCurrentItem(tree.Node("GIF"));
        QCOMPARE(visibleAfterRightClickOn("ICO#my#file.dll"), QStringLiteral("011"));
    }
};

QTEST_MAIN(CategoryTreeTest)
#include "CategoryTreeTest.moc"
