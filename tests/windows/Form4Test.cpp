// The progress window's stop button and close box, and the twips it is laid out in.
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "Form4.h"
#include "Twips.h"

using morvane::Form4;

class Form4Test : public QObject {
    Q_OBJECT

  private slots:
    // The button asks once and then greys out; the close box asks too but keeps the window.
    void theButtonAndTheCloseBoxRequestAStop() {
        Form4 form4(QStringLiteral("Morvane"));
        QSignalSpy stops(&form4, &Form4::StopClicked);
        form4.show();
        QVERIFY(!form4.StopPressed());
        QTest::mouseClick(form4.Command1(), Qt::LeftButton);
        QTest::mouseClick(form4.Command1(), Qt::LeftButton);
        form4.Command1_Click();
        QCOMPARE(stops.count(), 1);
        QVERIFY(!form4.Command1()->isEnabled());
        QVERIFY(form4.StopPressed());

        Form4 other(QString{});
        QSignalSpy closeStops(&other, &Form4::StopClicked);
        other.show();
        QVERIFY(!other.close());
        QVERIFY(other.isVisible());
        QCOMPARE(closeStops.count(), 1);
        QVERIFY(other.StopPressed());
    }

    void twipsTurnIntoPixelsByTheScreensResolution() {
        const morvane::TwipsScale normal(96, 96);
        QCOMPARE(normal.ToPixelsX(15), 1);
        QCOMPARE(normal.ToPixelsX(10065), 671);
        QCOMPARE(normal.ToTwipsY(401), 6015);
        const morvane::TwipsScale doubled(192, 144);
        QCOMPARE(doubled.ToPixelsY(1440), 144);
        QCOMPARE(doubled.ToPixels({150, 300, 1440, 720}), QRect(20, 30, 192, 72));
    }
};

QTEST_MAIN(Form4Test)
#include "Form4Test.moc"
