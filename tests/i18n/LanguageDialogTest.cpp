// The language dialog: what it lists and preselects, what OK stores and says, and the
// translation command that opens the English file.
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

using morvane::Form7;
using morvane::ScanSettings;

namespace {

class RecordingMessages final : public morvane::MessageSink {
  public:
    QStringList shown;
    void ShowMessage(const QString& text) override { shown << text; }
};

// A program folder holding the given (empty) language files.
struct Fixture {
    morvane::test::ProgramFolder folder;
    ScanSettings settings;
    RecordingMessages messages;

    explicit Fixture(std::initializer_list<const char*> files) {
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

class LanguageDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void listsLanguageFilesByName() {
        Fixture f({"ba.ini", "English.ini", "a.ini", "OLD.INI", ".hidden.ini", "notes.txt"});
        QVERIFY(QDir(f.App()).mkdir(QStringLiteral("folder.ini")));
        QFile::setPermissions(f.App() + "a.ini", QFileDevice::ReadOwner);
        f.settings.language = QStringLiteral("Default");
        const Form7 dialog(f.settings, f.App(), f.messages);
        QStringList entries;
        for (int i = 0; i < dialog.Combo1()->count(); ++i) entries << dialog.Combo1()->itemText(i);
        QCOMPARE(entries, (QStringList{"Greek", ".hidden.ini", "a.ini", "ba.ini", "English.ini",
                                       "OLD.INI"}));
        QCOMPARE(dialog.Combo1()->currentIndex(), 0);
        Fixture empty({"notes.txt"});
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
        Fixture f({"a.ini", "ba.ini", "English.ini"});
        f.settings.language = language.arg(f.App());
        QCOMPARE(Form7(f.settings, f.App(), f.messages).Combo1()->currentText(), selected);
    }

    void okStoresTheChoiceAndAnnouncesIt() {
        Fixture f({"English.ini", "ba.ini"});
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
        Fixture f({});
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
        Fixture f({});
        morvane::test::RecordingShell shell;
        morvane::OpenEnglishLanguageFile(f.App());
        f.folder.Write("English.ini");
        morvane::OpenEnglishLanguageFile(f.App());
        QCOMPARE(shell.opened, (std::vector<std::string>{(f.App() + "english.ini").toStdString(),
                                                         (f.App() + "English.ini").toStdString()}));
    }
};

QTEST_MAIN(LanguageDialogTest)
#include "LanguageDialogTest.moc"
