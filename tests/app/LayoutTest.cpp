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
    // bar, its first panel and the toolbar; too small keeps the last valid sizes.
    void theWindowPlacesItsControlsByTheRules() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
        Form1& window = h.Start();
        const TwipsScale scale = TwipsScale::Of(window);
        ResizeClient(window, kDesignClientWidth, kDesignClientHeight);
        // The Greek filter texts do not fit the designed column: it is wider, and the item list
        // gives up the room, its right edge staying where the design has it.
        const MainGeometry design = window.Geometry();
        const int column = design.Drive1.width - DesignGeometry().Drive1.width;
        QVERIFY(column > 0);
        QCOMPARE(design, ResizedTo(10185, 6705, column));
        const MainGeometry narrow = ResizedTo(10185, 6705);
        QCOMPARE(design.ListView1.left + design.ListView1.width,
                 narrow.ListView1.left + narrow.ListView1.width);
        // About 1000 twips more each way, in whole pixels.
        const int wider = scale.ToTwipsX(scale.ToPixelsX(1000));
        const int taller = scale.ToTwipsY(scale.ToPixelsY(1000));
        ResizeClient(window, kDesignClientWidth + wider, kDesignClientHeight + taller);
        MainGeometry g = design;
        for (TwipsRect* list : {&g.ListView1, &g.TreeView1, &g.File1}) list->height += taller;
        g.Combo1.top += taller;
        g.StatusBar1.top += taller;
        for (TwipsRect* wide : {&g.ListView1, &g.StatusBar1, &g.Toolbar1}) wide->width += wider;
        g.panel1Width += wider;
        QCOMPARE(window.Geometry(), g);
        const Form1Controls& c = window.Controls();
        QCOMPARE(
            QList<QRect>({c.ListView1->geometry(), c.TreeView1->geometry(), c.File1->geometry(),
                          c.Combo1->geometry(), c.StatusBar1->geometry()}),
            QList<QRect>({scale.ToPixels(g.ListView1), scale.ToPixels(g.TreeView1),
                          scale.ToPixels(g.File1), scale.ToPixels(g.Combo1),
                          scale.ToPixels(g.StatusBar1)}));
        QCOMPARE(c.Panel2->width(), scale.ToPixelsX(3300));
        g = design;
        ApplyResizeRules(g, 10185, 1500);
        QCOMPARE(g.StatusBar1.top, 1500 - 945);
        g.StatusBar1.top = design.StatusBar1.top;
        QCOMPARE(g, design);
        ApplyResizeRules(g, 5000, 1500);
        QCOMPARE(g.ListView1.width, design.ListView1.width);
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
