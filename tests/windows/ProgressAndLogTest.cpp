// The log window (placement, lines, pop-up commands, closing) and the progress window's stop.
#include <QAction>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "Form3.h"
#include "Form4.h"
#include "Twips.h"

using namespace morvane;

class ProgressAndLogTest : public QObject {
    Q_OBJECT

  private slots:
    void logWindow() {
        const QRect screen(0, 0, 1920, 1080);
        QCOMPARE(LogWindowPlacement({100, 50, 680, 450}, screen, 1, 66), QRect(100, 501, 680, 66));
        QCOMPARE(LogWindowPlacement({100, 700, 680, 350}, screen, 1, 66),
                 QRect(100, 1080 - 66, 680, 66));
        auto* form3 = new Form3;
        const auto lines = [form3] {
            QStringList texts;
            for (int i = 0; i < form3->List1()->count(); ++i)
                texts << form3->List1()->item(i)->text();
            return texts;
        };
        for (const char* line : {"a", "b", "c"}) form3->AddLine(QString::fromLatin1(line));
        form3->SelectLastLine();
        QCOMPARE(form3->List1()->currentRow(), 2);
        form3->List1()->clearSelection();
        form3->clear_item_menu()->trigger();  // no selected line: nothing goes
        QCOMPARE(lines(), QStringList({"a", "b", "c"}));
        form3->List1()->setCurrentRow(1);
        form3->clear_item_menu()->trigger();
        QCOMPARE(lines(), QStringList({"a", "c"}));
        form3->clear_menu()->trigger();
        form3->AddLine(QStringLiteral("again"));
        QCOMPARE(lines(), QStringList({"again"}));
        QSignalSpy unloading(form3, &Form3::Unloading);
        form3->show();
        QVERIFY(form3->close());
        QCOMPARE(unloading.count(), 1);
        QPointer<Form3> guard(form3);  // gone with its lines once the event loop has run
        QTRY_VERIFY(guard.isNull());
    }

    // The button asks once and then greys out; the close box asks too but keeps the window.
    void progressWindowStops() {
        Form4 form4(QStringLiteral("Morvane"));
        QSignalSpy stops(&form4, &Form4::StopClicked);
        form4.show();
        QVERIFY(!form4.StopPressed());
        QTest::mouseClick(form4.Command1(), Qt::LeftButton);
        QTest::mouseClick(form4.Command1(), Qt::LeftButton);
        form4.Command1_Click();
        QCOMPARE(stops.count(), 1);
        QVERIFY(!form4.Command1()->isEnabled() && form4.StopPressed());
        Form4 other(QString{});
        QSignalSpy closeStops(&other, &Form4::StopClicked);
        other.show();
        QVERIFY(!other.close());
        QVERIFY(other.isVisible() && other.StopPressed());
        QCOMPARE(closeStops.count(), 1);
    }

    void twipsTurnIntoPixelsByTheScreensResolution() {
        const TwipsScale normal(96, 96), doubled(192, 144);
        QCOMPARE(normal.ToPixelsX(15), 1);
        QCOMPARE(normal.ToPixelsX(10065), 671);
        QCOMPARE(normal.ToTwipsY(401), 6015);
        QCOMPARE(doubled.ToPixelsY(1440), 144);
        QCOMPARE(doubled.ToPixels({150, 300, 1440, 720}), QRect(20, 30, 192, 72));
    }
};

QTEST_MAIN(ProgressAndLogTest)
#include "ProgressAndLogTest.moc"
