// Language files: the INI reader against the rules of the platform's profile-string reader,
// encodings and the letter case of file names, the message table and LanguageText.
#include <QStringDecoder>
#include <QTest>

#include "IniFileText.h"
#include "IniString.h"
#include "LanguageText.h"
#include "MessageTable.h"
#include "ProgramFolder.h"
#include "Windows1253.h"

using namespace morvane;
using morvane::test::ProgramFolder;

class LanguageFilesTest : public QObject {
    Q_OBJECT

  private:
    ProgramFolder folder_;

    QString Read(const QByteArray& file, const QString& key, const QString& fallback = "##") {
        return ReadIniString(u"Language", key, fallback, folder_.Write("test.ini", file));
    }
    static MessageId IdAt(std::size_t index) { return static_cast<MessageId>(index); }

  private slots:
    void lookup_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QByteArray& file, const char* key,
                            const QString& expected) {
            QTest::newRow(name) << file << QString(key) << expected;
        };
        row("names in other letter case", "[language]\nMESSAGE_2=Search\n", "message_2", "Search");
        row("blanks around the value", "[Language]\n  key \t=  \t a  value \t \n", "key",
            "a  value");
        row("empty value is a value", "[Language]\nkey=\n", "key", "");
        row("equals sign inside the value", "[Language]\nkey=a=b\n", "key", "a=b");
        row("double quotes discarded", "[Language]\nkey=\" padded \"\n", "key", " padded ");
        row("single quotes discarded", "[Language]\nkey='x'\n", "key", "x");
        row("unmatched quote kept", "[Language]\nkey=\"x'\n", "key", "\"x'");
        row("first of two keys", "[Language]\nkey=one\nKEY=two\n", "key", "one");
        row("only the first section of a name", "[Language]\na=1\n[X]\n[LANGUAGE]\nb=2\n", "b",
            "##");
        row("key of another section", "[Other]\nkey=x\n[Language]\n", "key", "##");
        row("missing key", "[Language]\nkey=x\n", "yek", "##");
        row("comment line is no key", "[Language]\n;key=x\n", ";key", "##");
        row("line without equals sign", "[Language]\nkey\n", "key", "##");
        row("CRLF line ends", "[Language]\r\na=1\r\nb=2\r\n", "b", "2");
        row("CR line ends", "[Language]\ra=1\rb=2\r", "a", "1");
        row("blanks around the section line", "  [Language]  \nkey=x\n", "key", "x");
        row("NUL inside the value cuts it", QByteArray("[Language]\nkey=ab\0cd\n", 19), "key",
            "ab");
        // The cut at 255 counts characters, not UTF-8 bytes, and keeps a surrogate pair whole.
        row("255 letters", "[Language]\nkey=" + QByteArray(255, 'y'), "key", QString(255, 'y'));
        row("300 Greek letters", "[Language]\nkey=" + QString(300, u'Ω').toUtf8(), "key",
            QString(255, u'Ω'));
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        row("surrogate pair at the cut",
            "[Language]\nkey=" + (QString(254, u'a') + emoji + u'b').toUtf8(), "key",
            QString(254, u'a') + emoji);
        QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        row("UTF-8 with mark", "\xEF\xBB\xBF" + QStringLiteral("[Language]\nk=Αρχείο\n").toUtf8(),
            "k", "Αρχείο");
        row("UTF-16 with mark", utf16(QStringLiteral("[Language]\r\nmessage_3=Αρχείο\r\n")),
            "message_3", "Αρχείο");
        row("Windows-1253", "[Language]\r\nmessage_3=\xC1\xF1\xF7\xE5\xDF\xEF\r\n", "message_3",
            "Αρχείο");
        // One bad byte decides for the whole file: "Ά" (CE 86) reads as two Windows-1253 letters.
        row("one byte that is no UTF-8",
            QStringLiteral("[Language]\nmessage_3=Ά\nother=").toUtf8() + "\xA2\n", "message_3",
            QString::fromUtf16(u"\u039E\u2020"));
    }
    void lookup() {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(Read(file, key), expected);
    }

    void theDefaultWhenNothingIsFound() {
        QCOMPARE(ReadIniString(u"Language", u"key", u"##", folder_.Path() + "absent.ini"),
                 QString("##"));
        QCOMPARE(ReadIniString(u"Language", u"key", u"fallback", folder_.Path()),
                 QString("fallback"));
        QCOMPARE(Read("", "key", "  text  "), QString("  text"));  // trailing blanks go
        QCOMPARE(Read("", "key", QString(300, u'd')), QString(255, u'd'));
        QCOMPARE(TrimAtNul(QStringLiteral("abc")), QStringLiteral("abc"));
        QCOMPARE(TrimAtNul(QString::fromUtf16(u"ab\0cd\0e", 7)), QStringLiteral("ab"));
        QCOMPARE(TrimAtNul(QString(3, u'\0')), QString());
    }

    void windows1253AgreesWithTheSystemCodec() {
        QCOMPARE(DecodeWindows1253("a\x81"
                                   "b\xD2\xFF"),
                 QString::fromUtf16(u"a\uFFFDb\uFFFD\uFFFD"));
        QCOMPARE(DecodeIniText("\xD2"), QString(QChar(0xFFFD)));
        QStringDecoder system("windows-1253");
        if (!system.isValid()) QSKIP("this Qt build has no Windows-1253 codec to compare with");
        for (int byte = 0; byte < 256; ++byte) {
            const QByteArray one(1, static_cast<char>(byte));
            const QString ours = DecodeWindows1253(one);
            QCOMPARE(ours.size(), 1);
            if (ours[0] != QChar(0xFFFD)) QCOMPARE(ours, system.decode(one));
        }
    }

    void fileNamesIgnoreLetterCaseButPreferTheExactName() {
        const ProgramFolder folder;
        const QString shipped = folder.Write("English.ini", "[Language]\nmessage_3=File\n");
        const std::optional<QString> found = FindFileIgnoringCase(folder.Path() + "english.ini");
        QVERIFY(found);
        QCOMPARE(QFileInfo(*found).canonicalFilePath(), QFileInfo(shipped).canonicalFilePath());
        QCOMPARE(ReadIniString(u"Language", u"message_3", u"##", folder.Path() + "english.ini"),
                 QString("File"));
        QVERIFY(QDir(folder.Path()).mkdir("Folder.ini"));
        for (const char* name : {"folder.ini", "Folder.ini", "sub/english.ini", "absent.ini"})
            QVERIFY2(!FindFileIgnoringCase(folder.Path() + name), name);
        QVERIFY(!FindFileIgnoringCase(QString()));
        folder.Write("a.ini", "[Language]\nk=lower\n");
        folder.Write("A.ini", "[Language]\nk=upper\n");
        if (QFileInfo(folder.Path() + "a.ini").canonicalFilePath() ==
            QFileInfo(folder.Path() + "A.ini").canonicalFilePath())
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
        QCOMPARE(partial.Text(MessageId::FileDialogTitle), QString("Pick a file"));
        QCOMPARE(partial.Text(MessageId::AskDeleteCountFiles), QString("Delete every %%% file?"));
        QCOMPARE(partial.Text(MessageId::AskDeleteAllFiles), QString("##"));
        QCOMPARE(partial.Text(MessageId::AskDeleteNode), QString("##"));
        const MessageTable english = LoadMessageTable(QStringLiteral(MORVANE_ENGLISH_INI));
        for (std::size_t i = 0; i < kMessageCount; ++i) {
            const QString& text = english.Text(IdAt(i));
            const QByteArray key = MessageTable::Key(IdAt(i)).toLatin1();
            QVERIFY2(text != "##" && !text.isEmpty(), key);
            QVERIFY2(text != MessageTable::Builtin().Text(IdAt(i)), key);
        }
        QVERIFY(english.Text(MessageId::AskDeleteCountFiles).contains("%%%"));
    }

    void languageTextReadsTheFileOnce() {
        const QString path = folder_.Write("Lang.ini", "[Language]\nForm1.help_menu=Contents\n");
        const LanguageText text(path);
        QCOMPARE(text.Lookup(u"form1.HELP_MENU"), QString("Contents"));
        folder_.Write("Lang.ini", "[Language]\nForm1.help_menu=Changed\n");
        QCOMPARE(text.Lookup(u"Form1.help_menu"), QString("Contents"));
        QCOMPARE(text.Lookup(u"Form1.exit_menu"), QString("##"));
        QCOMPARE(LanguageText(path).Lookup(u"Form1.help_menu"), QString("Changed"));
        QCOMPARE(LanguageText(QStringLiteral(MORVANE_ENGLISH_INI)).Lookup(u"Form5.Frame1"),
                 QString());  // the frames stay without caption
        const LanguageText builtin(QStringLiteral("Default"));
        QVERIFY(builtin.IsDefault());
        QCOMPARE(builtin.Lookup(u"message_2"), QString("##"));
        QVERIFY(!LanguageText(QStringLiteral("default")).IsDefault());
    }
};

QTEST_GUILESS_MAIN(LanguageFilesTest)
#include "LanguageFilesTest.moc"
