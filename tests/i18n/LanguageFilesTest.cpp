// Language files: the INI reader against the rules of the platform's profile-string reader,
// encodings, the letter case of file names, the message table and the language dialog.
#include <QtTest>
#include <QtWidgets>

#include "AnsiText.h"
#include "EnglishLanguageFile.h"
#include "Form7.h"
#include "IniFileText.h"
#include "IniString.h"
#include "MessageTable.h"
#include "ProgramFolder.h"
#include "QtTranslation.h"
#include "RecordingShell.h"
#include "ScanSettings.h"
#include "SettingsFakes.h"
#include "StartLanguage.h"
#include "Windows1253.h"

using namespace morvane;
using morvane::test::ProgramFolder;
using morvane::test::ShippedEnglishFile;

namespace {
// What a file that is not UTF-8 reads as: on Windows in the system's code page, elsewhere in
// Windows-1253, which gives `greek`.
QString NotUtf8(const QByteArray& bytes, const QString& greek) {
    const std::optional<std::u16string> ansi =
        DecodeWithSystemCodePage(std::string_view(bytes.constData(), bytes.size()));
    return ansi ? QString::fromStdU16String(*ansi) : greek;
}
}  // namespace

class LanguageFilesTest : public QObject {
    Q_OBJECT

  private:
    ProgramFolder folder_;
    ScanSettings settings_;
    test::RecordingMessages messages_;

    QString Read(const QByteArray& file, const QString& key, const QString& fallback = "##") {
        return ReadIniString(u"Language", key, fallback, folder_.Write("test.ini", file));
    }
    static MessageId IdAt(std::size_t index) { return static_cast<MessageId>(index); }
    // Opens the language dialog on `language`, selects `entry` and presses OK or the close box.
    QString Choose(const ProgramFolder& app, const QString& language, const QString& entry,
                   bool ok = true) {
        settings_.language = language;
        Form7 dialog(settings_, app.Path(), messages_);
        dialog.open();
        dialog.Combo1()->setCurrentIndex(dialog.Combo1()->findText(entry));
        ok ? QTest::mouseClick(dialog.OkButton(), Qt::LeftButton) : void(dialog.close());
        if (dialog.isVisible()) QTest::qFail("the dialog stayed open", __FILE__, __LINE__);
        return settings_.language;
    }

  private slots:
    void lookup() {
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        // The cut at 255 counts characters, not UTF-8 bytes, and keeps a surrogate pair whole.
        // One bad byte decides for the whole file: "Ά" (CE 86) reads as two Windows-1253 letters.
        const std::tuple<QByteArray, const char*, QString> rows[] = {
            {"[language]\nMESSAGE_2=Search\n", "message_2", "Search"},
            {"[Language]\n  key \t=  \t a  value \t \n", "key", "a  value"},
            {"[Language]\nkey=\n", "key", ""},
            {"[Language]\nkey=a=b\n", "key", "a=b"},
            {"[Language]\nkey=\" padded \"\n", "key", " padded "},
            {"[Language]\nkey='x'\n", "key", "x"},
            {"[Language]\nkey=\"x'\n", "key", "\"x'"},
            {"[Language]\nkey=one\nKEY=two\n", "key", "one"},
            {"[Language]\na=1\n[X]\n[LANGUAGE]\nb=2\n", "b", "##"},
            {"[Other]\nkey=x\n[Language]\n", "key", "##"},
            {"[Language]\n;key=x\n", ";key", "##"},
            {"[Language]\nkey\n", "key", "##"},
            {"[Language]\r\na=1\r\nb=2\r\n", "b", "2"},
            {"[Language]\ra=1\rb=2\r", "a", "1"},
            {"  [Language]  \nkey=x\n", "key", "x"},
            {QByteArray("[Language]\nkey=ab\0cd\n", 19), "key", "ab"},
            {"[Language]\nkey=" + QString(300, u'Ω').toUtf8(), "key", QString(255, u'Ω')},
            {"[Language]\nkey=" + (QString(254, u'a') + emoji + u'b').toUtf8(), "key",
             QString(254, u'a') + emoji},
            {"\xEF\xBB\xBF" + QStringLiteral("[Language]\nk=Αρχείο\n").toUtf8(), "k", "Αρχείο"},
            {utf16(QStringLiteral("[Language]\r\nk=Αρχείο\r\n")), "k", "Αρχείο"},
            {"[Language]\r\nk=\xC1\xF1\xF7\xE5\xDF\xEF\r\n", "k",
             NotUtf8("\xC1\xF1\xF7\xE5\xDF\xEF", "Αρχείο")},
            {QStringLiteral("[Language]\nk=Ά\nother=").toUtf8() + "\xA2\n", "k",
             NotUtf8("\xCE\x86", QString::fromUtf16(u"\u039E\u2020"))}};
        for (const auto& [file, key, expected] : rows)
            QVERIFY2(Read(file, key) == expected, file.left(60).constData());
    }

