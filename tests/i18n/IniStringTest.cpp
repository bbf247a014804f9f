// The INI reader against the rules of the platform's profile-string reader.
#include <QTemporaryDir>
#include <QTest>

#include "IniString.h"
#include "TestFiles.h"

using morvane::ReadIniString;
using morvane::TrimAtNul;
using morvane::test::WriteFile;

class IniStringTest : public QObject {
    Q_OBJECT

private:
    QString Ini(const QByteArray& bytes) { return WriteFile(folder_, QStringLiteral("test.ini"), bytes); }

    QTemporaryDir folder_;

private slots:
    void lookup_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        QTest::newRow("names in other letter case") << QByteArray("[language]\nMESSAGE_2=Search\n")
                                                    << "Language" << "message_2" << "Search";
        QTest::newRow("blanks around the value") << QByteArray("[Language]\n  key \t=  \t a  value \t \n")
                                                 << "Language" << "key" << "a  value";
        QTest::newRow("empty value is a value") << QByteArray("[Language]\nkey=\n") << "Language" << "key"
                                                << "";
        QTest::newRow("equals sign inside the value") << QByteArray("[Language]\nkey=a=b\n") << "Language"
                                                      << "key" << "a=b";
        QTest::newRow("double quotes discarded") << QByteArray("[Language]\nkey=\" padded \"\n")
                                                 << "Language" << "key" << " padded ";
        QTest::newRow("single quotes discarded") << QByteArray("[Language]\nkey='x'\n") << "Language" << "key"
                                                 << "x";
        QTest::newRow("unmatched quote kept") << QByteArray("[Language]\nkey=\"x'\n") << "Language" << "key"
                                              << "\"x'";
        QTest::newRow("first of two keys") << QByteArray("[Language]\nkey=one\nKEY=two\n") << "Language"
                                           << "key" << "one";
        QTest::newRow("only the first section of a name")
            << QByteArray("[Language]\na=1\n[Other]\n[LANGUAGE]\nb=2\n") << "Language" << "b" << "##";
        QTest::newRow("key of another section") << QByteArray("[Other]\nkey=x\n[Language]\n") << "Language"
                                                << "key" << "##";
        QTest::newRow("missing section") << QByteArray("[Other]\nkey=x\n") << "Language" << "key" << "##";
        QTest::newRow("missing key") << QByteArray("[Language]\nkey=x\n") << "Language" << "yek" << "##";
        QTest::newRow("comment line is no key") << QByteArray("[Language]\n;key=x\n") << "Language" << ";key"
                                                << "##";
        QTest::newRow("line without equals sign") << QByteArray("[Language]\nkey\n") << "Language" << "key"
                                                  << "##";
        QTest::newRow("CRLF line ends") << QByteArray("[Language]\r\na=1\r\nb=2\r\n") << "Language" << "b"
                                        << "2";
        QTest::newRow("CR line ends") << QByteArray("[Language]\ra=1\rb=2\r") << "Language" << "a" << "1";
        QTest::newRow("blanks around the section line") << QByteArray("  [Language]  \nkey=x\n") << "Language"
                                                        << "key" << "x";
        QTest::newRow("NUL inside the value cuts it") << QByteArray("[Language]\nkey=ab\0cd\n", 19)
                                                      << "Language" << "key" << "ab";
    }

    void lookup() {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(ReadIniString(section, key, u"##", Ini(file)), expected);
    }

    void missingFileGivesDefault() {
        QCOMPARE(ReadIniString(u"Language", u"key", u"##", folder_.filePath("absent.ini")), QString("##"));
        QCOMPARE(ReadIniString(u"Language", u"key", u"fallback", folder_.path()), QString("fallback"));
    }

    void defaultLosesTrailingBlanks() {
        QCOMPARE(ReadIniString(u"Language", u"key", u"  text  ", Ini("")), QString("  text"));
    }

    void valuesCutTo255Characters() {
        const QString latin(300, u'x');
        QCOMPARE(ReadIniString(u"Language", u"key", u"##", Ini("[Language]\nkey=" + latin.toUtf8())),
                 latin.left(255));
        const QString greek(300, u'Ω');  // two bytes each in UTF-8: the cut counts characters
        QCOMPARE(ReadIniString(u"Language", u"key", u"##", Ini("[Language]\nkey=" + greek.toUtf8())),
                 greek.left(255));
        const QString exact(255, u'y');
        QCOMPARE(ReadIniString(u"Language", u"key", u"##", Ini("[Language]\nkey=" + exact.toUtf8())), exact);
        QCOMPARE(ReadIniString(u"Language", u"key", QString(300, u'd'), Ini("")), QString(255, u'd'));
    }

    void cutKeepsSurrogatePairsWhole() {
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // one character, two UTF-16 units
        const QString value = QString(254, u'a') + emoji + u'b';
        QCOMPARE(ReadIniString(u"Language", u"key", u"##", Ini("[Language]\nkey=" + value.toUtf8())),
                 QString(254, u'a') + emoji);
    }

    void readsTheFileAgainOnEveryCall() {
        const QString path = Ini("[Language]\nkey=old\n");
        QCOMPARE(ReadIniString(u"Language", u"key", u"##", path), QString("old"));
        Ini("[Language]\nkey=new\n");
        QCOMPARE(ReadIniString(u"Language", u"key", u"##", path), QString("new"));
    }

    void trimAtNul_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no NUL") << "abc" << "abc";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("NUL in the middle") << QString::fromUtf16(u"ab\0cd\0e", 7) << "ab";
        QTest::newRow("NUL first") << QString(3, u'\0') << "";
    }

    void trimAtNul() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(TrimAtNul(text), expected);
    }
};

QTEST_GUILESS_MAIN(IniStringTest)
#include "IniStringTest.moc"
