// Finding and decoding language files: encodings and the letter case of the file name.
#include <QDir>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "IniFileText.h"
#include "IniString.h"
#include "TestFiles.h"
#include "Windows1253.h"

using morvane::DecodeIniText;
using morvane::DecodeWindows1253;
using morvane::FindFileIgnoringCase;
using morvane::ReadIniString;
using morvane::test::WriteFile;

class LanguageFileTest : public QObject {
    Q_OBJECT

private:
    QString Message3(const QByteArray& bytes) {
        return ReadIniString(u"Language", u"message_3", u"##",
                             WriteFile(folder_, "lang.ini", bytes));
    }

    QTemporaryDir folder_;

private slots:
    void utf8WithAndWithoutMark() {
        const QByteArray body = QStringLiteral("[Language]\nmessage_3=Αρχείο\n").toUtf8();
        QCOMPARE(Message3(body), QStringLiteral("Αρχείο"));
        // The mark must not stick to the section line in front of it.
        QCOMPARE(Message3("\xEF\xBB\xBF" + body), QStringLiteral("Αρχείο"));
    }

    void utf16WithMark() {
        const QString body = QStringLiteral("[Language]\r\nmessage_3=Αρχείο\r\n");
        QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        QCOMPARE(Message3(encoder(body)), QStringLiteral("Αρχείο"));
    }

    void eightBitGreekFile() {
        // "Αρχείο" in Windows-1253, which is not valid UTF-8.
        QCOMPARE(Message3("[Language]\r\nmessage_3=\xC1\xF1\xF7\xE5\xDF\xEF\r\n"),
                 QStringLiteral("Αρχείο"));
        // One bad byte anywhere decides for the whole file: the UTF-8 bytes of "Ά" (CE 86)
        // then read as two Windows-1253 characters.
        QCOMPARE(Message3(QStringLiteral("[Language]\nmessage_3=Ά\nother=").toUtf8() + "\xA2\n"),
                 QString::fromUtf16(u"\u039E\u2020"));
    }

    void windows1253AgreesWithTheSystemCodec() {
        QStringDecoder system("windows-1253");
        if (!system.isValid()) QSKIP("this Qt build has no Windows-1253 codec to compare with");
        for (int byte = 0; byte < 256; ++byte) {
            const QByteArray one(1, static_cast<char>(byte));
            const QString ours = DecodeWindows1253(one);
            QCOMPARE(ours.size(), 1);
            if (ours[0] == QChar(0xFFFD)) continue;  // undefined in the code page
            QCOMPARE(ours, system.decode(one));
        }
    }

    void undefinedBytesAreKeptAsReplacementCharacters() {
        QCOMPARE(DecodeWindows1253("a\x81"
                                   "b\xD2\xFF"),
                 QString::fromUtf16(u"a\uFFFDb\uFFFD\uFFFD"));
        QCOMPARE(DecodeIniText("\xD2"), QString(QChar(0xFFFD)));
    }

    void fileNameInAnotherLetterCase() {
        const QString shipped = WriteFile(folder_, "English.ini", "[Language]\nmessage_3=File\n");
        const QString asked = folder_.filePath("english.ini");
        const std::optional<QString> found = FindFileIgnoringCase(asked);
        QVERIFY(found);
        QCOMPARE(QFileInfo(*found).canonicalFilePath(), QFileInfo(shipped).canonicalFilePath());
        QCOMPARE(ReadIniString(u"Language", u"message_3", u"##", asked), QString("File"));
    }

    void exactNameIsPreferred() {
        QTemporaryDir own;
        WriteFile(own, "a.ini", "[Language]\nk=lower\n");
        WriteFile(own, "A.ini", "[Language]\nk=upper\n");
        if (QFileInfo(own.filePath("a.ini")).canonicalFilePath() ==
            QFileInfo(own.filePath("A.ini")).canonicalFilePath()) {
            QSKIP("the file system does not tell letter case apart");
        }
        QCOMPARE(ReadIniString(u"Language", u"k", u"##", own.filePath("a.ini")), QString("lower"));
        QCOMPARE(ReadIniString(u"Language", u"k", u"##", own.filePath("A.ini")), QString("upper"));
    }

    void foldersAndOtherFolderNamesDoNotCount() {
        QTemporaryDir own;
        QVERIFY(QDir(own.path()).mkdir("Folder.ini"));
        QVERIFY(!FindFileIgnoringCase(own.filePath("folder.ini")));
        QVERIFY(!FindFileIgnoringCase(own.filePath("Folder.ini")));
        WriteFile(own, "Greek.ini", "");
        QVERIFY(!FindFileIgnoringCase(own.filePath("sub/greek.ini")));
        QVERIFY(!FindFileIgnoringCase(own.filePath("absent.ini")));
        QVERIFY(!FindFileIgnoringCase(QString()));
    }
};

QTEST_GUILESS_MAIN(LanguageFileTest)
#include "LanguageFileTest.moc"