    // Nothing found: the default, less its trailing blanks and cut at 255.
    void theDefaultWhenNothingIsFound() {
        QCOMPARE(QStringList({ReadIniString(u"Language", u"key", u"##", folder_.Path() + "absent"),
                              ReadIniString(u"Language", u"key", u"fallback", folder_.Path()),
                              Read("", "key", "  text  "), Read("", "key", QString(300, u'd')),
                              TrimAtNul(QStringLiteral("abc")),
                              TrimAtNul(QString::fromUtf16(u"ab\0cd\0e", 7)),
                              TrimAtNul(QString(3, u'\0'))}),
                 QStringList({"##", "fallback", "  text", QString(255, u'd'), "abc", "ab", ""}));
    }

    void windows1253AgreesWithTheSystemCodec() {
        QCOMPARE(DecodeWindows1253("a\x81"
                                   "b\xD2\xFF"),
                 QString::fromUtf16(u"a\uFFFDb\uFFFD\uFFFD"));
        QCOMPARE(DecodeIniText("\xD2"), NotUtf8("\xD2", QString(QChar(0xFFFD))));
        QStringDecoder system("windows-1253");
        if (!system.isValid()) QSKIP("this Qt build has no Windows-1253 codec to compare with");
        for (int byte = 0; byte < 256; ++byte) {
            const QByteArray one(1, static_cast<char>(byte));
            const QString ours = DecodeWindows1253(one);
            QVERIFY2(ours == QChar(0xFFFD) || ours == QString(system.decode(one)), one.toHex());
        }
    }

    // A file found in another letter case is read; a folder is no file; the exact name wins. The
    // translation command opens the English file in its letter case, or by name when absent.
    void fileNamesIgnoreLetterCaseButPreferTheExactName() {
        const ProgramFolder folder;
        test::RecordingShell shell;
        OpenEnglishLanguageFile(folder.Path());
        folder.Write("ENGLISH.INI", "[Language]\nk=File\n");
        OpenEnglishLanguageFile(folder.Path());
        QCOMPARE(shell.opened,
                 (std::vector<std::string>{(folder.Path() + "english.ini").toStdString(),
                                           (folder.Path() + "ENGLISH.INI").toStdString()}));
        QCOMPARE(ReadIniString(u"Language", u"k", u"##", folder.Path() + "english.ini"), "File");
        QVERIFY(QDir(folder.Path()).mkdir("Folder.ini"));
        for (const char* name : {"folder.ini", "Folder.ini", "sub/english.ini", "absent.ini", ""})
            QVERIFY2(!FindFileIgnoringCase(*name ? folder.Path() + name : QString()), name);
        folder.Write("a.ini", "[Language]\nk=lower\n");
        folder.Write("A.ini", "[Language]\nk=upper\n");
        if (QDir(folder.Path()).entryList({"a.ini", "A.ini"}, QDir::Files).size() < 2)
            QSKIP("the file system does not tell letter case apart");
        QCOMPARE(ReadIniString(u"Language", u"k", u"##", folder.Path() + "a.ini"), "lower");
        QCOMPARE(ReadIniString(u"Language", u"k", u"##", folder.Path() + "A.ini"), "upper");
    }

