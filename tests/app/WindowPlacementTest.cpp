// The main window opens in the middle of its screen; the log window is placed again below the
// main window's frame once the window manager has drawn it, and only then.
#include <QMoveEvent>
#include <QScreen>
#include <QTest>

#include "Form3.h"
#include "WindowPlacement.h"

using namespace morvane;

class WindowPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void theMainWindowOpensCentred() {
        QWidget main;
        main.resize(679, 447);
        CentreOnScreen(main);
        const QRect free = main.screen()->availableGeometry();
        QVERIFY(qAbs(main.geometry().center().x() - free.center().x()) <= 1);
        QVERIFY(qAbs(main.geometry().center().y() - free.center().y()) <= 1);
    }

    void theLogWindowFollowsTheFirstKnownFrameOnly() {
        QWidget main;
        main.setGeometry(200, 100, 600, 400);
        const QRect free = main.screen()->availableGeometry();
        QRect frame = main.geometry();  // no frame yet: the window manager has not placed it
        Form3 log;
        const QSize designed = log.size();
        new LogWindowPlacer(log, main, [&frame](const QWidget&) { return frame; });

        QMoveEvent move(main.pos(), main.pos());
        QCoreApplication::sendEvent(&main, &move);
        QCOMPARE(log.pos(), QPoint(0, 0));  // still unframed: left alone

        // Framed and moved by the window manager, low on the screen: the log window takes the
        // frame's left and width and rests on the screen's bottom edge.
        frame = QRect(150, free.bottom() - 300, 640, 280);
        QCoreApplication::sendEvent(&main, &move);
        QCOMPARE(log.x(), 150);
        QCOMPARE(log.width(), 640);
        QCOMPARE(log.height(), designed.height());
        QCOMPARE(log.y(), free.top() + free.height() - designed.height());

        // The user moves the main window later: the log window stays.
        const QPoint placed = log.pos();
        frame.moveTo(10, 10);
        QCoreApplication::sendEvent(&main, &move);
        QCOMPARE(log.pos(), placed);
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
