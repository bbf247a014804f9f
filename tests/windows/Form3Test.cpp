// The log window: where it opens, its lines and its pop-up commands, and its closing.
#include <QAction>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "Form3.h"

using morvane::Form3;
using morvane::LogWindowPlacement;

class Form3Test : public QObject {
    Q_OBJECT

  private:
    static QStringList Lines(const Form3& form3) {
        QStringList lines;
        for (int i = 0; i < form3.List1()->count(); ++i) lines << form3.List1()->item(i)->text();
        return lines;
    }

  private slots:
    // Under the main window, or resting on the screen's bottom when the main window is low.
    void opensUnderTheMainWindow() {
        const QRect screen(0, 0, 1920, 1080);
        QCOMPARE(LogWindowPlacement({100, 50, 680, 450}, screen, 1, 66), QRect(100, 501, 680, 66));
        QCOMPARE(LogWindowPlacement({100, 700, 680, 350}, screen, 1, 66),
                 QRect(100, 1080 - 66, 680, 66));
    }

    void linesAndPopUpCommands() {
        Form3 form3;
        for (const char* line : {"a", "b", "c"}) form3.AddLine(QString::fromLatin1(line));
        form3.SelectLastLine();
        QCOMPARE(form3.List1()->currentRow(), 2);
        // Without a selected line, removing one does nothing.
        form3.List1()->clearSelection();
        form3.clear_item_menu()->trigger();
        QCOMPARE(Lines(form3), QStringList({"a", "b", "c"}));
        form3.List1()->setCurrentRow(1);
        form3.clear_item_menu()->trigger();
        QCOMPARE(Lines(form3), QStringList({"a", "c"}));
        form3.clear_menu()->trigger();
        QVERIFY(Lines(form3).isEmpty());
        form3.AddLine(QStringLiteral("again"));
        QCOMPARE(Lines(form3), QStringList({"again"}));
    }

    void closingTellsTheOwner() {
        auto* form3 = new Form3;
        QSignalSpy unloading(form3, &Form3::Unloading);
        form3->show();
        QVERIFY(form3->close());
        QCOMPARE(unloading.count(), 1);
        // It is gone once the event loop has run: its lines are discarded with it.
        QPointer<Form3> guard(form3);
        QTRY_VERIFY(guard.isNull());
    }
};

QTEST_MAIN(Form3Test)
#include "Form3Test.moc"
