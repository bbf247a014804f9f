// Start-up: a first start with an empty settings file, the log window's stored state, and the
// command line naming a file or a folder.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include "CategoryTree.h"
#include "Form3.h"
#include "Form4.h"
#include "MainWindowHarness.h"
#include "SourceBrowser.h"

using namespace morvane;
using morvane::test::MainWindowHarness;

class StartupTest : public QObject {
    Q_OBJECT

  private:
    static QStringList ComboEntries(const QComboBox& combo) {
        QStringList entries;
        for (int i = 0; i < combo.count(); ++i) entries << combo.itemText(i);
        return entries;
    }

    static QString WithoutSeparator(QString folder) {
        folder.chop(1);
        return folder;
    }

  private slots:
    void firstStartWithAnEmptyStore() {
        MainWindowHarness h;
        Form1& window = h.Start();

        QVERIFY(window.isVisible());
        QCOMPARE(h.session.appTitle, QStringLiteral("Morvane"));
        QVERIFY(h.boxes.shown.isEmpty());
        QCOMPARE(window.Controls().TreeView1->topLevelItemCount(), 10);
        QCOMPARE(window.Controls().TreeView1->topLevelItem(0)->text(0),
                 QStringLiteral("Files ICO"));
        QVERIFY(window.Tree().SourceNodeKeys().isEmpty());
        QCOMPARE(
            ComboEntries(*window.Controls().Combo1),
            QStringList({"*.* (All Files)", "*.EXE (Executable Files)", "*.DLL (Library Files)"}));
        QCOMPARE(window.Controls().Combo1->currentIndex(), 0);
        QCOMPARE(window.Browser().Pattern(), QStringLiteral("*.*"));
        QCOMPARE(window.Browser().Folder(), WithoutSeparator(h.AppFolder()));
        // The program folder's own files show, the settings file among them.
        QVERIFY(window.Browser().Files().contains(QStringLiteral("English.ini")));
        QVERIFY(window.Controls().Panel1->text().isEmpty());
        QVERIFY(h.ScannedSources().isEmpty());
        QVERIFY(!window.Menus().Menu(QStringLiteral("hide_menu"))->menuAction()->isVisible());

        // "Show_Log" absent counts as "NAI": the log window is open and its entry checked.
        QVERIFY(window.LogWindow() != nullptr);
        QVERIFY(window.LogWindow()->isVisible());
        QVERIFY(window.Menus().Entry(QStringLiteral("show_log_form_menu"))->isChecked());
        QCOMPARE(window.LogWindow()->windowTitle(),
                 window.Menus().Entry(QStringLiteral("show_log_form_menu"))->text());
        QCOMPARE(window.LogWindow()->List1()->count(), 0);
    }

    void aStoredOxiKeepsTheLogWindowClosed() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
        const QString source = h.WriteSource("quiet.bin");
        Form1& window = h.Start(source);
        QCOMPARE(h.ScannedSources(), QStringList({source}));
        QVERIFY(window.LogWindow() == nullptr);
        QVERIFY(!window.Menus().Entry(QStringLiteral("show_log_form_menu"))->isChecked());

