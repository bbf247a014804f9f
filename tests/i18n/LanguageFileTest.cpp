// Finding and decoding language files: encodings and the letter case of the file name.
#include <QStringDecoder>
#include <QTest>

#include "IniFileText.h"
#include "IniString.h"
#include "ProgramFolder.h"
#include "Windows1253.h"

using morvane::DecodeWindows1253;
using morvane::FindFileIgnoringCase;
using morvane::ReadIniString;
using morvane::test::ProgramFolder;

class LanguageFileTest : public QObject {
    Q_OBJECT

  private slots:
    void encodings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message3");
        const QByteArray utf8 = QStringLiteral("[Language]\nmessage_3=Αρχείο\n").toUtf8();
        QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        QTest::newRow("UTF-8") << utf8 << "Αρχείο";
        // The mark must not stick to the section line in front of it.
        QTest::newRow("UTF-8 with mark") << "\xEF\xBB\xBF" + utf8 << "Αρχείο";
        QTest::newRow("UTF-16 with mark")
            << QByteArray(utf16(QStringLiteral("[Language]\r\nmessage_3=Αρχείο\r\n"))) << "Αρχείο";
        QTest::newRow("Windows-1253")
            << QByteArray("[Language]\r\nmessage_3=\xC1\xF1\xF7\xE5\xDF\xEF\r\n") << "Αρχείο";
        // One bad byte anywhere decides for the whole file: the UTF-8 bytes of "Ά" (CE 86)
        // then read as two Windows-1253 characters.
        QTest::newRow("one byte that is no UTF-8")
            << QStringLiteral("[Language]\nmessage_3=Ά\nother=").toUtf8() + "\xA2\n"
            << QString::fromUtf16(u"\u039E\u2020");
    }
    void encodings() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message3);
        const ProgramFolder folder;
        QCOMPARE(ReadIniString(u"Language", u"message_3", u"##", folder.Write("l.ini", bytes)),
                 message3);
    }

    void windows1253AgreesWithTheSystemCodec() {
        QCOMPARE(DecodeWindows1253("a\x81"
                                   "b\xD2\xFF"),
                 QString::fromUtf16(u"a\uFFFDb\uFFFD\uFFFD"));
        QCOMPARE(morvane::DecodeIniText("\xD2"), QString(QChar(0xFFFD)));
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
        QCOMPARE(ReadIniString(u"Language", u"k", u"##", folder.Path() + "a.ini"),
                 QString("lower"));
        QCOMPARE(ReadIniString(u"Language", u"k", u"##", folder.Path() + "A.ini"),
                 QString("upper"));
    }
};

QTEST_GUILESS_MAIN(LanguageFileTest)
#include "LanguageFileTest.moc"
