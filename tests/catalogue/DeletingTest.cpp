// Deleting items and clearing categories: what goes from the disk, the tree and the list, the
// questions, the one error box that stops a command half way, and the clearing on exit.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "CatalogueFixture.h"
#include "FileMarks.h"
#include "Form4.h"
#include "ItemList.h"
#include "ListItemKey.h"
#include "MainWindowHarness.h"

using namespace morvane;
using namespace morvane::test;

namespace {
// "<number> - <description>" with a description.
bool IsErrorBoxText(const QString& text) {
    return QRegularExpression(QStringLiteral("^-?\\d+ - \\S.*$")).match(text).hasMatch();
}

// Every file under the output folder, relative to it.
QStringList AllFiles(const CatalogueFixture& f) {
    QStringList files;
    for (const std::string& file : ListTree(f.output.path())) files << QString::fromStdString(file);
    return files;
}
}  // namespace

class DeletingTest : public QObject {
    Q_OBJECT

  private slots:
    // Delete takes one file (a read-only one too) unasked and counts down; the last item takes
    // the node. a.dll's list shows a.dll.bak's items: Delete all asks, takes both, and only the
    // node of item 1's source.
    void deleteItemAndDeleteAll() {
        CatalogueFixture f;
        QTreeWidgetItem* node = f.Source("GIF", "x.exe", 3);
        MarkReadOnly((f.Folder("GIF") + "x.exe_2.GIF").toStdString());
        f.ClickNode("GIF", "x.exe");
        QVERIFY(f.ClickItem("x.exe_2.GIF"));
        const int index = f.selected;
        f.catalogue.DeleteItem();
        QCOMPARE(node->text(0), QString("x.exe(2)"));
        QCOMPARE(f.ListedNames(), (QStringList{"x.exe_1.GIF", "x.exe_3.GIF"}));
        QCOMPARE(f.selected, index);
        f.Source("ICO", "one", 1);
        f.ClickNode("ICO", "one");
        QVERIFY(f.ClickItem("one_1.ICO"));
        f.catalogue.DeleteItem();
        QVERIFY(f.tree->Node("ICO#one") == nullptr);
        QVERIFY(f.boxes.asked.isEmpty() && f.boxes.shown.isEmpty());

        f.Source("ICO", "a.dll", 1);
        f.Source("ICO", "a.dll.bak", 1);
        f.ClickNode("ICO", "a.dll");
        QCOMPARE(f.list->count(), 2);
        const QString first = SourceNameOfItem(f.list->item(0)->data(kListItemKeyRole).toString());
        const QString other = first == "a.dll" ? "a.dll.bak" : "a.dll";
        QVERIFY(f.ClickItem("_1.ICO"));
        f.catalogue.DeleteAllItems();
        QCOMPARE(f.boxes.asked, QStringList{f.messages.Text(MessageId::AskDeleteAllFiles)});
        QCOMPARE(f.boxes.titles, QStringList{"Morvane"});
        QCOMPARE(f.list->count(), 0);
        QCOMPARE(AllFiles(f), (QStringList{"GIF/x.exe_1.GIF", "GIF/x.exe_3.GIF"}));
        QVERIFY(f.tree->Node("ICO#" + first) == nullptr);
        QCOMPARE(f.tree->Node("ICO#" + other)->text(0), other + "(1)");
    }

    // An index into an empty list, and a file deleted elsewhere: the box; the count stays.
    void aMissingItemShowsTheErrorBox() {
        CatalogueFixture f;
        f.selected = 1;
        f.catalogue.DeleteAllItems();
        f.catalogue.DeleteItem();
        QTreeWidgetItem* node = f.Source("CUR", "c", 2);
        f.ClickNode("CUR", "c");
        QVERIFY(f.ClickItem("c_1.CUR"));
        QFile::remove(f.Folder("CUR") + "c_1.CUR");
        f.catalogue.DeleteItem();
        QCOMPARE(f.boxes.shown.size(), 3);
        for (const QString& text : f.boxes.shown) QVERIFY2(IsErrorBoxText(text), qPrintable(text));
        QCOMPARE(node->text(0), QString("c(2)"));
        QCOMPARE(f.list->count(), 2);
    }

