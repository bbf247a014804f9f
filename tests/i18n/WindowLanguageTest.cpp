// The languages of the dialogs: the export dialog's caption pass, and the language dialog (what
// it lists and preselects, what OK stores and says, the translation command). The main window's
// captions are tested on the real window.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "EnglishLanguageFile.h"
#include "Form7.h"
#include "MessageSink.h"
#include "ModalProbe.h"
#include "ProgramFolder.h"
#include "RecordingShell.h"
#include "ScanSettings.h"
#include "WindowLanguage.h"

using morvane::Form7;
using morvane::ScanSettings;

namespace {

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
        ok ? QTest::mouseClick(dialog.Command1(), Qt::LeftButton) : void(dialog.close());
        if (dialog.isVisible()) QTest::qFail("the dialog stayed open", __FILE__, __LINE__);
        return settings.language;
    }
};

}  // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT

  private slots:
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

    // "%1" stands for the program folder, which holds a.ini, ba.ini and English.ini.
    void preselection() {
        const std::pair<const char*, const char*> rows[] = {{"Default", "Greek"},
                                                            {"%1English.ini", "English.ini"},
                                                            {"%1ENGLISH.INI", "English.ini"},
                                                            {"%1ba.ini", "ba.ini"},
                                                            {"%1a.ini", "a.ini"},
                                                            {"/elsewhere/a.ini", "a.ini"},
                                                            {"%1Deutsch.ini", "Greek"},
                                                            {"%1xDefault", "Greek"}};
        DialogFixture f({"a.ini", "ba.ini", "English.ini"});
        for (const auto& [language, selected] : rows) {
            f.settings.language = QString(language).arg(f.App());
            QCOMPARE(Form7(f.settings, f.App(), f.messages).Combo1()->currentText(), selected);
        }
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
