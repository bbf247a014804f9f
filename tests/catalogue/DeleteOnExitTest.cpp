// Closing the main window with and without "Delete_On_Exit": the files the tree knows go under
// the progress window, nothing is asked, a failure shows its box, and the settings are stored
// either way.
#include <QLabel>
#include <QTest>

#include "Catalogue.h"
#include "CategoryTree.h"
#include "Form4.h"
#include "MainWindowHarness.h"

using namespace morvane;
using namespace morvane::test;

class DeleteOnExitTest : public QObject {
    Q_OBJECT

  private slots:
    void closing_data() {
        QTest::addColumn<QString>("deleteOnExit");
        QTest::addColumn<bool>("fails");
        QTest::newRow("on") << "True" << false;
        QTest::newRow("off") << "False" << false;
        QTest::newRow("on, the disk refuses") << "True" << true;
    }
    // Scans one source from the command line, puts a file of another name beside its items, and
    // closes the window.
    void closing() {
        QFETCH(QString, deleteOnExit);
        QFETCH(bool, fails);
        MainWindowHarness h;
        Catalogue* catalogue = nullptr;
        h.Store(QStringLiteral("Language"), QStringLiteral("Default"));
        h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
        h.Store(QStringLiteral("Delete_On_Exit"), deleteOnExit);
        QStringList progressTexts;  // Label1 of the visible progress window at each deletion
        h.withCatalogue = [&](Catalogue& made) {
            catalogue = &made;
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
        QCOMPARE(catalogue->SilentClear(), deletes);
        QCOMPARE(h.Window()->Tree().SourceNodeKeys().isEmpty(), deletes && !fails);
        QCOMPARE(h.boxes.shown.size(), fails ? 1 : 0);
        if (fails) QVERIFY(h.boxes.shown.first().startsWith(QString::number(EBUSY) + " - "));
        QVERIFY(VisibleProgressWindow() == nullptr);
        QVERIFY(!form1.isVisible());
        QVERIFY(!h.Stored(QStringLiteral("LastFolder")).isEmpty());
    }
};

QTEST_MAIN(DeleteOnExitTest)
#include "DeleteOnExitTest.moc"
