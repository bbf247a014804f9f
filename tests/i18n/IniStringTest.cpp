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
    QString Ini(const QByteArray& bytes) {
        return WriteFile(folder_, QStringLiteral("test.ini"), bytes);
    }

    static void Row(const char* name, const QByteArray& file, const char* key,
                    const char* expected) {
        QTest::newRow(name) << file << QString(key) << QString(expected);
    }

    QTemporaryDir folder_;

private slots:
    void lookup_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        Row("names in other letter case", "[language]\nMESSAGE_2=Search\n", "message_2", "Search");
        Row("blanks around the value", "[Language]\n  key \t=  \t a  value \t \n", "key",
            "a  value");
        Row("empty value is a value", "[Language]\nkey=\n", "key", "");
        Row("equals sign inside the value", "[Language]\nkey=a=b\n", "key", "a=b");
        Row("double quotes discarded", "[Language]\nkey=\" padded \"\n", "key", " padded ");
        Row("single quotes discarded", "[Language]\nkey='x'\n", "key", "x");
        Row("unmatched quote kept", "[Language]\nkey=\"x'\n", "key", "\"x'");
        Row("first of two keys", "[Language]\nkey=one\nKEY=two\n", "key", "one");
        Row("only the first section of a name", "[Language]\na=1\n[X]\n[LANGUAGE]\nb=2\n", "b",
            "##");
        Row("key of another section", "[Other]\nkey=x\n[Language]\n", "key", "##");
        Row("missing section", "[Other]\nkey=x\n", "key", "##");
        Row("missing key", "[Language]\nkey=x\n", "yek", "##");
        Row("comment line is no key", "[Language]\n;key=x\n", ";key", "##");
        Row("line without equals sign", "[Language]\nkey\n", "key", "##");
        Row("CRLF line ends", "[Language]\r\na=1\r\nb=2\r\n", "b", "2");
        Row("CR line ends", "[Language]\ra=1\rb=2\r", "a", "1");
        Row("blanks around the section line", "  [Language]  \nkey=x\n", "key", "x");
        Row("NUL inside the value cuts it", QByteArray("[Language]\nkey=ab\0cd\n", 19), "key",
            "ab");
    }

    void lookup() {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(ReadIniString(u"Language", key, u"##", Ini(file)), expected);
    }

    void missingFileGivesDefault() {
        QCOMPARE(ReadIniString(u"Language", u"key", u"##", folder_.filePath("absent.ini")),
                 QString("##"));
        QCOMPARE(ReadIniString(u"Language", u"key", u"fallback", folder_.path()),
                 QString("fallback"));
    }

    void defaultLosesTrailingBlanks() {
        QCOMPARE(ReadIniString(u"Language", u"key", u"  text  ", Ini("")), QString("  text"));
    }

    void valuesCutTo255Characters() {
        const QString latin(300, u'x');
        QCOMPARE(
            ReadIniString(u"Language", u"key", u"##", Ini("[Language]\nkey=" + latin.toUtf8())),
            latin.left(255));
        const QString greek(300, u'Ω');  // two bytes each in UTF-8: the cut counts characters
        QCOMPARE(
            ReadIniString(u"Language", u"key", u"##", Ini("[Language]\nkey=" + greek.toUtf8())),
            greek.left(255));
        const QString exact(255, u'y');
        QCOMPARE(
            ReadIniString(u"Language", u"key", u"##", Ini("[Language]\nkey=" + exact.toUtf8())),
            exact);
        QCOMPARE(ReadIniString(u"Language", u"key", QString(300, u'd'), Ini("")),
                 QString(255, u'd'));
    }

    void cutKeepsSurrogatePairsWhole() {
        const QString emoji =
            QString::fromUtf8("\xF0\x9F\x98\x80");  // one character, two UTF-16 units
        const QString value = QString(254, u'a') + emoji + u'b';
        QCOMPARE(
            ReadIniString(u"Language", u"key", u"##", Ini("[Language]\nkey=" + value.toUtf8())),
            QString(254, u'a') + emoji);
    }

    void trimAtNul_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no NUL") << "abc"
                                << "abc";
        QTest::newRow("empty") << ""
                               << "";
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