        // Opened later, it is empty: the scan's lines never reached it.
        window.Menus().Entry(QStringLiteral("show_log_form_menu"))->trigger();
        QVERIFY(window.LogWindow() != nullptr);
        QCOMPARE(window.LogWindow()->List1()->count(), 0);
    }

    void aQuotedFileWithBlanksIsScannedWithTheWindowEnabled() {
        MainWindowHarness h;
        const QString source = h.WriteSource("my folder/a file.bin");
        QList<bool> enabledWhileScanning;
        const test::EveryEventLoopPass watch([&] {
            if (h.Window() != nullptr && test::VisibleProgressWindow() != nullptr)
                enabledWhileScanning << h.Window()->isEnabled();
        });
        Form1& window = h.Start(u'"' + source + u'"');

        QCOMPARE(h.ScannedSources(), QStringList({source}));
        QCOMPARE(window.Controls().Panel1->text(), source);
        QCOMPARE(window.Browser().Folder(), h.Source("my folder"));
        QVERIFY(window.Browser().Files().contains(QStringLiteral("a file.bin")));
        QCOMPARE(window.Tree().SourceNodeKeys(), QStringList({"GIF#a file.bin"}));
        QCOMPARE(window.Tree().Node(QStringLiteral("GIF#a file.bin"))->text(0),
                 QStringLiteral("a file.bin(1)"));
        QVERIFY(test::FileExists(h.output.path() + "GIF/a file.bin_0.GIF"));
        QVERIFY(window.Tree().Node(QStringLiteral("GIF"))->isExpanded());
        QVERIFY(!window.Tree().Node(QStringLiteral("MID"))->isExpanded());

        QVERIFY(!enabledWhileScanning.isEmpty());
        QVERIFY(!enabledWhileScanning.contains(false));
        QVERIFY(test::VisibleProgressWindow() == nullptr);

        // The open log window got the scan's lines and shows the last.
        const QListWidget* lines = window.LogWindow()->List1();
        QCOMPARE(lines->item(0)->text(), QStringLiteral("----------"));
        QVERIFY(lines->item(1)->text().endsWith(u'(' + source + u')'));
        QCOMPARE(lines->item(2)->text().left(30), QStringLiteral("GIF file found at offset: 65, "));
        QCOMPARE(lines->item(3)->text(), QStringLiteral("1 found ."));
        QCOMPARE(lines->currentRow(), lines->count() - 1);
    }

    void aFolderIsScannedAsTheBatchWould_data() {
        QTest::addColumn<QString>("subFolders");
        QTest::addColumn<QStringList>("scanned");
        QTest::newRow("without sub-folders") << "False" << QStringList({"tree/top.bin"});
        QTest::newRow("with sub-folders")
            << "True" << QStringList({"tree/top.bin", "tree/sub/inner.bin"});
    }
    void aFolderIsScannedAsTheBatchWould() {
        QFETCH(QString, subFolders);
        QFETCH(QStringList, scanned);
        MainWindowHarness h;
        h.Store(QStringLiteral("SCAN_SUB-FOLDERS"), subFolders);
        h.WriteSource("tree/top.bin");
        h.WriteSource("tree/sub/inner.bin");
        Form1& window = h.Start(h.Source("tree"));

        QStringList expected;
        for (const QString& relative : scanned) expected << h.Source(relative.toStdString());
        QCOMPARE(h.ScannedSources(), expected);
        QCOMPARE(window.Browser().Folder(), h.Source("tree"));
        QVERIFY(window.Controls().Panel1->text().isEmpty());
        QVERIFY(window.isEnabled());
    }

    void aPathThatIsNothingScansNothing() {
        MainWindowHarness h;
        Form1& window = h.Start(h.Source("no such folder"));
        QVERIFY(h.ScannedSources().isEmpty());
        QVERIFY(window.Tree().SourceNodeKeys().isEmpty());
        QVERIFY(window.isEnabled());
        QVERIFY(test::VisibleProgressWindow() == nullptr);
    }

    void menusExistWithTheirNamesAndCaptions() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Language"), QStringLiteral("Default"));
        Form1& window = h.Start();
        const QStringList names{
            "show_all_files",       "sep_ektakto1",        "exit_menu",    "show_log_form_menu",
            "separator_ff22",       "select_formats_menu", "sep_ektakto2", "metafrash_menu",
            "select_language_menu", "play_now_menu",       "sep_some4",    "delete_item_menu",
            "delete_all_menu",      "sep_some44",          "bmp_menu",     "ico_menu",
            "save_as_16_ico",       "help_menu",           "sep_ektakto3", "about_form",
            "remove_node_item",     "clear_node_category", "clear_node"};
        QCOMPARE(window.Menus().EntryNames(), names);
        for (const QString& name : names) {
            auto* entry = window.findChild<QAction*>(name);
            QVERIFY2(entry != nullptr, qPrintable(name));
            QCOMPARE(entry->isSeparator(), name.startsWith(u"sep"));
            QCOMPARE(entry->isCheckable(), name == u"show_log_form_menu");
        }
        for (const char* name :
             {"file_menu", "epiloges_menu", "edit_menu", "help_menu_up", "hide_menu"})
            QVERIFY(window.findChild<QMenu*>(QString::fromLatin1(name)) != nullptr);
        QCOMPARE(window.findChild<QAction*>("bmp_menu")->text(),
                 QStringLiteral("Αποθήκευση ως   48x48 Icon"));
        QCOMPARE(window.findChild<QMenu*>("edit_menu")->title(), QStringLiteral("Επεξεργασία"));
        for (const char* control : {"Toolbar1", "Drive1", "Dir1", "File1", "Combo1", "TreeView1",
                                    "ListView1", "StatusBar1", "Picture1", "Picture3"})
            QVERIFY2(window.findChild<QWidget*>(QString::fromLatin1(control)) != nullptr, control);
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