    // "Default" (also as the end of a value) is the built-in table; a missing file gives markers,
    // a file its texts and markers for its missing keys; the shipped English file is complete.
    void messageTables() {
        for (const char* language : {"Default", "C:\\Programs\\Default"})
            QCOMPARE(LoadMessageTable(language), MessageTable::Builtin());
        for (const char* language : {"default", "/no/such/English.ini"})
            for (std::size_t i = 0; i < kMessageCount; ++i)
                QCOMPARE(LoadMessageTable(language).Text(IdAt(i)), QString("##"));
        const MessageTable partial = LoadMessageTable(folder_.Write(
            "Partial.ini",
            "[language]\nFRM_CAP_1=Pick a file\nmessage_12=Delete every %%% file?\n"));
        QCOMPARE(QStringList({partial.Text(MessageId::FileDialogTitle),
                              partial.Text(MessageId::AskDeleteCountFiles),
                              partial.Text(MessageId::AskDeleteAllFiles)}),
                 QStringList({"Pick a file", "Delete every %%% file?", "##"}));
        const MessageTable english = LoadMessageTable(ShippedEnglishFile());
        for (std::size_t i = 0; i < kMessageCount; ++i) {
            const QString& text = english.Text(IdAt(i));
            QVERIFY2(
                text != "##" && !text.isEmpty() && text != MessageTable::Builtin().Text(IdAt(i)),
                qPrintable(MessageTable::Key(IdAt(i)).toString()));
        }
        QVERIFY(english.Text(MessageId::AskDeleteCountFiles).contains("%%%"));
    }

    // The stored language made safe at start-up ("@" stands for the program folder; an empty
    // message: none is shown). A fallback names the English file as it lies on disk, and one
    // that is not there gives the built-in Greek.
    void startLanguage() {
        ProgramFolder app, bare, lower;
        app.Write("English.ini");
        lower.Write("english.ini");
        const QString fallback = "\rdoes not exists. Set Language to ";
        const std::tuple<const ProgramFolder*, QString, QString, QString> rows[] = {
            {&app, "   ", "@English.ini", ""},
            {&app, "Default", "Default", ""},
            {&app, "@ENGLISH.INI", "@ENGLISH.INI", ""},
            {&app, " /x/english.INI ", "@English.ini",
             " /x/english.INI " + fallback + "@English.ini"},
            {&app, "/x/Deutsch.ini", "Default", "/x/Deutsch.ini" + fallback + "Default"},
            {&app, "default", "Default", "default" + fallback + "Default"},  // a path, not the word
            {&app, "@", "Default", "@" + fallback + "Default"},              // a folder is no file
            {&lower, "", "@english.ini", ""},
            {&lower, "/x/English.ini", "@english.ini",
             "/x/English.ini" + fallback + "@english.ini"},
            {&bare, "", "Default", ""},  // a Greek-only installation
            {&bare, "/x/English.ini", "Default", "/x/English.ini" + fallback + "Default"}};
        for (auto [folder, stored, expected, message] : rows) {
            const QString path = folder->Path();
            const StartLanguage start = ChooseStartLanguage(stored.replace("@", path), path);
            QCOMPARE(start.language + u'|' + start.message.value_or(QString()),
                     expected.replace("@", path) + u'|' + message.replace("@", path));
        }
    }

