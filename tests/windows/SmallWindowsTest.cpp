// The log window, the progress window's stop, the about box and the help command.
#include <QtTest>
#include <QtWidgets>

#include "CentreOver.h"
#include "Form3.h"
#include "Form4.h"
#include "HelpPage.h"
#include "MessageBoxes.h"
#include "MessageTable.h"
#include "ModalProbe.h"
#include "ProgramFolder.h"
#include "RecordingShell.h"
#include "SupportAddress.h"
#include "TellingShell.h"
#include "frmAbout.h"

using namespace morvane;
using namespace morvane::test;

namespace {
class RecordingBoxes final : public MessageBoxes {
  public:
    QStringList critical;
    void Show(const QString&, const QString&) override {}
    void Critical(const QString&, const QString& text) override { critical << text; }
    bool Ask(const QString&, const QString&) override { return false; }
};
}  // namespace

class SmallWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    // Under the main window, or resting on the screen's bottom; a clear without a selected line
    // takes nothing; closing says so and frees the window.
    void logWindow() {
        const QRect screen(0, 0, 1920, 1080);
        QCOMPARE(LogWindowPlacement({100, 50, 680, 450}, screen, 1, 66, 20),
                 QRect(100, 501, 680, 66));
        QCOMPARE(LogWindowPlacement({100, 700, 680, 350}, screen, 1, 66, 20),
                 QRect(100, 994, 680, 66));  // its frame's bottom on the screen's
        auto* form3 = new Form3;
        QListWidget* list = form3->List1();
        QStringList seen;
        for (const char* line : {"a", "b", "c"}) form3->AddLine(QString::fromLatin1(line));
        form3->SelectLastLine();
        QCOMPARE(list->currentRow(), 2);
        for (const int row : {-1, 1}) {
            row < 0 ? list->clearSelection() : list->setCurrentRow(row);
            form3->clear_item_menu()->trigger();
            seen << list->item(0)->text() + list->item(list->count() - 1)->text() +
                        QString::number(list->count());
        }
        form3->clear_menu()->trigger();
        QCOMPARE(seen << QString::number(list->count()), QStringList({"ac3", "ac2", "0"}));
        QSignalSpy unloading(form3, &Form3::Unloading);
        form3->show();
        QVERIFY(form3->close() && unloading.count() == 1);
        QPointer<Form3> guard(form3);
        QTRY_VERIFY(guard.isNull());

        // A line wider than the window, between short ones, is shown whole to scroll to, and
        // whole in its tooltip.
        Form3 narrow;
        narrow.resize(200, 100);
        narrow.show();
        const QString wide(120, u'x');
        for (const QString& line : {QStringLiteral("a"), wide, QStringLiteral("b")})
            narrow.AddLine(line);
        list = narrow.List1();
        QTRY_VERIFY(list->horizontalScrollBar()->maximum() > 0);
        QVERIFY(list->visualItemRect(list->item(1)).width() >
                    list->fontMetrics().horizontalAdvance(wide) &&
                list->item(1)->toolTip() == wide);
    }

    // A long path (no blanks to break at) and a long name take the lines they need at their
    // width; what is below moves down and the window grows, also without bar and button.
    void progressWindowShowsLongTextsWhole() {
        for (const bool shortened : {false, true}) {
            Form4 form4(QStringLiteral("Morvane"));
            if (shortened) form4.HideBarAndButton();
            const int designedHeight = form4.height();
            form4.show();
            const QString path = QStringLiteral("/a-long-folder-name").repeated(12);
            form4.Label3()->setText(path);
            form4.Label1()->setText(QStringLiteral("file-name.bin").repeated(9) + "\n\nSearching");
            QTRY_VERIFY(form4.height() > designedHeight);
            int below = 0;
            for (QWidget* control : QList<QWidget*>{form4.Label3(), form4.Label1(), form4.Label2(),
                                                    form4.ProgressBar1(), form4.StopButton()}) {
                if (control->isHidden()) continue;
                QVERIFY(control->y() >= below && control->geometry().right() < form4.width());
                below = control->geometry().bottom();
                if (auto* label = qobject_cast<QLabel*>(control)) {
                    const int needed = label->heightForWidth(label->width());
                    QVERIFY(needed <= label->height() &&
                            (label->text().isEmpty() ||
                             needed >= 3 * label->fontMetrics().lineSpacing()));
                }
            }
            QVERIFY(below < form4.height() && form4.StopButton()->isVisible() == !shortened);
        }
    }

    // The button asks once and then greys out; the close box asks too but keeps the window.
    void progressWindowStops() {
        Form4 form4(QStringLiteral("Morvane")), other(QString{});
        QSignalSpy stops(&form4, &Form4::StopClicked), closeStops(&other, &Form4::StopClicked);
        form4.show();
        other.show();
        QVERIFY(!form4.StopPressed());
        QTest::mouseClick(form4.StopButton(), Qt::LeftButton);
        form4.Command1_Click();
        QVERIFY(stops.count() == 1 && !form4.StopButton()->isEnabled() && form4.StopPressed());
        QVERIFY(!other.close() && closeStops.count() == 1 && other.isVisible() &&
                other.StopPressed());
    }

    // Greek for the built-in language only; the title joins the menu caption to the name, or is
    // the name alone; a left click on the mail line writes the mail, OK accepts.
    void aboutBox() {
        QStringList seen;
        for (const char* language : {"/opt/morvane/Ελληνικά.ini", "Default", "default"}) {
            ProbeNextModalDialog(this, [&seen](QDialog* shown) {
                auto* box = qobject_cast<frmAbout*>(shown);
                seen << (box ? box->windowTitle() + u'|' + box->MailLabel()->text() + u'|' +
                                   box->lblTitle()->text() + u'|' + box->lblVersion()->text()
                             : "<none>");
            });
            ShowAboutBox(nullptr, QString::fromUtf8(language), "Morvane", QPixmap(32, 32),
                         *language == 'D' ? std::nullopt : std::optional<QString>("Περί..."));
        }
        const QString version = "|Morvane|v." MORVANE_PROJECT_VERSION;
        QCOMPARE(seen, QStringList({"Περί... Morvane|Send e-mail" + version,
                                    "Morvane|Αποστολή e-mail" + version,
                                    "Περί... Morvane|Send e-mail" + version}));
        RecordingShell shell;
        frmAbout box(QStringLiteral("Default"), "Morvane", QPixmap(32, 32));
        box.open();
        QVERIFY(!box.picIcon()->pixmap().isNull());
        QTest::mouseClick(box.MailLabel(), Qt::LeftButton);
        QTest::mouseClick(box.MailLabel(), Qt::RightButton);
        QCOMPARE(shell.opened, std::vector<std::string>{"mailto:" MORVANE_SUPPORT_MAIL});
        QTest::mouseClick(box.cmdOK(), Qt::LeftButton);
        QVERIFY(!box.isVisible() && box.result() == QDialog::Accepted);
    }

    // Any language file gets the English page, found in any letter case; without one, nothing.
    void helpPageOfTheLanguage() {
        const ProgramFolder app, greekOnly, capitals;
        for (const char* page : {"help_gr.htm", "help_eng.htm"}) app.Write(page);
        greekOnly.Write("help_gr.htm");
        capitals.Write("HELP_GR.HTM");
        QStringList opened;
        for (const auto& [program, language] : {std::pair{&app, u"Default"},
                                                {&app, u"Ελληνικά.ini"},
                                                {&app, u"default"},
                                                {&greekOnly, u"English.ini"},
                                                {&capitals, u"Default"}}) {
            RecordingShell shell;
            const QString folder = program->Path(), name = QString::fromUtf16(language);
            const bool found = OpenHelpPage(name.endsWith(u".ini") ? folder + name : name, folder);
            QCOMPARE(found, !shell.opened.empty());
            opened << (found ? QString::fromStdString(shell.opened[0]).remove(folder) : "");
        }
        QCOMPARE(opened,
                 QStringList({"help_gr.htm", "help_eng.htm", "help_eng.htm", "", "HELP_GR.HTM"}));
    }

    // A window's whole frame, title bar included, lies within the screen's free area: centred on
    // its owner's frame where there is room, pulled down below the top edge or up above the
    // bottom one; one taller than the free area starts at its top.
    void framesLieWithinTheScreen() {
        const QRect free(0, 30, 1000, 700);
        const QMargins frame(4, 28, 4, 4);
        const QRect owner(100, 30, 600, 200), low(100, 600, 600, 130);
        QCOMPARE(CentredFrame({300, 200}, frame, {250, 300, 300, 300}, free),
                 QRect(246, 334, 308, 232));
        QCOMPARE(CentredFrame({300, 500}, frame, owner, free), QRect(246, 30, 308, 532));
        QCOMPARE(CentredFrame({300, 500}, frame, low, free), QRect(246, 198, 308, 532));
        QCOMPARE(CentredFrame({300, 800}, frame, low, free).topLeft(), QPoint(246, 30));
    }

    // A file no program could be started for is told in a box, naming it; one that opens is not.
    // Without xdg-open on the PATH the system's opener says it could start nothing; an xdg-open
    // that fails at once (no program for .ini files) is a failure too, and one that has started a
    // program returns while that program still runs.
    void aFileThatCannotBeOpenedIsTold() {
        RecordingShell inner;
        RecordingBoxes boxes;
        TellingShell shell(inner, boxes);
        const QString title = QStringLiteral("Morvane");
        const MessageTable words = MessageTable::Builtin();
        shell.SetWords(title, words);
        QVERIFY(shell.Open("/out/ICO/a.dll_1.ICO"));
        inner.starts = false;
        QVERIFY(!shell.Open("/out/LOG.txt"));
        QCOMPARE(boxes.critical,
                 QStringList{"Δεν βρέθηκε πρόγραμμα για το άνοιγμα του /out/LOG.txt"});
#ifndef _WIN32
        const ProgramFolder emptyPath;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(emptyPath.Path()));
        const bool started = SystemShellOpener().Open("/nowhere/a.txt");
        qputenv("PATH", path);
        QVERIFY(!started);
        const ProgramFolder fakes;
        for (const auto& [script, opens] :
             {std::pair{"exit 3", false}, {"sleep 3; : >\"$0.done\"", true}}) {
            const QString opener =
                fakes.Write(QStringLiteral("xdg-open"), QByteArray("#!/bin/sh\n") + script + "\n");
            QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("PATH", QFile::encodeName(fakes.Path()) + ":" + path);
            const bool opened = SystemShellOpener().Open("/nowhere/English.ini");
            qputenv("PATH", path);
            QCOMPARE(opened, opens);
            QVERIFY(!QFile::exists(opener + ".done"));
        }
#endif
    }
};

QTEST_MAIN(SmallWindowsTest)
#include "SmallWindowsTest.moc"
