// The INI reader against the rules of the platform's profile-string reader.
#include <QTest>

#include "IniString.h"
#include "ProgramFolder.h"

using morvane::ReadIniString;

class IniStringTest : public QObject {
    Q_OBJECT

  private:
    QString Read(const QByteArray& file, const QString& key, const QString& fallback = "##") {
        return ReadIniString(u"Language", key, fallback, folder_.Write("test.ini", file));
    }

    morvane::test::ProgramFolder folder_;

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
        row("missing section", "[Other]\nkey=x\n", "key", "##");
        row("missing key", "[Language]\nkey=x\n", "yek", "##");
        row("comment line is no key", "[Language]\n;key=x\n", ";key", "##");
        row("line without equals sign", "[Language]\nkey\n", "key", "##");
        row("CRLF line ends", "[Language]\r\na=1\r\nb=2\r\n", "b", "2");
        row("CR line ends", "[Language]\ra=1\rb=2\r", "a", "1");
        row("blanks around the section line", "  [Language]  \nkey=x\n", "key", "x");
        row("NUL inside the value cuts it", QByteArray("[Language]\nkey=ab\0cd\n", 19), "key",
            "ab");
        // The cut at 255 counts characters, not UTF-8 bytes, and keeps a surrogate pair whole.
        row("300 letters", "[Language]\nkey=" + QByteArray(300, 'x'), "key", QString(255, 'x'));
        row("255 letters", "[Language]\nkey=" + QByteArray(255, 'y'), "key", QString(255, 'y'));
        row("300 Greek letters", "[Language]\nkey=" + QString(300, u'Ω').toUtf8(), "key",
            QString(255, u'Ω'));
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        row("surrogate pair at the cut",
            "[Language]\nkey=" + (QString(254, u'a') + emoji + u'b').toUtf8(), "key",
            QString(254, u'a') + emoji);
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
    }

    void trimAtNul() {
        QCOMPARE(morvane::TrimAtNul(QStringLiteral("abc")), QStringLiteral("abc"));
        QCOMPARE(morvane::TrimAtNul(QString::fromUtf16(u"ab\0cd\0e", 7)), QStringLiteral("ab"));
        QCOMPARE(morvane::TrimAtNul(QString(3, u'\0')), QString());
    }
};

QTEST_GUILESS_MAIN(IniStringTest)
#include "IniStringTest.moc"
