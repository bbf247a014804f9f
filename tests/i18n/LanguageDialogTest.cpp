// The language dialog: what it lists and preselects, what OK stores and says, and the
// translation command that opens the English file.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "EnglishLanguageFile.h"
#include "Form7.h"
#include "MessageSink.h"
#include "ModalProbe.h"
#include "RecordingShell.h"
#include "ScanSettings.h"
#include "TestFiles.h"

using morvane::Form7;
using morvane::ScanSettings;
using morvane::test::RecordingShell;
using morvane::test::WriteFile;

namespace {

class RecordingMessages final : public morvane::MessageSink {
  public:
    QStringList shown;
    void ShowMessage(const QString& text) override { shown << text; }
};

const QString kGreekMessage =
    QStringLiteral("Οι ρυθμίσεις θα εφαρμοστούν την επόμενη φορά που θα ανοιχθεί το πρόγραμμα.");

QStringList Entries(const Form7& dialog) {
    QStringList entries;
    for (int i = 0; i < dialog.Combo1()->count(); ++i) entries << dialog.Combo1()->itemText(i);
    return entries;
}

}  // namespace

class LanguageDialogTest : public QObject {
    Q_OBJECT

  private:
    // The program folder, ending in a separator as the program's own folder does.
    QString AppFolder() const { return QDir(appFolder_.path()).absolutePath() + u'/'; }

    void Place(const char* name) { WriteFile(appFolder_, QString::fromUtf8(name), "[Language]\n"); }

    // Opens the dialog on `language`, selects `entry` and presses OK.
    QString ChooseAndConfirm(const QString& language, const QString& entry) {
        settings_.language = language;
        Form7 dialog(settings_, AppFolder(), messages_);
        dialog.open();
        dialog.Combo1()->setCurrentIndex(dialog.Combo1()->findText(entry));
        QTest::mouseClick(dialog.Command1(), Qt::LeftButton);
        if (dialog.isVisible()) QTest::qFail("OK left the dialog open", __FILE__, __LINE__);
        return settings_.language;
    }

    QTemporaryDir appFolder_;
    ScanSettings settings_;
    RecordingMessages messages_;

  private slots:
    void init() {
        messages_.shown.clear();
        QDir(appFolder_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(appFolder_.path()));
    }

    void folderWithoutLanguageFilesOffersOnlyGreek() {
        Place("notes.txt");
        QVERIFY(QDir(AppFolder()).mkdir(QStringLiteral("folder.ini")));
        settings_.language = QStringLiteral("Default");
        const Form7 dialog(settings_, AppFolder(), messages_);
        QCOMPARE(Entries(dialog), QStringList{QStringLiteral("Greek")});
        QCOMPARE(dialog.Combo1()->currentIndex(), 0);
    }

    void listsLanguageFilesByName() {
        for (const char* name : {"ba.ini", "English.ini", "a.ini", "OLD.INI", ".hidden.ini"})
            Place(name);
        QFile::setPermissions(AppFolder() + "a.ini", QFileDevice::ReadOwner);
        settings_.language = QStringLiteral("Default");
        const Form7 dialog(settings_, AppFolder(), messages_);
        QCOMPARE(Entries(dialog), (QStringList{"Greek", ".hidden.ini", "a.ini", "ba.ini",
                                               "English.ini", "OLD.INI"}));
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
        for (const char* name : {"a.ini", "ba.ini", "English.ini"}) Place(name);
        settings_.language = language.arg(AppFolder());
        const Form7 dialog(settings_, AppFolder(), messages_);
        QCOMPARE(dialog.Combo1()->currentText(), selected);
    }

    void choosingTheLanguageInUseChangesNothing() {
        Place("English.ini");
        QCOMPARE(ChooseAndConfirm("Default", "Greek"), QStringLiteral("Default"));
        const QString english = AppFolder() + "English.ini";
        QCOMPARE(ChooseAndConfirm(english, "English.ini"), english);
        QCOMPARE(messages_.shown, QStringList());
    }

    void choosingAFileStoresItsPathAndAnnouncesItsName() {
        Place("English.ini");
        Place("ba.ini");
        QCOMPARE(ChooseAndConfirm("Default", "English.ini"), AppFolder() + "English.ini");
        QCOMPARE(ChooseAndConfirm(AppFolder() + "English.ini", "ba.ini"), AppFolder() + "ba.ini");
        QCOMPARE(messages_.shown, (QStringList{"Next time your language will be 'ENGLISH'.",
                                               "Next time your language will be 'BA'."}));
    }

    void choosingGreekStoresDefault() {
        Place("English.ini");
        QCOMPARE(ChooseAndConfirm(AppFolder() + "English.ini", "Greek"), QStringLiteral("Default"));
        QCOMPARE(messages_.shown, QStringList{kGreekMessage});
    }

    void closeBoxLeavesTheLanguage() {
        Place("English.ini");
        settings_.language = QStringLiteral("Default");
        Form7 dialog(settings_, AppFolder(), messages_);
        dialog.open();
        dialog.Combo1()->setCurrentIndex(1);
        dialog.close();
        QCOMPARE(settings_.language, QStringLiteral("Default"));
        QCOMPARE(messages_.shown, QStringList());
    }

    void titleAndLabelFromTheMenuCaption() {
        settings_.language = QStringLiteral("Default");
        QString title;
        QString label;
        morvane::test::ProbeNextModalDialog(this, [&title, &label](QDialog* shown) {
            if (auto* dialog = qobject_cast<Form7*>(shown)) {
                title = dialog->windowTitle();
                label = dialog->Label1()->text();
            }
        });
        morvane::ShowLanguageDialog(nullptr, settings_, AppFolder(), messages_,
                                    QStringLiteral("Language"));
        QCOMPARE(title, QStringLiteral("Language"));
        QCOMPARE(label, QStringLiteral("Language:"));
    }

    void translationCommandOpensTheEnglishFile() {
        RecordingShell shell;
        morvane::OpenEnglishLanguageFile(AppFolder());
        Place("English.ini");
        morvane::OpenEnglishLanguageFile(AppFolder());
        QCOMPARE(shell.opened,
                 (std::vector<std::string>{(AppFolder() + "english.ini").toStdString(),
                                           (AppFolder() + "English.ini").toStdString()}));
    }
};

QTEST_MAIN(LanguageDialogTest)
#include "LanguageDialogTest.moc"
