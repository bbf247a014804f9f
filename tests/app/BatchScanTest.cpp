// The browser and the batch: which files are listed and scanned, in which order, what the
// windows show meanwhile, and the stop button.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "CategoryTree.h"
#include "Form4.h"
#include "MainWindowHarness.h"
#include "MediaSamples.h"
#include "SourceBrowser.h"

using namespace morvane;
using morvane::test::MainWindowHarness;

class BatchScanTest : public QObject {
    Q_OBJECT

  private:
    static QStringList Sources(const MainWindowHarness& h, const QStringList& relative) {
        QStringList paths;
        for (const QString& name : relative) paths << h.Source(name.toStdString());
        return paths;
    }

    // Three MiB of filler with a GIF picture early in each MiB.
    static QString WriteLargeSource(const MainWindowHarness& h, const std::string& relative) {
        constexpr std::size_t kMiB = 1024 * 1024;
        test::Bytes bytes;
        for (std::uint32_t chunk = 0; chunk < 3; ++chunk) {
            test::Append(bytes, test::Filler(100, chunk + 1));
            test::Append(bytes, test::MakeGif());
            test::Append(bytes, test::Filler(kMiB - 100 - test::MakeGif().size(), chunk + 7));
        }
        return QString::fromStdString(h.sources.Write(relative, bytes));
    }

