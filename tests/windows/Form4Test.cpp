// The progress window: its stop button, its designed state and its close box.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "Form4.h"
#include "Twips.h"

using morvane::Form4;

class Form4Test : public QObject {
    Q_OBJECT

private slots:
    void startsInItsDesignedState() {
        Form4 form4(QStringLiteral("Morvane"));
        QVERIFY(form4.Command1()->isEnabled());
        QVERIFY(!form4.StopPressed());
        QCOMPARE(form4.ProgressBar1()->minimum(), 0);
        QCOMPARE(form4.ProgressBar1()->maximum(), 100);
        QCOMPARE(form4.ProgressBar1()->value(), 0);
        QVERIFY(form4.Label1()->text().isEmpty());
        QCOMPARE(form4.windowTitle(), QStringLiteral("Morvane"));
    }

    void theStopButtonIsCentred() {
        Form4 form4(QString{});
        const QRect button = form4.Command1()->geometry();
        QVERIFY(qAbs(button.left() - (form4.width() - button.right() - 1)) <= 1);
    }

    void aPressRequestsAStopOnce() {
        Form4 form4(QString{});
        QSignalSpy stops(&form4, &Form4::StopClicked);
        form4.show();
        QTest::mouseClick(form4.Command1(), Qt::LeftButton);
        QTest::mouseClick(form4.Command1(), Qt::LeftButton);  // the disabled button ignores it
        form4.Command1_Click();
        QCOMPARE(stops.count(), 1);
        QVERIFY(!form4.Command1()->isEnabled());
        QVERIFY(form4.StopPressed());
    }

    void theCloseBoxAsksForAStopAndKeepsTheWindow() {
        Form4 form4(QString{});
        QSignalSpy stops(&form4, &Form4::StopClicked);
        form4.show();
        QVERIFY(!form4.close());
        QVERIFY(form4.isVisible());
        QCOMPARE(stops.count(), 1);
        QVERIFY(form4.StopPressed());
    }

    void twipsTurnIntoPixelsByTheScreensResolution() {
        const morvane::TwipsScale normal(96, 96);
        QCOMPARE(normal.ToPixelsX(15), 1);
        QCOMPARE(normal.ToPixelsX(10065), 671);
        QCOMPARE(normal.ToTwipsY(401), 6015);
        const morvane::TwipsScale doubled(192, 144);
        QCOMPARE(doubled.ToPixelsX(1440), 192);
        QCOMPARE(doubled.ToPixelsY(1440), 144);
        QCOMPARE(doubled.ToPixels({150, 300, 1440, 720}), QRect(20, 30, 192, 72));
    }
};

QTEST_MAIN(Form4Test)
#include "Form4Test.moc"