    // No to any question leaves everything; Yes to removing a node deletes its list too; a
    // category's text does not end with ")" and is no node to remove.
    void removeNodeAsksFirst() {
        CatalogueFixture f;
        f.Source("JPG", "shell32.dll", 2);
        f.ClickNode("JPG", "shell32.dll");
        QVERIFY(f.ClickItem("shell32.dll_1.JPG"));
        f.boxes.answer = false;
        f.catalogue.DeleteAllItems();
        f.SelectNode(f.tree->Node("JPG"));
        f.catalogue.ClearCategory();
        f.catalogue.ClearAllNodes();
        f.SelectNode(f.tree->Node("JPG#shell32.dll"));
        f.catalogue.RemoveNode();
        QCOMPARE(f.boxes.asked.size(), 4);
        QVERIFY(f.Exists("JPG", "shell32.dll_1.JPG") && f.list->count() == 2);
        f.boxes.answer = true;
        f.catalogue.RemoveNode();
        QCOMPARE(f.boxes.asked.last(), "Είστε σίγουρος για την διαγραφή του shell32.dll(2)");
        QVERIFY(f.tree->Node("JPG#shell32.dll") == nullptr);
        QCOMPARE(AllFiles(f), QStringList());
        QCOMPARE(f.list->count(), 0);
        f.SelectNode(f.tree->Node("JPG"));
        f.catalogue.RemoveNode();
        QCOMPARE(f.boxes.asked.size(), 5);
    }

