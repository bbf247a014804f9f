// The category tree: its ten categories, the nodes a scan adds, counts and removes, which
// categories end open, and the pop-up's entries.
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "CategoryTree.h"
#include "ToolbarImageList.h"

using morvane::CategoryTree;
using morvane::ResourceKind;
using morvane::ScanOptions;

class CategoryTreeTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture {
        morvane::ToolbarImageList images;
        QTreeWidget widget;
        CategoryTree tree{widget, images};
        Fixture() { tree.AddCategoryNodes(QStringLiteral("Αρχεία")); }

        QString Text(const QString& key) const {
            const QTreeWidgetItem* node = tree.Node(key);
            return node == nullptr ? QStringLiteral("<none>") : node->text(0);
        }
        // What the scan of one file does to the tree: nodes, counted items, empty nodes gone.
        void Scan(const QString& name, const QList<ResourceKind>& items,
                  const ScanOptions& options = ScanOptions()) {
            tree.AddSourceFileNodes(name, options);
            for (const ResourceKind kind : items) tree.CountItem(kind, name);
            tree.RemoveEmptySourceNodes();
        }
    };

    static ScanOptions NothingEnabled() {
        ScanOptions options;
        options.enabled.fill(false);
        return options;
    }

  private slots:
    // A scan adds a node for every enabled kind, keeps those that yielded with their counts, and
    // a rescan replaces them; with every kind off, the old nodes go and none come.
    void aScanKeepsOnlyKindsThatYieldedAndCountsThem() {
        Fixture f;
        f.tree.AddSourceFileNodes(QStringLiteral("shell32.dll"), ScanOptions());
        QCOMPARE(f.tree.SourceNodeKeys().size(), 10);
        QCOMPARE(f.Text("ICO#shell32.dll"), QStringLiteral("shell32.dll(0)"));
        for (int i = 0; i < 3; ++i)
            f.tree.CountItem(ResourceKind::ICO, QStringLiteral("shell32.dll"));
        f.tree.CountItem(ResourceKind::BMP, QStringLiteral("shell32.dll"));
        f.tree.RemoveEmptySourceNodes();
        QCOMPARE(f.tree.SourceNodeKeys(), QStringList({"ICO#shell32.dll", "BMP#shell32.dll"}));
        QCOMPARE(f.Text("ICO#shell32.dll"), QStringLiteral("shell32.dll(3)"));
        QCOMPARE(f.Text("BMP#shell32.dll"), QStringLiteral("shell32.dll(1)"));
        QCOMPARE(f.tree.Node("ICO#shell32.dll")->parent(), f.tree.Node("ICO"));
        QVERIFY(f.tree.Node("ICO#shell32.dll")->icon(0).isNull());
        QCOMPARE(f.Text("ICO"), QStringLiteral("Αρχεία ICO"));
        QVERIFY(!f.tree.Node("ICO")->icon(0).isNull());

        f.Scan(QStringLiteral("shell32.dll"), {ResourceKind::GIF});
        QCOMPARE(f.tree.SourceNodeKeys(), QStringList({"GIF#shell32.dll"}));
        QCOMPARE(f.Text("GIF#shell32.dll"), QStringLiteral("shell32.dll(1)"));
        f.Scan(QStringLiteral("shell32.dll"), {}, NothingEnabled());
        QVERIFY(f.tree.SourceNodeKeys().isEmpty());
        ScanOptions options = NothingEnabled();
        options.Enable(ResourceKind::WAV, true);
        options.Enable(ResourceKind::ANI, true);
        f.tree.AddSourceFileNodes(QStringLiteral("a.dll"), options);
        QCOMPARE(f.tree.SourceNodeKeys(), QStringList({"ANI#a.dll", "WAV#a.dll"}));
    }

    void aNameTakesTheNodesOfNamesItBeginsIgnoringCase() {
        Fixture f;
        f.Scan(QStringLiteral("a.dll.bak"), {ResourceKind::ICO});
        f.Scan(QStringLiteral("b.dll"), {ResourceKind::ICO});
        f.Scan(QStringLiteral("a.dll"), {ResourceKind::BMP});
        QCOMPARE(f.tree.SourceNodeKeys(), QStringList({"ICO#b.dll", "BMP#a.dll"}));

        f.Scan(QStringLiteral("A.DLL"), {ResourceKind::JPG});
        QCOMPARE(f.tree.SourceNodeKeys(), QStringList({"ICO#b.dll", "JPG#A.DLL"}));

        // The other way round nothing goes: a.dll.bak's nodes do not begin a.dll's texts.
        f.Scan(QStringLiteral("A.DLL.bak"), {ResourceKind::ICO});
        QCOMPARE(f.tree.SourceNodeKeys(), QStringList({"ICO#b.dll", "ICO#A.DLL.bak", "JPG#A.DLL"}));
    }

    void aHashInTheNameStaysInTheName() {
        Fixture f;
        QSignalSpy clicked(&f.tree, &CategoryTree::SourceNodeClicked);
        f.Scan(QStringLiteral("my#file.dll"), {ResourceKind::ICO});
        QTreeWidgetItem* node = f.tree.Node(QStringLiteral("ICO#my#file.dll"));
        QVERIFY(node != nullptr);
        f.tree.ExpandScannedCategories();
        f.widget.show();
        QTest::mouseClick(f.widget.viewport(), Qt::LeftButton, {},
                          f.widget.visualItemRect(node).center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first(), QVariantList({"ICO", "my#file.dll"}));

        // A category node lists nothing.
        QTest::mouseClick(f.widget.viewport(), Qt::LeftButton, {},
                          f.widget.visualItemRect(f.tree.Node("CUR")).center());
        QCOMPARE(clicked.count(), 1);
    }

    void onlyTheLastThreeCharactersTellAnEmptyNode() {
        Fixture f;
        f.Scan(QStringLiteral("odd(0x"), {ResourceKind::WAV});
        QCOMPARE(f.Text("WAV#odd(0x"), QStringLiteral("odd(0x(1)"));
        f.tree.AddSourceFileNodes(QStringLiteral("z(10).dll"), ScanOptions());
        for (int i = 0; i < 10; ++i)
            f.tree.CountItem(ResourceKind::AVI, QStringLiteral("z(10).dll"));
        f.tree.RemoveEmptySourceNodes();
        QCOMPARE(f.tree.SourceNodeKeys(), QStringList({"WAV#odd(0x", "AVI#z(10).dll"}));
        QCOMPARE(f.Text("AVI#z(10).dll"), QStringLiteral("z(10).dll(10)"));
        // Category texts end in their kind and are never taken.
        QCOMPARE(f.widget.topLevelItemCount(), 10);
    }

    void scansCloseTheCategoriesAndOpenTheFirstEight() {
        Fixture f;
        for (int i = 0; i < 10; ++i) f.widget.topLevelItem(i)->setExpanded(true);
        f.tree.AddSourceFileNodes(QStringLiteral("a.dll"), ScanOptions());
        for (int i = 0; i < 10; ++i) QVERIFY(!f.widget.topLevelItem(i)->isExpanded());
        f.tree.ExpandScannedCategories();
        for (int i = 0; i < 10; ++i) QCOMPARE(f.widget.topLevelItem(i)->isExpanded(), i < 8);
    }

    void popUpEntriesFollowTheSelectedNode() {
        Fixture f;
        QMenu hideMenu;
        QList<QAction*> entries;
        for (const char* name : {"remove_node_item", "clear_node_category", "clear_node"}) {
            entries << hideMenu.addAction(QString::fromLatin1(name));
            entries.last()->setObjectName(QString::fromLatin1(name));
        }
        QAction *remove = entries[0], *category = entries[1], *all = entries[2];
        f.tree.SetPopupMenu(&hideMenu);
        f.Scan(QStringLiteral("a.dll"), {ResourceKind::ICO});
        f.tree.ExpandScannedCategories();
        f.widget.resize(300, 400);
        f.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.widget));

        auto rightClickOn = [&](const QString& key) {
            QTest::mouseClick(f.widget.viewport(), Qt::RightButton, {},
                              f.widget.visualItemRect(f.tree.Node(key)).center());
            QTRY_VERIFY(hideMenu.isVisible());
            hideMenu.hide();
        };

        // Nothing selected: only the entry that needs no node.
        rightClickOn(QStringLiteral("ICO"));
        QVERIFY(!remove->isVisible() && !category->isVisible() && all->isVisible());

        f.widget.setCurrentItem(f.tree.Node(QStringLiteral("ICO#a.dll")));
        rightClickOn(QStringLiteral("CUR"));
        QVERIFY(remove->isVisible() && !category->isVisible() && all->isVisible());
        // The right click did not move the selection.
        QCOMPARE(f.widget.currentItem(), f.tree.Node(QStringLiteral("ICO#a.dll")));

        f.widget.setCurrentItem(f.tree.Node(QStringLiteral("GIF")));
        rightClickOn(QStringLiteral("ICO#a.dll"));
        QVERIFY(!remove->isVisible() && category->isVisible() && all->isVisible());
    }
};

QTEST_MAIN(CategoryTreeTest)
#include "CategoryTreeTest.moc"
