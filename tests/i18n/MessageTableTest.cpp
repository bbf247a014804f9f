// The message table in the built-in language and from files, LanguageText, and the shipped
// English file's completeness.
#include <QTemporaryDir>
#include <QTest>

#include "LanguageText.h"
#include "MessageTable.h"
#include "TestFiles.h"

using morvane::kMessageCount;
using morvane::LanguageText;
using morvane::LoadMessageTable;
using morvane::MessageId;
using morvane::MessageTable;
using morvane::test::WriteFile;

namespace {

MessageId IdAt(std::size_t index) {
    return static_cast<MessageId>(index);
}

const QStringList kGreek = {
    QStringLiteral("Επιλογή Αρχείου"),
    QStringLiteral("Δεν ειναι δυνατή η δημιουργία του φακέλου"),
    QStringLiteral("Αναζήτηση"),
    QStringLiteral("Αρχείο"),
    QStringLiteral("βρέθηκαν"),
    QStringLiteral("Αρχεία"),
    QStringLiteral("Όλα τα αρχεία"),
    QStringLiteral("Εκτελέσιμα Αρχεία"),
    QStringLiteral("Αρχεία Βιβλιοθηκών"),
    QStringLiteral("υπάρχει ήδη. Θέλετε να αντικατασταθεί;"),
    QStringLiteral("Επιλέξτε ένα έγκυρο όνομα αρχείου."),
    QStringLiteral("Είστε σίγουρος για την διαγραφή όλων των αρχείων;"),
    QStringLiteral("Είστε σίγουρος για την διαγραφή όλων των %%% αρχείων;"),
    QStringLiteral("Είστε σίγουρος για την διαγραφή του"),
};

// Every key a window of the program looks up in a language file.
QStringList CaptionKeys() {
    QStringList keys;
    for (const char* name : {"file_menu",
                             "show_all_files",
                             "sep_ektakto1",
                             "exit_menu",
                             "epiloges_menu",
                             "show_log_form_menu",
                             "separator_ff22",
                             "select_formats_menu",
                             "sep_ektakto2",
                             "metafrash_menu",
                             "select_language_menu",
                             "edit_menu",
                             "play_now_menu",
                             "sep_some4",
                             "delete_item_menu",
                             "delete_all_menu",
                             "sep_some44",
                             "bmp_menu",
                             "ico_menu",
                             "save_as_16_ico",
                             "help_menu_up",
                             "help_menu",
                             "sep_ektakto3",
                             "about_form",
                             "hide_menu",
                             "remove_node_item",
                             "clear_node_category",
                             "clear_node"}) {
        keys << QStringLiteral("Form1.") + QLatin1String(name);
    }
    keys << "Form2.Command1"
         << "Form2.Command2";
    for (int i = 1; i <= 14; ++i) keys << QStringLiteral("Form5.Check%1").arg(i);
    for (const char* name : {"Label1", "Label2", "Frame1", "Frame2", "Command1", "Command2",
                             "tabstrip1.1", "tabstrip1.2"}) {
        keys << QStringLiteral("Form5.") + QLatin1String(name);
    }
    return keys;
}

}  // namespace

class MessageTableTest : public QObject {
    Q_OBJECT

private slots:
    void builtinLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("the word") << "Default";
        QTest::newRow("a value ending in it") << "C:\\Programs\\Default";
    }

    void builtinLanguage() {
        QFETCH(QString, language);
        const MessageTable table = LoadMessageTable(language);
        QCOMPARE(table, MessageTable::Builtin());
        for (std::size_t i = 0; i < kMessageCount; ++i)
            QCOMPARE(table.Text(IdAt(i)), kGreek[int(i)]);
    }

    void fileLanguageWithMissingKeys() {
        QTemporaryDir folder;
        const QString path =
            WriteFile(folder, "Partial.ini",
                      "[language]\nFRM_CAP_1=Pick a file\nmessage_12=Delete every %%% file?\n");
        const MessageTable table = LoadMessageTable(path);
        QCOMPARE(table.Text(MessageId::FrmCap1), QString("Pick a file"));
        QCOMPARE(table.Text(MessageId::Message12), QString("Delete every %%% file?"));
        QCOMPARE(table.Text(MessageId::Message11), QString("##"));
        QCOMPARE(table.Text(MessageId::Message13), QString("##"));
    }

    void missingFileOrLowerCaseDefaultGivesMarkers() {
        for (const QString& language :
             {QStringLiteral("/no/such/English.ini"), QStringLiteral("default")}) {
            const MessageTable table = LoadMessageTable(language);
            for (std::size_t i = 0; i < kMessageCount; ++i)
                QCOMPARE(table.Text(IdAt(i)), QString("##"));
        }
    }

    void shippedEnglishIsComplete() {
        const QString english = QStringLiteral(MORVANE_ENGLISH_INI);
        const MessageTable table = LoadMessageTable(english);
        for (std::size_t i = 0; i < kMessageCount; ++i) {
            const QString& text = table.Text(IdAt(i));
            QVERIFY2(text != "##" && !text.isEmpty(),
                     qPrintable(MessageTable::Key(IdAt(i)).toString()));
            QVERIFY2(text != kGreek[int(i)], qPrintable(MessageTable::Key(IdAt(i)).toString()));
        }
        QVERIFY(table.Text(MessageId::Message12).contains("%%%"));
        const LanguageText text(english);
        for (const QString& key : CaptionKeys())
            QVERIFY2(text.Lookup(key) != "##", qPrintable(key));
        QCOMPARE(text.Lookup(u"Form5.Frame1"), QString());  // the frames stay without caption
    }

    void languageTextReadsTheFileOnce() {
        QTemporaryDir folder;
        const QString path =
            WriteFile(folder, "Lang.ini", "[Language]\nForm1.help_menu=Contents\n");
        const LanguageText text(path);
        QCOMPARE(text.Lookup(u"form1.HELP_MENU"), QString("Contents"));
        WriteFile(folder, "Lang.ini", "[Language]\nForm1.help_menu=Changed\n");
        QCOMPARE(text.Lookup(u"Form1.help_menu"), QString("Contents"));
        QCOMPARE(text.Lookup(u"Form1.exit_menu"), QString("##"));
        QCOMPARE(LanguageText(path).Lookup(u"Form1.help_menu"), QString("Changed"));
    }

    void languageTextOfTheBuiltinLanguage() {
        const LanguageText builtin(QStringLiteral("Default"));
        QVERIFY(builtin.IsDefault());
        QCOMPARE(builtin.Lookup(u"message_2"), QString("##"));
        QVERIFY(!LanguageText(QStringLiteral("default")).IsDefault());
    }
};

QTEST_GUILESS_MAIN(MessageTableTest)
#include "MessageTableTest.moc"
