// Start-up: a first start with an empty settings file, the log window's stored state, the
// command line naming a file, a folder or nothing, and drops that scan the same way.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include "CategoryTree.h"
#include "Form3.h"
#include "MainWindowHarness.h"
#include "SourceBrowser.h"

using namespace morvane;
using morvane::test::MainWindowHarness;

namespace {
bool Drop(Form1& window, const QMimeData& data) {
    const QPoint middle = window.rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}
bool DropUrl(Form1& window, const QUrl& url) {
    QMimeData data;
    data.setUrls({url});
    return Drop(window, data);
}
}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

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
        const QComboBox& combo = *window.Controls().Combo1;
        QStringList entries;
        for (int i = 0; i < combo.count(); ++i) entries << combo.itemText(i);
        QCOMPARE(entries, QStringList({"*.* (All Files)", "*.EXE (Executable Files)",
                                       "*.DLL (Library Files)"}));
        QCOMPARE(combo.currentIndex(), 0);
        QCOMPARE(window.Browser().Pattern(), QStringLiteral("*.*"));
        QCOMPARE(window.Browser().Folder(), h.AppFolder().chopped(1));
        QVERIFY(window.Browser().Files().contains(QStringLiteral("English.ini")));
        QVERIFY(window.Controls().Panel1->text().isEmpty());
        QVERIFY(!window.Menus().Menu(QStringLiteral("hide_menu"))->menuAction()->isVisible());
        // "Show_Log" absent counts as "NAI": the log window is open and its entry checked.
        QAction* logEntry = window.Menus().Entry(QStringLiteral("show_log_form_menu"));
        QVERIFY(window.LogWindow() != nullptr && window.LogWindow()->isVisible());
        QVERIFY(logEntry->isChecked());
        QCOMPARE(window.LogWindow()->windowTitle(), logEntry->text());
        QCOMPARE(window.LogWindow()->List1()->count(), 0);
    }

    void aStoredOxiKeepsTheLogWindowClosed() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
        const QString source = h.WriteSource("quiet.bin");
        Form1& window = h.Start(source);
        QCOMPARE(h.ScannedSources(), QStringList({source}));
        QVERIFY(window.LogWindow() == nullptr);
        QAction* logEntry = window.Menus().Entry(QStringLiteral("show_log_form_menu"));
        QVERIFY(!logEntry->isChecked());
        // Opened later, it is empty: the scan's lines never reached it.
        logEntry->trigger();
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
        QCOMPARE(window.Tree().Node("GIF#a file.bin")->text(0), QStringLiteral("a file.bin(1)"));
        QVERIFY(test::FileExists(h.output.path() + "GIF/a file.bin_0.GIF"));
        QVERIFY(window.Tree().Node(QStringLiteral("GIF"))->isExpanded());
        QVERIFY(!window.Tree().Node(QStringLiteral("MID"))->isExpanded());
        QVERIFY(!enabledWhileScanning.isEmpty() && !enabledWhileScanning.contains(false));
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
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("scanned");
        QTest::newRow("without sub-folders") << "False"
                                             << "tree" << QStringList({"tree/top.bin"});
        QTest::newRow("with sub-folders")
            << "True"
            << "tree" << QStringList({"tree/top.bin", "tree/sub/inner.bin"});
        QTest::newRow("a path that is nothing") << "True"
                                                << "no such folder" << QStringList();
    }
    void aFolderIsScannedAsTheBatchWould() {
        QFETCH(QString, subFolders);
        QFETCH(QString, path);
        QFETCH(QStringList, scanned);
        MainWindowHarness h;
        h.Store(QStringLiteral("SCAN_SUB-FOLDERS"), subFolders);
        h.WriteSource("tree/top.bin");
        h.WriteSource("tree/sub/inner.bin");
        Form1& window = h.Start(h.Source(path.toStdString()));
        QStringList expected;
        for (const QString& relative : scanned) expected << h.Source(relative.toStdString());
        QCOMPARE(h.ScannedSources(), expected);
        QCOMPARE(window.Tree().SourceNodeKeys().size(), scanned.size());
        if (!scanned.isEmpty()) QCOMPARE(window.Browser().Folder(), h.Source("tree"));
        QVERIFY(window.Controls().Panel1->text().isEmpty());
        QVERIFY(window.isEnabled());
        QVERIFY(test::VisibleProgressWindow() == nullptr);
    }

    // A dropped file is scanned alone, a folder as a batch; a drop without a local path is
    // refused.
    void dropsScanLikeTheCommandLine() {
        MainWindowHarness h;
        const QString one = h.WriteSource("a/one.dll");
        const QString two = h.WriteSource("a/two.dll");
        Form1& window = h.Start();
        QMimeData text;
        text.setText(QStringLiteral("C:\\not\\a\\drop"));
        QVERIFY(!Drop(window, text));
        QVERIFY(!DropUrl(window, QUrl(QStringLiteral("https://example.invalid/a.dll"))));
        QVERIFY(h.ScannedSources().isEmpty());
        QVERIFY(DropUrl(window, QUrl::fromLocalFile(one)));
        QCOMPARE(h.ScannedSources(), QStringList{one});
        QVERIFY(DropUrl(window, QUrl::fromLocalFile(h.Source("a"))));
        QCOMPARE(h.ScannedSources(), (QStringList{one, one, two}));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
