// The languages of the windows: the caption passes of the main window and the export dialog
// (which captions a file changes, which it leaves, the tooltips that follow the menus), and the
// language dialog (what it lists and preselects, what OK stores and says, the translation
// command).
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include "CaptionPass.h"
#include "EnglishLanguageFile.h"
#include "Form7.h"
#include "MessageSink.h"
#include "ModalProbe.h"
#include "ProgramFolder.h"
#include "RecordingShell.h"
#include "ScanSettings.h"
#include "WindowLanguage.h"

using morvane::Form7;
using morvane::MessageId;
using morvane::MessageTable;
using morvane::ScanSettings;

namespace {

// A main window with a few menu entries, a text box that has no caption, and two toolbar
// buttons whose designed tooltips differ from the entries they follow.
struct MainWindowFixture {
    QMainWindow window;
    QStringList controls;
    QAction* exitButton;
    QAction* bmpButton;

    MainWindowFixture() {
        QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Αρχείο"));
        menu->setObjectName(QStringLiteral("file_menu"));
        controls << menu->objectName();
        for (const char* name : {"exit_menu", "help_menu", "play_now_menu", "about_form"})
            AddEntry(*menu, name, QStringLiteral("designed ") + name);
        AddEntry(*menu, "bmp_menu", QStringLiteral("Αποθήκευση ως   48x48 Icon"));
        auto* field = new QLineEdit(QStringLiteral("text"), &window);
        field->setObjectName(QStringLiteral("Text1"));
        controls << field->objectName();
        QToolBar* toolbar = window.addToolBar(QStringLiteral("Toolbar1"));
        exitButton = toolbar->addAction(QStringLiteral("Έξοδος Προγάμματος"));
        exitButton->setToolTip(exitButton->text());
        bmpButton = toolbar->addAction(QStringLiteral("Αποθήκευση ως 48x48"));
        bmpButton->setToolTip(bmpButton->text());
    }
    void AddEntry(QMenu& menu, const char* name, const QString& caption) {
        QAction* entry = menu.addAction(caption);
        entry->setObjectName(QString::fromLatin1(name));
        controls << entry->objectName();
    }
    QString Caption(const char* name) const {
        return morvane::CaptionOf(*window.findChild<QObject*>(QString::fromLatin1(name)));
    }
    MessageTable Apply(const QString& language) {
        return morvane::ApplyMainWindowLanguage(
            window, controls, language,
            {{exitButton, QStringLiteral("exit_menu")}, {bmpButton, QStringLiteral("bmp_menu")}});
    }
};

class RecordingMessages final : public morvane::MessageSink {
  public:
    QStringList shown;
    void ShowMessage(const QString& text) override { shown << text; }
};

// A program folder holding the given (empty) language files.
struct DialogFixture {
    morvane::test::ProgramFolder folder;
    ScanSettings settings;
    RecordingMessages messages;