  private slots:
    void initTestCase() { QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false); }

    // Depth first in name order, hidden files and folders left out, the window disabled under
    // the progress window, which counts the files in the built-in language.
    void foldersAreScannedDepthFirstInNameOrder() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
        h.Store(QStringLiteral("Language"), QStringLiteral("Default"));
        for (const char* file : {"A/C/c.bin", "A/B/D/d.bin", "A/B/b.bin", "A/a2.bin", "A/a1.bin",
                                 "A/.secret.bin", "A/.hidden/inside.bin"})
            h.WriteSource(file);
        Form1& window = h.Start();
        QVERIFY(window.Browser().SetFolder(h.Source("A")));
        QCOMPARE(window.Browser().Files(), QStringList({"a1.bin", "a2.bin"}));
        QList<bool> enabledWhileScanning;
        QStringList counters, texts, folders;
        const test::EveryEventLoopPass watch([&] {
            Form4* form4 = test::VisibleProgressWindow();
            if (form4 == nullptr || form4->Label2()->text().isEmpty()) return;
            enabledWhileScanning << window.isEnabled();
            counters << form4->Label2()->text();
            texts << form4->Label1()->text();
            folders << form4->Label3()->text();
        });
        window.Menus().Entry(QStringLiteral("show_all_files"))->trigger();

        QCOMPARE(h.ScannedSources(),
                 Sources(h, {"A/a1.bin", "A/a2.bin", "A/B/b.bin", "A/B/D/d.bin", "A/C/c.bin"}));
        QVERIFY(!enabledWhileScanning.isEmpty() && !enabledWhileScanning.contains(true));
        QVERIFY(window.isEnabled());
        QVERIFY(test::VisibleProgressWindow() == nullptr);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(window.Tree().SourceNodeKeys().size(), 5);
        QVERIFY(window.Tree().Node(QStringLiteral("GIF"))->isExpanded());
        QVERIFY(counters.contains(QStringLiteral("Αρχείο: 1 / 2")));
        QVERIFY(counters.contains(QStringLiteral("Αρχείο: 2 / 2")));
        QVERIFY(texts.contains(QStringLiteral("\n\nΑναζήτηση 0 ")));
        const QString fourth = texts.filter(QStringLiteral("d.bin")).value(0);
        QVERIFY2(
            fourth.startsWith(QStringLiteral("d.bin\n\nΑναζήτηση ")) && fourth.endsWith(u" bytes."),
            qPrintable(fourth));
        QVERIFY(folders.contains(h.Source("A")));
    }

    void theFilterChoosesWhatIsListedAndScanned() {
        MainWindowHarness h;
        for (const char* file : {"F/tool.exe", "F/LIB.DLL", "F/data.bin", "F/setup.EXE"})
            h.WriteSource(file);
        Form1& window = h.Start();
        QVERIFY(window.Browser().SetFolder(h.Source("F")));
        QCOMPARE(window.Browser().Files().size(), 4);
        window.Controls().Combo1->setCurrentIndex(1);
        QCOMPARE(window.Browser().Pattern(), QStringLiteral("*.exe"));
        QCOMPARE(window.Browser().Files(), QStringList({"setup.EXE", "tool.exe"}));
        // The closed box is narrower than its entry: the tooltip shows it whole.
        QCOMPARE(window.Controls().Combo1->toolTip(), window.Controls().Combo1->itemText(1));
        window.show_all_files_Click();
        QCOMPARE(h.ScannedSources(), Sources(h, {"F/setup.EXE", "F/tool.exe"}));
        window.Controls().Combo1->setCurrentIndex(2);
        QCOMPARE(window.Browser().Files(), QStringList({"LIB.DLL"}));
    }

    void aStopEndsTheBatchWithTheFileInHand() {
        MainWindowHarness h;
        for (int i = 1; i <= 10; ++i)
            h.WriteSource(QStringLiteral("S/f%1.bin").arg(i, 2, 10, QChar(u'0')).toStdString());
        Form1& window = h.Start();
        QVERIFY(window.Browser().SetFolder(h.Source("S")));
        {
            const test::EveryEventLoopPass stopAtTheThird([] {
                Form4* form4 = test::VisibleProgressWindow();
                if (form4 && form4->Command1()->isEnabled() &&
                    form4->Label2()->text().endsWith(u": 3 / 10"))
                    QTest::mouseClick(form4->Command1(), Qt::LeftButton);
            });
            window.show_all_files_Click();
        }
        QCOMPARE(h.ScannedSources(), Sources(h, {"S/f01.bin", "S/f02.bin", "S/f03.bin"}));
        QCOMPARE(test::ListTree(h.output.path() + "GIF"),
                 std::vector<std::string>({"f01.bin_0.GIF", "f02.bin_0.GIF", "f03.bin_0.GIF"}));
        QVERIFY(test::VisibleProgressWindow() == nullptr);
        QVERIFY(window.isEnabled());
        // The next batch starts with a new progress window whose button works again, and the
        // old stop does not end it at a first folder without files.
        h.WriteSource("E/sub/x.bin");
        QVERIFY(window.Browser().SetFolder(h.Source("E")));
        window.show_all_files_Click();
        QCOMPARE(h.ScannedSources().mid(3), QStringList({h.Source("E/sub/x.bin")}));
    }

    void aStopTakesEffectWithinOneChunk() {
        MainWindowHarness h;
        WriteLargeSource(h, "L/large.bin");
        Form1& window = h.Start();
        QVERIFY(window.Browser().SetFolder(h.Source("L")));
        QStringList counters;
        bool enabled = true;
        const test::EveryEventLoopPass stopAfterTheFirstChunk([&] {
            Form4* form4 = test::VisibleProgressWindow();
            if (form4 == nullptr) return;
            counters << form4->Label2()->text();
            enabled = enabled && window.isEnabled();
            if (form4->Command1()->isEnabled() && form4->Label1()->text().endsWith(u" bytes."))
                QTest::mouseClick(form4->Command1(), Qt::LeftButton);
        });
        // A click on the file scans it alone.
        QListWidget* files = window.Controls().File1;
        files->setCurrentRow(0);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(files->item(0)).center());

        QCOMPARE(h.ScannedSources(), Sources(h, {"L/large.bin"}));
        QCOMPARE(window.Tree().Node("GIF#large.bin")->text(0), QStringLiteral("large.bin(1)"));
        QVERIFY(counters.contains(QStringLiteral("File: 1 / 1")));
        QVERIFY(!enabled);
        QVERIFY(window.isEnabled());
    }

    void noSecondScanStartsDuringTheCommandLineScan() {
        MainWindowHarness h;
        const QString large = WriteLargeSource(h, "C/large.bin");
        h.WriteSource("C/other.bin");
        bool tried = false;
        const test::EveryEventLoopPass interfere([&] {
            if (tried || h.Window() == nullptr || test::VisibleProgressWindow() == nullptr) return;
            tried = true;
            h.Window()->Toolbar1_ButtonClick(QStringLiteral("ALL_FILES"));
            QListWidget* files = h.Window()->Controls().File1;
            files->setCurrentItem(files->findItems("other.bin", Qt::MatchExactly).value(0));
            QVERIFY(h.Window()->Browser().SelectedFile() == QStringLiteral("other.bin"));
            h.Window()->File1_Click();
        });
        Form1& window = h.Start(large);
        QVERIFY(tried);
        QCOMPARE(h.ScannedSources(), QStringList({large}));
        QCOMPARE(window.Tree().SourceNodeKeys(), QStringList({"GIF#large.bin"}));
        QCOMPARE(window.Tree().Node("GIF#large.bin")->text(0), QStringLiteral("large.bin(3)"));
    }
};

QTEST_MAIN(BatchScanTest)
#include "BatchScanTest.moc"
