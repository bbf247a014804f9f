// The message table in the built-in language and from files, LanguageText, and the shipped
// English file's completeness.
#include <QTest>

#include "LanguageText.h"
#include "MessageTable.h"
#include "ProgramFolder.h"

using morvane::kMessageCount;
using morvane::LanguageText;
using morvane::LoadMessageTable;
using morvane::MessageId;
using morvane::MessageTable;

namespace {
MessageId IdAt(std::size_t index) {
    return static_cast<MessageId>(index);
}
}  // namespace

class MessageTableTest : public QObject {
    Q_OBJECT

  private slots:
    void builtinOrMarkers_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("builtin");
        QTest::newRow("the word") << "Default" << true;
        QTest::newRow("a value ending in it") << "C:\\Programs\\Default" << true;
        QTest::newRow("lower-case word is a path") << "default" << false;
        QTest::newRow("missing file") << "/no/such/English.ini" << false;
    }
    void builtinOrMarkers() {
        QFETCH(QString, language);
        QFETCH(bool, builtin);
        const MessageTable table = LoadMessageTable(language);
        if (builtin) QCOMPARE(table, MessageTable::Builtin());
        for (std::size_t i = 0; i < kMessageCount && !builtin; ++i)
            QCOMPARE(table.Text(IdAt(i)), QString("##"));
    }

    void fileLanguageWithMissingKeys() {
        const morvane::test::ProgramFolder folder;
        const MessageTable table = LoadMessageTable(
            folder.Write("Partial.ini",
                         "[language]\nFRM_CAP_1=Pick a file\nmessage_12=Delete every %%% file?\n"));
        QCOMPARE(table.Text(MessageId::FrmCap1), QString("Pick a file"));
        QCOMPARE(table.Text(MessageId::Message12), QString("Delete every %%% file?"));
        QCOMPARE(table.Text(MessageId::Message11), QString("##"));
        QCOMPARE(table.Text(MessageId::Message13), QString("##"));
    }

    void shippedEnglishIsComplete() {
        const MessageTable table = LoadMessageTable(QStringLiteral(MORVANE_ENGLISH_INI));
        for (std::size_t i = 0; i < kMessageCount; ++i) {
            const QString& text = table.Text(IdAt(i));
            const QByteArray key = MessageTable::Key(IdAt(i)).toLatin1();
            QVERIFY2(text != "##" && !text.isEmpty(), key);
            QVERIFY2(text != MessageTable::Builtin().Text(IdAt(i)), key);
        }
        QVERIFY(table.Text(MessageId::Message12).contains("%%%"));
    }

    void languageTextReadsTheFileOnce() {
        const morvane::test::ProgramFolder folder;
        const QString path = folder.Write("Lang.ini", "[Language]\nForm1.help_menu=Contents\n");
        const LanguageText text(path);
        QCOMPARE(text.Lookup(u"form1.HELP_MENU"), QString("Contents"));
        folder.Write("Lang.ini", "[Language]\nForm1.help_menu=Changed\n");
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

QTEST_GUILESS_MAIN(MessageTableTest)
#include "MessageTableTest.moc"