    // The dialog lists the program folder's language files by name and preselects the one in
    // use ("%1" stands for the program folder), else Greek; OK stores the choice and says so.
    void theLanguageDialog() {
        const ProgramFolder app;
        for (const char* name :
             {"ba.ini", "English.ini", "a.ini", "OLD.INI", ".hidden.ini", "notes.txt"})
            app.Write(name, "[Language]\n");
        QVERIFY(QDir(app.Path()).mkdir(QStringLiteral("folder.ini")));
        QFile::setPermissions(app.Path() + "a.ini", QFileDevice::ReadOwner);
        const std::pair<const char*, const char*> rows[] = {
            {"Default", "Greek"},   {"%1English.ini", "English.ini"}, {"%1ba.ini", "ba.ini"},
            {"%1a.ini", "a.ini"},   {"/elsewhere/a.ini", "a.ini"},    {"%1Deutsch.ini", "Greek"},
            {"%1xDefault", "Greek"}};
        for (const auto& [language, selected] : rows) {
            settings_.language = QString(language).replace("%1", app.Path());
            QCOMPARE(Form7(settings_, app.Path(), messages_).Combo1()->currentText(), selected);
        }
        const Form7 dialog(settings_, app.Path(), messages_);
        QStringList entries;
        for (int i = 0; i < dialog.Combo1()->count(); ++i) entries << dialog.Combo1()->itemText(i);
        QCOMPARE(entries, (QStringList{"Greek", ".hidden.ini", "a.ini", "ba.ini", "English.ini",
                                       "OLD.INI"}));
        const QString english = app.Path() + "English.ini";
        // The language in use, and a close box, change nothing and say nothing.
        QCOMPARE(Choose(app, "Default", "Greek"), QStringLiteral("Default"));
        QCOMPARE(Choose(app, english, "English.ini"), english);
        QCOMPARE(Choose(app, "Default", "English.ini", false), QStringLiteral("Default"));
        QCOMPARE(messages_.shown, QStringList());
        QCOMPARE(Choose(app, "Default", "English.ini"), english);
        QCOMPARE(Choose(app, english, "ba.ini"), app.Path() + "ba.ini");
        QCOMPARE(Choose(app, english, "Greek"), QStringLiteral("Default"));
        QCOMPARE(messages_.shown,
                 (QStringList{"Next time your language will be 'ENGLISH'.",
                              "Next time your language will be 'BA'.",
                              "Οι ρυθμίσεις θα εφαρμοστούν την επόμενη φορά που θα ανοιχθεί το "
                              "πρόγραμμα."}));
    }

    // Qt's own buttons speak the language in use: Greek for the built-in one, the language a
    // file's key "Locale" or its name names, English for any other file; choosing a language
    // switches them at once.
    void qtTextsFollowTheLanguage() {
        const ProgramFolder app;
        app.Write("English.ini", "[Language]\n");
        app.Write("Mine.ini", "[Language]\nLocale=fr\n");
        const std::pair<const char*, QLocale::Language> rows[] = {
            {"English.ini", QLocale::English}, {"Deutsch.ini", QLocale::German},
            {"GERMAN.ini", QLocale::German},   {"pt_BR.ini", QLocale::Portuguese},
            {"Ελληνικά.ini", QLocale::Greek},  {"Mine.ini", QLocale::French},
            {"Customised.ini", QLocale::C}};
        for (const auto& [name, language] : rows)
            QVERIFY2(LanguageOf(LanguageText(app.Path() + QString::fromUtf8(name))).language() ==
                         language,
                     name);
        QCOMPARE(LanguageOf(LanguageText("Default")).language(), QLocale::Greek);

        const auto buttons = [] {
            QMessageBox box;
            return box.addButton(QMessageBox::Yes)->text() + u'|' +
                   box.addButton(QMessageBox::Cancel)->text();
        };
        const QString english = "&Yes|Cancel";
        static const QRegularExpression kGreek(QStringLiteral("^[^a-zA-Z]+\\|[^a-zA-Z]+$"));
        ApplyQtTranslation(LanguageText("Default"));
        QVERIFY2(kGreek.match(buttons()).hasMatch(), qPrintable(buttons()));
        ApplyQtTranslation(LanguageText(app.Path() + "Customised.ini"));
        QCOMPARE(buttons(), english);
        Choose(app, app.Path() + "English.ini", "Greek");
        QVERIFY2(kGreek.match(buttons()).hasMatch(), qPrintable(buttons()));
        Choose(app, "Default", "English.ini");
        QCOMPARE(buttons(), english);
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QSKIP("Qt's German translation is not installed");
        ApplyQtTranslation(LanguageText(app.Path() + "Deutsch.ini"));
        QCOMPARE(buttons(), "&Ja|Abbrechen");
        ApplyQtTranslation(LanguageText(app.Path() + "English.ini"));
    }
};

QTEST_MAIN(LanguageFilesTest)
#include "LanguageFilesTest.moc"
