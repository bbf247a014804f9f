// The log window (placement, lines, pop-up commands, closing), the progress window's stop, the
// about box (texts per language, version, titles, mail link, OK) and the help command.
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "Form3.h"
#include "Form4.h"
#include "HelpPage.h"
#include "ModalProbe.h"
#include "ProgramFolder.h"
#include "RecordingShell.h"
#include "SupportAddress.h"
#include "frmAbout.h"

using namespace morvane;
using morvane::test::ProgramFolder;

namespace {
const QString kTitle = QStringLiteral("Morvane");

QIcon SomeIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

// The help page the shell was asked to open, relative to the folder ("" for nothing).
QString Opened(const ProgramFolder& app, const QString& language) {
    test::RecordingShell shell;
    const bool opened = OpenHelpPage(language, app.Path());
    if (opened == shell.opened.empty()) QTest::qFail("wrong outcome reported", __FILE__, __LINE__);
    return shell.opened.empty() ? QString()
                                : QString::fromStdString(shell.opened.at(0)).remove(app.Path());
}
}  // namespace

class SmallWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    // Under the main window, or resting on the screen's bottom; a clear without a selected line
    // takes nothing; closing says so and frees the window.
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
            return texts.join(u',');
        };
        QStringList seen;
        for (const char* line : {"a", "b", "c"}) form3->AddLine(QString::fromLatin1(line));
        form3->SelectLastLine();
        QCOMPARE(form3->List1()->currentRow(), 2);
        form3->List1()->clearSelection();
        form3->clear_item_menu()->trigger();
        seen << lines();
        form3->List1()->setCurrentRow(1);
        form3->clear_item_menu()->trigger();
        seen << lines();
        form3->clear_menu()->trigger();
        form3->AddLine(QStringLiteral("again"));
        QCOMPARE(seen << lines(), QStringList({"a,b,c", "a,c", "again"}));
        QSignalSpy unloading(form3, &Form3::Unloading);
        form3->show();
        QVERIFY(form3->close());
        QCOMPARE(unloading.count(), 1);
        QPointer<Form3> guard(form3);  // gone with its lines once the event loop has run
        QTRY_VERIFY(guard.isNull());
    }

    // The button asks once and then greys out; the close box asks too but keeps the window.
    void progressWindowStops() {
        Form4 form4(kTitle), other(QString{});
        QSignalSpy stops(&form4, &Form4::StopClicked), closeStops(&other, &Form4::StopClicked);
        form4.show();
        other.show();
        QVERIFY(!form4.StopPressed());
        QTest::mouseClick(form4.Command1(), Qt::LeftButton);
        QTest::mouseClick(form4.Command1(), Qt::LeftButton);
        form4.Command1_Click();
        QCOMPARE(stops.count(), 1);
        QVERIFY(!form4.Command1()->isEnabled() && form4.StopPressed());
        QVERIFY(!other.close());
        QVERIFY(other.isVisible() && other.StopPressed());
        QCOMPARE(closeStops.count(), 1);
    }

    // Greek for the built-in language only; in Greek two sentences run together without a
    // blank, then the freeware sentence.
    void aboutTexts() {
        for (const QString language :
             {"Default", "/opt/morvane/English.ini", "/opt/morvane/Ελληνικά.ini", "default"}) {
            const bool greek = language == u"Default";
            const frmAbout box(language, kTitle, SomeIcon());
            const QString terms = box.lblDescription()->text();
            QVERIFY(terms.contains(QStringLiteral("freeware")));
            QCOMPARE(terms.contains(QRegularExpression(QStringLiteral("[\\x{0370}-\\x{03FF}]"))),
                     greek);
            QVERIFY(terms.contains(greek ? QStringLiteral("εγγύηση") : QStringLiteral("warranty")));
            QCOMPARE(box.Label4()->text(),
                     greek ? QStringLiteral("Αποστολή e-mail") : "Send e-mail");
            QVERIFY(!greek || terms.contains(QRegularExpression(
                                  QStringLiteral("^[^ \\n].*\\.[^ .\\n][^.\\n]*\\.\\n[^\\n]*$"))));
            QCOMPARE(QStringList({box.lblTitle()->text(), box.lblVersion()->text()}),
                     QStringList({kTitle, "v." MORVANE_PROJECT_VERSION}));
            QVERIFY(!box.picIcon()->pixmap().isNull());
        }
    }

    // The title joins the start-up menu caption to the name, or is the name alone (toolbar);
    // then the mail link and OK.
    void aboutTitlesMailLinkAndOk() {
        QStringList seen;
        const auto look = [&seen](QDialog* shown) {
            auto* box = qobject_cast<frmAbout*>(shown);
            seen << (box ? box->windowTitle() + u'|' + box->Label4()->text() : "<none>");
        };
        test::ProbeNextModalDialog(this, look);
        ShowAboutBox(nullptr, "/opt/morvane/English.ini", kTitle, SomeIcon(), "Περί...");
        test::ProbeNextModalDialog(this, look);
        ShowAboutBox(nullptr, "Default", kTitle, SomeIcon(), std::nullopt);
        QCOMPARE(seen, (QStringList{"Περί... Morvane|Send e-mail", "Morvane|Αποστολή e-mail"}));
        test::RecordingShell shell;
        frmAbout box(QStringLiteral("Default"), kTitle, SomeIcon());
        box.open();
        QCOMPARE(box.Label4()->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(box.Label4(), Qt::LeftButton);
        QTest::mouseClick(box.Label4(), Qt::RightButton);
        QCOMPARE(shell.opened,
                 std::vector<std::string>{std::string("mailto:") + MORVANE_SUPPORT_MAIL});
        QVERIFY(!std::string(MORVANE_SUPPORT_MAIL).empty());
        QTest::mouseClick(box.cmdOK(), Qt::LeftButton);
        QVERIFY(!box.isVisible() && box.result() == QDialog::Accepted);
    }

    // Any language file gets the English page; a page must be a file, found in any letter case.
    void helpPageOfTheLanguage() {
        const ProgramFolder app, greekOnly, capitals, folderPage;
        app.Write("help_gr.htm", "<html>gr</html>");
        app.Write("help_eng.htm", "<html>eng</html>");
        greekOnly.Write("help_gr.htm", "<html>gr</html>");
        QVERIFY(QDir(folderPage.Path()).mkdir(QStringLiteral("help_gr.htm")));
        QVERIFY(QFile::setPermissions(capitals.Write("HELP_GR.HTM", "<html>gr</html>"),
                                      QFileDevice::ReadOwner));
        QCOMPARE(QStringList({Opened(app, "Default"), Opened(app, app.Path() + "English.ini"),
                              Opened(app, app.Path() + "Ελληνικά.ini"), Opened(app, "default"),
                              Opened(greekOnly, greekOnly.Path() + "English.ini"),
                              Opened(folderPage, "Default"), Opened(capitals, "Default")}),
                 QStringList({"help_gr.htm", "help_eng.htm", "help_eng.htm", "help_eng.htm", "", "",
                              "HELP_GR.HTM"}));
    }
};

QTEST_MAIN(SmallWindowsTest)
#include "SmallWindowsTest.moc"
