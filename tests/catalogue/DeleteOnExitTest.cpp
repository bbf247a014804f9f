// Closing the main window with and without "Delete_On_Exit": the files the tree knows go under
// the progress window, nothing is asked, and the settings are stored either way.
#include <QFile>
#include <QLabel>
#include <QTest>

#include "Catalogue.h"
#include "CatalogueBinding.h"
#include "CategoryTree.h"
#include "Form4.h"
#include "MainWindowHarness.h"

using namespace morvane;
using namespace morvane::test;

namespace {
struct ClosedRun {
    QStringList progressTexts;  // Label1 of the visible progress window at each deletion
    QStringList removed;
};

// Scans one source from the command line, puts a file of another name beside its items, and
// closes the window.
void ScanAndClose(MainWindowHarness& h, Catalogue& catalogue, const QString& deleteOnExit,
                  ClosedRun& run) {
    h.Store(QStringLiteral("Language"), QStringLiteral("Default"));
    h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
    h.Store(QStringLiteral("Delete_On_Exit"), deleteOnExit);
    h.catalogue = &catalogue;
    h.beforeLoad = [&catalogue](Form1& form1) { catalogue.Attach(CataloguePartsOf(form1)); };
    catalogue.SetFileRemover([&run](const std::string& path) {
        const Form4* progress = VisibleProgressWindow();
        run.progressTexts << (progress != nullptr ? progress->Label1()->text() : QString());
        run.removed << QString::fromStdString(path);
        return RemoveItemFile(path);
    });
    Form1& form1 = h.Start(h.WriteSource("src.bin"));
    QTRY_VERIFY(!form1.IsScanning());
    h.output.Write("GIF/other.bin_1.GIF", Bytes(5, 1));
    form1.close();
}
}  // namespace

class DeleteOnExitTest : public QObject {
    Q_OBJECT

  private slots:
    void optionOnDeletesUnderTheProgressWindow() {
        MainWindowHarness h;
        Catalogue catalogue(h.session);
        ClosedRun run;
        ScanAndClose(h, catalogue, QStringLiteral("True"), run);
        QCOMPARE(run.removed.size(), 1);
        QVERIFY(run.removed.first().endsWith(QStringLiteral("src.bin_0.GIF")));
        QCOMPARE(run.progressTexts, QStringList{QStringLiteral("Deleting Files...")});
        QVERIFY(!FileExists(run.removed.first().toStdString()));
        QVERIFY(FileExists(h.output.path() + "GIF/other.bin_1.GIF"));
        QVERIFY(FileExists(h.output.path() + "LOG.txt"));
        QVERIFY(catalogue.SilentClear());
        QVERIFY(h.boxes.shown.isEmpty());
        QVERIFY(h.Window()->Tree().SourceNodeKeys().isEmpty());
        QVERIFY(VisibleProgressWindow() == nullptr);
        QVERIFY(!h.Stored(QStringLiteral("LastFolder")).isEmpty());
    }

    void optionOffDeletesNothing() {
        MainWindowHarness h;
        Catalogue catalogue(h.session);
        ClosedRun run;
        ScanAndClose(h, catalogue, QStringLiteral("False"), run);
        QVERIFY(run.removed.isEmpty());
        QVERIFY(FileExists(h.output.path() + "GIF/src.bin_0.GIF"));
        QVERIFY(!catalogue.SilentClear());
        QVERIFY(h.Window()->Tree().Node(QStringLiteral("GIF#src.bin")) != nullptr);
        QVERIFY(!h.Stored(QStringLiteral("LastFolder")).isEmpty());
    }

    // A failure shows the error box, and the window still closes and stores the settings.
    void failureStillEndsTheSequence() {
        MainWindowHarness h;
        Catalogue catalogue(h.session);
        h.Store(QStringLiteral("Language"), QStringLiteral("Default"));
        h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
        h.catalogue = &catalogue;
        h.beforeLoad = [&catalogue](Form1& form1) { catalogue.Attach(CataloguePartsOf(form1)); };
        catalogue.SetFileRemover([](const std::string&) {
            return std::make_error_code(std::errc::device_or_resource_busy);
        });
        Form1& form1 = h.Start(h.WriteSource("busy.bin"));
        QTRY_VERIFY(!form1.IsScanning());
        form1.close();
        QCOMPARE(h.boxes.shown.size(), 1);
        QVERIFY(h.boxes.shown.first().startsWith(QString::number(EBUSY) + QStringLiteral(" - ")));
        QVERIFY(FileExists(h.output.path() + "GIF/busy.bin_0.GIF"));
        QVERIFY(VisibleProgressWindow() == nullptr);
        QVERIFY(!form1.isVisible());
        QVERIFY(!h.Stored(QStringLiteral("LastFolder")).isEmpty());
    }
};

QTEST_MAIN(DeleteOnExitTest)
#include "DeleteOnExitTest.moc"