    void categoryQuestion_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("question");  // empty: the error box, before any question
        QTest::newRow("built-in") << QString(
                                         "Είστε σίγουρος για την διαγραφή όλων των %%% αρχείων;")
                                  << "Είστε σίγουρος για την διαγραφή όλων των BMP αρχείων;";
        QTest::newRow("one %") << "Delete all % files?"
                               << "Delete all BMPiles?";
        QTest::newRow("% at the end") << "Delete all %"
                                      << "Delete all BMP";
        QTest::newRow("no marker") << "Delete them all?"
                                   << "";
    }
    // Only the category's own nodes go, not those of a source named with its letters.
    void categoryQuestion() {
        QFETCH(QString, message);
        QFETCH(QString, question);
        CatalogueFixture f;
        f.messages.SetText(MessageId::AskDeleteCountFiles, message);
        f.Source("BMP", "q.exe", 1);
        f.Source("ICO", "BMP.exe", 1);
        MarkReadOnly((f.Folder("BMP") + "q.exe_1.BMP").toStdString());
        f.ClickNode("BMP", "q.exe");
        f.SelectNode(f.tree->Node("BMP"));
        f.catalogue.ClearCategory();
        const bool asked = !question.isEmpty();
        QCOMPARE(f.boxes.asked, asked ? QStringList{question} : QStringList());
        QCOMPARE(f.boxes.shown.size(), asked ? 0 : 1);
        if (!asked) QVERIFY(IsErrorBoxText(f.boxes.shown.first()));
        QCOMPARE(f.Exists("BMP", "q.exe_1.BMP"), !asked);
        QCOMPARE(f.tree->Node("BMP#q.exe") == nullptr, asked);
        QCOMPARE(f.list->count(), asked ? 0 : 1);
        QVERIFY(f.Exists("ICO", "BMP.exe_1.ICO") && f.tree->Node("ICO#BMP.exe") != nullptr);
    }

    void clearingFollowsTheOrderNodesWereAdded_data() {
        QTest::addColumn<bool>("onExit");
        QTest::newRow("clear_node") << false;
        QTest::newRow("delete on exit") << true;
    }
    // From the last added node on: a failure at b.dll's ICO node stops before a.dll and the list.
    void clearingFollowsTheOrderNodesWereAdded() {
        QFETCH(bool, onExit);
        CatalogueFixture f;
        const QStringList kinds = {"ICO", "BMP", "GIF", "AVI"};
        for (const QString source : {"a.dll", "b.dll"}) {
            f.tree->AddSourceFileNodes(source, ScanOptions());
            for (const QString& kind : kinds) {
                f.Extracted(kind, source + "_1." + kind);
                f.tree->CountItem(*ParseKind(kind.toStdString()), source);
            }
        }
        f.tree->RemoveEmptySourceNodes();
        f.ClickNode("ICO", "a.dll");
        f.catalogue.SetFileRemover([](const std::string& path) -> std::error_code {
            if (path.ends_with("b.dll_1.ICO"))
                return std::make_error_code(std::errc::text_file_busy);
            return RemoveItemFile(path);
        });
        QStringList left = AllFiles(f);
        for (const QString kind : {"BMP", "GIF"}) left.removeAll(kind + "/b.dll_1." + kind);
        onExit ? f.catalogue.DeleteOnExit() : f.catalogue.ClearAllNodes();
        QCOMPARE(f.boxes.shown.size(), 1);
        QVERIFY(f.boxes.shown.first().startsWith(QString::number(ETXTBSY) + " - "));
        QVERIFY(IsErrorBoxText(f.boxes.shown.first()));
        QCOMPARE(AllFiles(f), left);
        QVERIFY(!f.tree->Node("BMP#b.dll") && !f.tree->Node("GIF#b.dll"));
        QCOMPARE(f.tree->SourceNodeKeys().size(), 6);
        QCOMPARE(f.list->count(), 1);
    }

    // a.dll takes a.dll.bak's files and any case; wildcard names only their own; the rest stays.
    void clearingTouchesOnlyTheNamedFiles() {
        CatalogueFixture f;
        QStringList gone;
        for (const QString& name : QStringList{"*", "a?c", "[ab]", "..", "x.y", "a.dll"}) {
            f.Source("ICO", name, 1);
            gone << "ICO/" + name + "_1.ICO";
        }
        for (const char* name : {"A.DLL_7.ico", "a.dll.bak_0.ICO"})
            gone << "ICO/" + f.Extracted("ICO", name).section('/', -1);
        for (const char* decoy :
             {"abc_1.ICO", "a_c_1.ICO", "b_1.ICO", "xzy_1.ICO", "x.y_1.GIF", "b.dll_0.ICO"})
            f.Extracted("ICO", decoy);
        f.Extracted("GIF", "*_1.GIF");
        for (const char* other : {"LOG.txt", "elsewhere/*_1.ICO", "*_1.ICO"})
            f.output.Write(other, Bytes(3, 1));
        QStringList expected = AllFiles(f);
        for (const QString& file : gone) expected.removeAll(file);
        f.catalogue.ClearAllNodes();
        QCOMPARE(AllFiles(f), expected);
        QVERIFY(f.tree->SourceNodeKeys().isEmpty());
        QCOMPARE(f.treeView->topLevelItemCount(), 10);
        QVERIFY(QDir(f.Folder("ICO")).exists());
    }

    void closingTheWindow_data() {
        QTest::addColumn<QString>("deleteOnExit");
        QTest::addColumn<bool>("fails");
        QTest::newRow("on") << "True" << false;
        QTest::newRow("off") << "False" << false;
        QTest::newRow("on, the disk refuses") << "True" << true;
    }
    // With "Delete_On_Exit" the files the tree knows go under the progress window, unasked; a
    // failure shows its box; another source's file stays; the settings are stored either way.
    void closingTheWindow() {
        QFETCH(QString, deleteOnExit);
        QFETCH(bool, fails);
        MainWindowHarness h;
        h.Store(QStringLiteral("Language"), QStringLiteral("Default"));
        h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
        h.Store(QStringLiteral("Delete_On_Exit"), deleteOnExit);
        QStringList progressTexts;  // Label1 of the visible progress window at each deletion
        h.withCatalogue = [&](Catalogue& made) {
            made.SetFileRemover([&](const std::string& path) {
                const Form4* progress = VisibleProgressWindow();
                progressTexts << (progress != nullptr ? progress->Label1()->text() : QString());
                return fails ? std::make_error_code(std::errc::device_or_resource_busy)
                             : RemoveItemFile(path);
            });
        };
        Form1& form1 = h.Start(h.WriteSource("src.bin"));
        QTRY_VERIFY(!form1.IsScanning());
        h.output.Write("GIF/other.bin_1.GIF", Bytes(5, 1));
        form1.close();
        const bool deletes = deleteOnExit == u"True";
        QCOMPARE(progressTexts, deletes ? QStringList{"Deleting Files..."} : QStringList());
        QCOMPARE(FileExists(h.output.path() + "GIF/src.bin_0.GIF"), !deletes || fails);
        QVERIFY(FileExists(h.output.path() + "GIF/other.bin_1.GIF"));
        QVERIFY(FileExists(h.output.path() + "LOG.txt"));
        QCOMPARE(h.Window()->Tree().SourceNodeKeys().isEmpty(), deletes && !fails);
        QCOMPARE(h.boxes.shown.size(), fails ? 1 : 0);
        if (fails) QVERIFY(h.boxes.shown.first().startsWith(QString::number(EBUSY) + " - "));
        QVERIFY(VisibleProgressWindow() == nullptr && !form1.isVisible());
        QVERIFY(!h.Stored(QStringLiteral("LastFolder")).isEmpty());
    }
};

QTEST_MAIN(DeletingTest)
#include "DeletingTest.moc"
