// The main window's layout: the resize rules in twips, the window applying them, where the
// windows open, and the log window following the main window when it is minimised.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMoveEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include "Form3.h"
#include "MainLayout.h"
#include "MainWindowHarness.h"
#include "WindowPlacement.h"

using namespace morvane;
using morvane::test::MainWindowHarness;

class LayoutTest : public QObject {
    Q_OBJECT

  private:
    // `column`: the twips that the window's language widened the source column by.
    static MainGeometry ResizedTo(int width, int height, int column = 0) {
        MainGeometry g = DesignGeometry();
        HidePicture3(g);
        WidenSourceColumn(g, column);
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
    // Taller stretches the lists and moves what is below; wider widens the item list, the status
    // bar, its first panel and the toolbar.
    void growingMovesOnlyWhatTheRulesName() {
        const MainGeometry design = ResizedTo(10185, 6705);
        QCOMPARE(design.ListView1, TwipsRect({5880, 480, 4155, 5105}));
        QCOMPARE(design.StatusBar1, TwipsRect({0, 5760, 10065, 255}));
        MainGeometry expected = design;
        for (TwipsRect* list : {&expected.ListView1, &expected.TreeView1, &expected.File1})
            list->height += 1000;
        expected.Combo1.top += 1000;
        expected.StatusBar1.top += 1000;
        QCOMPARE(ResizedTo(10185, 7705), expected);
        expected = design;
        for (TwipsRect* wide : {&expected.ListView1, &expected.StatusBar1, &expected.Toolbar1})
            wide->width += 1000;
        expected.panel1Width += 1000;
        QCOMPARE(ResizedTo(11185, 6705), expected);
    }

    void aWindowTooSmallKeepsTheLastValidSizes() {
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
        // The Greek filter texts do not fit the designed column: it is wider, and the item list
        // gives up the room, its right edge staying where the design has it.
        const int column = window.Geometry().Drive1.width - DesignGeometry().Drive1.width;
        QVERIFY(column > 0);
        QCOMPARE(window.Geometry(), ResizedTo(10185, 6705, column));
        QCOMPARE(window.Geometry().ListView1.left + window.Geometry().ListView1.width,
                 ResizedTo(10185, 6705).ListView1.left + ResizedTo(10185, 6705).ListView1.width);
        // About 1000 twips more each way, in whole pixels.
        const int wider = scale.ToTwipsX(scale.ToPixelsX(1000));
        const int taller = scale.ToTwipsY(scale.ToPixelsY(1000));
        ResizeClient(window, kDesignClientWidth + wider, kDesignClientHeight + taller);
        const MainGeometry g = ResizedTo(10185 + wider, 6705 + taller, column);
        QCOMPARE(window.Geometry(), g);
        const Form1Controls& c = window.Controls();
        QCOMPARE(c.ListView1->geometry(), scale.ToPixels(g.ListView1));
        QCOMPARE(c.TreeView1->geometry(), scale.ToPixels(g.TreeView1));
        QCOMPARE(c.File1->geometry(), scale.ToPixels(g.File1));
        QCOMPARE(c.Combo1->geometry(), scale.ToPixels(g.Combo1));
        QCOMPARE(c.StatusBar1->geometry(), scale.ToPixels(g.StatusBar1));
        QCOMPARE(c.Panel2->width(), scale.ToPixelsX(3300));
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

    // The main window opens centred; the log window takes the first known frame's left and
    // width, rests on the screen's bottom edge when low, and stays when the user moves later.
    void placement() {
        QWidget main;
        main.resize(679, 447);
        CentreOnScreen(main);
        const QRect free = main.screen()->availableGeometry();
        QVERIFY(qAbs(main.geometry().center().x() - free.center().x()) <= 1);
        QVERIFY(qAbs(main.geometry().center().y() - free.center().y()) <= 1);
        main.setGeometry(200, 100, 600, 400);
        QRect frame = main.geometry();  // no frame yet: the window manager has not placed it
        Form3 log;
        const QSize designed = log.size();
        new LogWindowPlacer(log, main, [&frame](const QWidget&) { return frame; });
        QMoveEvent move(main.pos(), main.pos());
        QCoreApplication::sendEvent(&main, &move);
        QCOMPARE(log.pos(), QPoint(0, 0));
        frame = QRect(150, free.bottom() - 300, 640, 280);
        QCoreApplication::sendEvent(&main, &move);
        QCOMPARE(log.geometry(), QRect(150, free.top() + free.height() - designed.height(), 640,
                                       designed.height()));
        frame.moveTo(10, 10);
        QCoreApplication::sendEvent(&main, &move);
        QCOMPARE(log.pos(), QPoint(150, free.top() + free.height() - designed.height()));
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
