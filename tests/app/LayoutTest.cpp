// The main window's layout: the resize rules in twips, the window applying them, and the log
// window following the main window when it is minimised.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include "Form3.h"
#include "MainLayout.h"
#include "MainWindowHarness.h"

using namespace morvane;
using morvane::test::MainWindowHarness;

class LayoutTest : public QObject {
    Q_OBJECT

private:
    static MainGeometry ResizedTo(int width, int height) {
        MainGeometry g = DesignGeometry();
        HidePicture3(g);
        ApplyResizeRules(g, width, height);
        return g;
    }

    // The client area of `window` made exactly `width` × `height` twips.
    static void ResizeClient(Form1& window, int width, int height) {
        const TwipsScale scale = TwipsScale::Of(window);
        window.resize(scale.ToPixelsX(width), scale.ToPixelsY(height) + window.menuBar()->height());
        QTRY_COMPARE(window.centralWidget()->height(), scale.ToPixelsY(height));
    }

private slots:
    void theDesignSizeAlreadyAppliesTheRules() {
        const MainGeometry g = ResizedTo(10185, 6705);
        QCOMPARE(g.ListView1, TwipsRect({5880, 480, 4155, 5105}));
        QCOMPARE(g.TreeView1, TwipsRect({2400, 460, 3495, 5135}));
        QCOMPARE(g.File1, TwipsRect({120, 3390, 2175, 1965}));
        QCOMPARE(g.Combo1, TwipsRect({120, 5355, 2175, 315}));
        QCOMPARE(g.StatusBar1, TwipsRect({0, 5760, 10065, 255}));
        QCOMPARE(g.panel1Width, 6765);
        QCOMPARE(g.panel2Width, 3300);
        QCOMPARE(g.Dir1, TwipsRect({120, 840, 2175, 2565}));
        QCOMPARE(g.Drive1, TwipsRect({120, 500, 2175, 315}));
        QCOMPARE(g.Toolbar1, TwipsRect({0, 0, 10065, 420}));
        QCOMPARE(g.Picture3, TwipsRect({360, -1080, 975, 615}));
    }

    void growingTallerStretchesTheListsOnly() {
        const MainGeometry before = ResizedTo(10185, 6705);
        const MainGeometry after = ResizedTo(10185, 7705);
        QCOMPARE(after.ListView1.height, before.ListView1.height + 1000);
        QCOMPARE(after.TreeView1.height, before.TreeView1.height + 1000);
        QCOMPARE(after.File1.height, before.File1.height + 1000);
        QCOMPARE(after.Combo1.top, before.Combo1.top + 1000);
        QCOMPARE(after.StatusBar1.top, before.StatusBar1.top + 1000);
        QCOMPARE(after.Dir1, before.Dir1);
        QCOMPARE(after.ListView1.width, before.ListView1.width);
        QCOMPARE(after.panel1Width, before.panel1Width);
    }

    void growingWiderWidensTheItemListAndTheStatusBar() {
        const MainGeometry before = ResizedTo(10185, 6705);
        MainGeometry after = ResizedTo(11185, 6705);
        QCOMPARE(after.ListView1.width, before.ListView1.width + 1000);
        QCOMPARE(after.StatusBar1.width, before.StatusBar1.width + 1000);
        QCOMPARE(after.panel1Width, before.panel1Width + 1000);
        QCOMPARE(after.Toolbar1.width, before.Toolbar1.width + 1000);
        after.ListView1.width = before.ListView1.width;
        after.StatusBar1.width = before.StatusBar1.width;
        after.Toolbar1.width = before.Toolbar1.width;
        after.panel1Width = before.panel1Width;
        QCOMPARE(after, before);
    }

    void aWindowTooSmallKeepsTheLastValidHeights() {
        MainGeometry g = ResizedTo(10185, 6705);
        const MainGeometry design = g;
        ApplyResizeRules(g, 10185, 1500);
        QCOMPARE(g.ListView1.height, design.ListView1.height);
        QCOMPARE(g.TreeView1.height, design.TreeView1.height);
        QCOMPARE(g.File1.height, design.File1.height);
        QCOMPARE(g.Combo1.top, design.Combo1.top);
        QCOMPARE(g.StatusBar1.top, 1500 - 945);
        ApplyResizeRules(g, 5000, 1500);
        QCOMPARE(g.ListView1.width, design.ListView1.width);
    }

    void theWindowPlacesItsControlsByTheRules() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
        Form1& window = h.Start();
        const TwipsScale scale = TwipsScale::Of(window);
        ResizeClient(window, kDesignClientWidth, kDesignClientHeight);
        const MainGeometry design = ResizedTo(10185, 6705);
        QCOMPARE(window.Geometry(), design);
        const Form1Controls& c = window.Controls();
        QCOMPARE(c.ListView1->geometry(), scale.ToPixels(design.ListView1));
        QCOMPARE(c.TreeView1->geometry(), scale.ToPixels(design.TreeView1));
        QCOMPARE(c.File1->geometry(), scale.ToPixels(design.File1));
        QCOMPARE(c.StatusBar1->geometry(), scale.ToPixels(design.StatusBar1));
        QCOMPARE(c.Panel2->width(), scale.ToPixelsX(3300));

        // About 1000 twips more each way, in whole pixels.
        const int wider = scale.ToTwipsX(scale.ToPixelsX(1000));
        const int taller = scale.ToTwipsY(scale.ToPixelsY(1000));
        ResizeClient(window, kDesignClientWidth + wider, kDesignClientHeight + taller);
        QCOMPARE(window.Geometry(), ResizedTo(10185 + wider, 6705 + taller));
        QCOMPARE(c.ListView1->geometry(), scale.ToPixels(window.Geometry().ListView1));
        QCOMPARE(c.Combo1->geometry(), scale.ToPixels(window.Geometry().Combo1));
    }

    void theLogWindowHidesWhileTheMainWindowIsMinimised() {
        MainWindowHarness h;
        Form1& window = h.Start();
        Form3* log = window.LogWindow();
        QVERIFY(log != nullptr && log->isVisible());
        window.showMinimized();
        QTRY_VERIFY(!log->isVisible());
        window.showNormal();
        QTRY_VERIFY(log->isVisible());

        // Closed through its menu entry, it stays closed whatever the main window does.
        window.show_log_form_menu_Click();
        window.showMinimized();
        window.showNormal();
        QVERIFY(window.LogWindow() == nullptr);
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