    explicit DialogFixture(std::initializer_list<const char*> files) {
        for (const char* name : files) folder.Write(QString::fromUtf8(name), "[Language]\n");
    }
    QString App() const { return folder.Path(); }
    // Opens the dialog on `language`, selects `entry` and presses OK or the close box.
    QString Choose(const QString& language, const QString& entry, bool ok = true) {
        settings.language = language;
        Form7 dialog(settings, App(), messages);
        dialog.open();
        dialog.Combo1()->setCurrentIndex(dialog.Combo1()->findText(entry));
        if (ok)
            QTest::mouseClick(dialog.Command1(), Qt::LeftButton);
        else
            dialog.close();
        if (dialog.isVisible()) QTest::qFail("the dialog stayed open", __FILE__, __LINE__);
        return settings.language;
    }
};

}  // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void defaultKeepsDesignedCaptionsAndTooltips() {
        MainWindowFixture form;
        QCOMPARE(form.Apply(QStringLiteral("Default")), MessageTable::Builtin());
        QCOMPARE(form.Caption("file_menu"), QStringLiteral("Αρχείο"));
        QCOMPARE(form.Caption("exit_menu"), QStringLiteral("designed exit_menu"));
        QCOMPARE(form.exitButton->toolTip(), QStringLiteral("Έξοδος Προγάμματος"));
        QCOMPARE(form.bmpButton->toolTip(), QStringLiteral("Αποθήκευση ως 48x48"));
    }

    void aFileChangesTheCaptionsItNames() {
        const morvane::test::ProgramFolder folder;
        MainWindowFixture form;
        const MessageTable messages = form.Apply(folder.Write("some.ini",
                                                              "[Language]\n"
                                                              "Form1.file_menu=File\n"
                                                              "form1.EXIT_MENU=Exit\n"
                                                              "Form1.about_form=\n"
                                                              "Form1.help_menu= ## \n"
                                                              "Form1.play_now_menu=#\n"
                                                              "Form1.Text1=changed\n"
                                                              "message_2=Searching\n"));
        QCOMPARE(form.Caption("file_menu"), QStringLiteral("File"));
        QCOMPARE(form.window.menuBar()->actions().first()->text(), QStringLiteral("File"));
        QCOMPARE(form.Caption("exit_menu"), QStringLiteral("Exit"));
        // An empty value is a text like any other; only the marker "##" leaves the control.
        QCOMPARE(form.Caption("about_form"), QString());
        QCOMPARE(form.Caption("help_menu"), QStringLiteral("designed help_menu"));
        QCOMPARE(form.Caption("play_now_menu"), QStringLiteral("#"));
        QCOMPARE(form.window.findChild<QLineEdit*>("Text1")->text(), QStringLiteral("text"));
        // Every tooltip now reads like its menu entry, an untranslated one as it is.
        QCOMPARE(form.exitButton->toolTip(), QStringLiteral("Exit"));
        QCOMPARE(form.bmpButton->toolTip(), QStringLiteral("Αποθήκευση ως   48x48 Icon"));
        QCOMPARE(messages.Text(MessageId::Searching), QStringLiteral("Searching"));
        QCOMPARE(messages.Text(MessageId::FileWord), QStringLiteral("##"));
    }

    void missingFileKeepsCaptionsButTooltipsFollowMenus() {
        const morvane::test::ProgramFolder folder;
        MainWindowFixture form;
        const MessageTable messages = form.Apply(folder.Path() + "absent.ini");
        QCOMPARE(form.Caption("exit_menu"), QStringLiteral("designed exit_menu"));
        QCOMPARE(form.exitButton->toolTip(), QStringLiteral("designed exit_menu"));
        QCOMPARE(messages.Text(MessageId::FileDialogTitle), QStringLiteral("##"));
    }

    void exportDialogButtons() {
        const morvane::test::ProgramFolder folder;
        QWidget Form2;
        auto* ok = new QPushButton(QStringLiteral("OK"), &Form2);
        ok->setObjectName(QStringLiteral("Command1"));
        auto* cancel = new QPushButton(QStringLiteral("Ακύρωση"), &Form2);
        cancel->setObjectName(QStringLiteral("Command2"));
        morvane::ApplyExportDialogLanguage(Form2, QStringLiteral("Default"));
        QCOMPARE(cancel->text(), QStringLiteral("Ακύρωση"));
        morvane::ApplyExportDialogLanguage(
            Form2,
            folder.Write("form2.ini", "[Language]\nForm2.Command2=Cancel\nForm1.Command1=x\n"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    }
    void listsLanguageFilesByName() {
        DialogFixture f({"ba.ini", "English.ini", "a.ini", "OLD.INI", ".hidden.ini", "notes.txt"});
        QVERIFY(QDir(f.App()).mkdir(QStringLiteral("folder.ini")));
        QFile::setPermissions(f.App() + "a.ini", QFileDevice::ReadOwner);
        f.settings.language = QStringLiteral("Default");
        const Form7 dialog(f.settings, f.App(), f.messages);
        QStringList entries;
        for (int i = 0; i < dialog.Combo1()->count(); ++i) entries << dialog.Combo1()->itemText(i);
        QCOMPARE(entries, (QStringList{"Greek", ".hidden.ini", "a.ini", "ba.ini", "English.ini",
                                       "OLD.INI"}));
        QCOMPARE(dialog.Combo1()->currentIndex(), 0);
        DialogFixture empty({"notes.txt"});
        QCOMPARE(Form7(empty.settings, empty.App(), f.messages).Combo1()->count(), 1);
    }

    void preselection_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("selected");
        QTest::newRow("Default") << "Default"
                                 << "Greek";
        QTest::newRow("English.ini") << "%1English.ini"
                                     << "English.ini";
        QTest::newRow("other letter case") << "%1ENGLISH.INI"
                                           << "English.ini";
        QTest::newRow("a.ini and ba.ini, ba.ini in use") << "%1ba.ini"
                                                         << "ba.ini";
        QTest::newRow("a.ini and ba.ini, a.ini in use") << "%1a.ini"
                                                        << "a.ini";
        QTest::newRow("a file of another folder") << "/elsewhere/a.ini"
                                                  << "a.ini";
        QTest::newRow("no such file") << "%1Deutsch.ini"
                                      << "Greek";
        QTest::newRow("ending in Default") << "%1xDefault"
                                           << "Greek";
    }
    void preselection() {
        QFETCH(QString, language);
        QFETCH(QString, selected);
        DialogFixture f({"a.ini", "ba.ini", "English.ini"});
        f.settings.language = language.arg(f.App());
        QCOMPARE(Form7(f.settings, f.App(), f.messages).Combo1()->currentText(), selected);
    }

    void okStoresTheChoiceAndAnnouncesIt() {
        DialogFixture f({"English.ini", "ba.ini"});
        const QString english = f.App() + "English.ini";
        // The language in use, and a close box, change nothing and say nothing.
        QCOMPARE(f.Choose("Default", "Greek"), QStringLiteral("Default"));
        QCOMPARE(f.Choose(english, "English.ini"), english);
        QCOMPARE(f.Choose("Default", "English.ini", false), QStringLiteral("Default"));
        QCOMPARE(f.messages.shown, QStringList());

        QCOMPARE(f.Choose("Default", "English.ini"), english);
        QCOMPARE(f.Choose(english, "ba.ini"), f.App() + "ba.ini");
        QCOMPARE(f.Choose(english, "Greek"), QStringLiteral("Default"));
        QCOMPARE(f.messages.shown,
                 (QStringList{"Next time your language will be 'ENGLISH'.",
                              "Next time your language will be 'BA'.",
                              "Οι ρυθμίσεις θα εφαρμοστούν την επόμενη φορά που θα ανοιχθεί το "
                              "πρόγραμμα."}));
    }

    void titleAndLabelFromTheMenuCaption() {
        DialogFixture f({});
        f.settings.language = QStringLiteral("Default");
        QString title, label;
        morvane::test::ProbeNextModalDialog(this, [&title, &label](QDialog* shown) {
            if (auto* dialog = qobject_cast<Form7*>(shown)) {
                title = dialog->windowTitle();
                label = dialog->Label1()->text();
            }
        });
        morvane::ShowLanguageDialog(nullptr, f.settings, f.App(), f.messages, "Language");
        QCOMPARE(title, QStringLiteral("Language"));
        QCOMPARE(label, QStringLiteral("Language:"));
    }

    void translationCommandOpensTheEnglishFile() {
        DialogFixture f({});
        morvane::test::RecordingShell shell;
        morvane::OpenEnglishLanguageFile(f.App());
        f.folder.Write("English.ini");
        morvane::OpenEnglishLanguageFile(f.App());
        QCOMPARE(shell.opened, (std::vector<std::string>{(f.App() + "english.ini").toStdString(),
                                                         (f.App() + "English.ini").toStdString()}));
    }
};

QTEST_MAIN(WindowLanguageTest)
#include "WindowLanguageTest.moc"
