// The toolbar and the menus: the dispatch on keys, the export guard, the translated captions,
// and the quit sequence that every way of closing runs.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>

#include "CommandTable.h"
#include "Form3.h"
#include "ListItemKey.h"
#include "MainToolbar.h"
#include "MainWindowHarness.h"
#include "MediaSamples.h"

using namespace morvane;
using morvane::test::MainWindowHarness;

class CommandsTest : public QObject {
    Q_OBJECT

  private:
    static void AddItem(Form1& window, const QString& key, const QString& text) {
        auto* item = new QListWidgetItem(text, window.Controls().ListView1);
        item->setData(kListItemKeyRole, key);
    }

  private slots:
    // A button and its menu entry are one action; English translates every entry and tooltip.
    void buttonsAndEntriesAreOneCommand() {
        MainWindowHarness h;
        Form1& window = h.Start();
        QToolBar& toolbar = *window.Controls().Toolbar1;
        QCOMPARE(toolbar.actions().size(), 13);
        for (const Command& command : Commands()) {
            if (command.key == nullptr) continue;
            const QString key = QString::fromLatin1(command.key);
            QAction* tooltipEntry = window.Menus().Entry(QString::fromLatin1(command.tooltipEntry));
            QVERIFY2(tooltipEntry != nullptr, command.key);
            QCOMPARE(CommandOfKey(key), &command);
            QAction* button = ToolbarButton(toolbar, key);
            QVERIFY(button != nullptr && !button->icon().isNull());
            QCOMPARE(button->toolTip(), tooltipEntry->text());
            if (command.entry != nullptr)
                QCOMPARE(button, window.Menus().Entry(QString::fromLatin1(command.entry)));
        }
        static const QRegularExpression kGreek(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
        for (const QString& name : window.Menus().EntryNames())
            QVERIFY2(!window.Menus().Entry(name)->text().contains(kGreek), qPrintable(name));
        QCOMPARE(window.Menus().Entry("play_now_menu")->text(), QStringLiteral("Open"));
        QCOMPARE(window.Menus().Menu("file_menu")->title(), QStringLiteral("File"));
        QCOMPARE(h.session.messages.Text(MessageId::FilesWord), QStringLiteral("Files"));
    }

    // Keys reach their commands (unknown ones nothing, an export needs an icon item without a
    // caption at the selected index) and the scan log goes to the shell unchecked.
    void keysDispatch() {
        MainWindowHarness h;
        Form1& window = h.Start();
        QToolBar& toolbar = *window.Controls().Toolbar1;
        const std::pair<QStringList, QStringList> keys[] = {
            {{"run_file"}, {"OpenItem"}},
            {{"DELETE"}, {"DeleteItem"}},
            {{"DELETE_ALL"}, {"DeleteAllItems"}},
            {{"INFO"}, {"ShowAbout"}},
            {{"BMP"}, {}},
            {{"exit", "Exit", "all_files", "", "EXIT "}, {}}};
        for (const auto& [pressed, calls] : keys) {
            h.commands.calls.clear();
            for (const QString& key : pressed) {
                QAction* button = ToolbarButton(toolbar, key);
                button != nullptr ? button->trigger() : window.Toolbar1_ButtonClick(key);
            }
            QCOMPARE(h.commands.calls, calls);
        }
        QVERIFY(window.isVisible() && h.shell.opened.isEmpty() && h.ScannedSources().isEmpty());
        ToolbarButton(toolbar, QStringLiteral("log_file"))->trigger();
        QCOMPARE(h.shell.opened,
                 QStringList({QString::fromStdString(h.output.path()) + "LOG.txt"}));

        const QString ico = QStringLiteral("/out/ICO/a.dll_0.ICO");
        const std::tuple<const char*, QString, const char*, int, QStringList> exports[] = {
            {"BMP", ico, "", 2, {"ExportIcon 48"}},
            {"ICO", ico, "", 2, {"ExportIcon 32"}},
            {"dekaeji", "/out/ICO/x.ico", "", 2, {"ExportIcon 16"}},
            {"ICO", "/out/CUR/a.dll_0.CUR", "", 2, {}},
            {"BMP", ico, "a.dll_0.ICO", 2, {}},
            {"BMP", ico, "", 0, {}},
            {"BMP", ico, "", 3, {}}};
        for (const auto& [key, itemKey, itemText, selected, calls] : exports) {
            window.Controls().ListView1->clear();
            AddItem(window, QStringLiteral("/out/GIF/a.dll_1.GIF"), QStringLiteral("a.dll_1.GIF"));
            AddItem(window, itemKey, QString::fromLatin1(itemText));
            h.session.selectedItem = selected;
            h.commands.calls.clear();
            ToolbarButton(toolbar, QString::fromLatin1(key))->trigger();
            QCOMPARE(h.commands.calls, calls);
        }
    }

    void menuEntriesReachTheirCommands() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Language"), QStringLiteral("Default"));
        Form1& window = h.Start();
        // The item menu's exports are unguarded: the context menu decides what they offer.
        for (const char* entry :
             {"play_now_menu", "delete_item_menu", "delete_all_menu", "bmp_menu", "ico_menu",
              "save_as_16_ico", "remove_node_item", "clear_node_category", "clear_node",
              "select_formats_menu", "select_language_menu", "help_menu", "about_form"})
            window.Menus().Entry(QString::fromLatin1(entry))->trigger();
        QCOMPARE(h.commands.calls,
                 QStringList({"OpenItem", "DeleteItem", "DeleteAllItems", "ExportIcon 48",
                              "ExportIcon 32", "ExportIcon 16", "RemoveNode", "ClearCategory",
                              "ClearAllNodes", "ShowOptions Ρυθμίσεις", "ShowLanguages Language",
                              "ShowHelp", "ShowAbout Περί..."}));
        ToolbarButton(*window.Controls().Toolbar1, "INFO")->trigger();
        QCOMPARE(ToolbarButton(*window.Controls().Toolbar1, "INFO")->toolTip(),
                 QStringLiteral("Πληροφορίες Προγράμματος"));  // the designed tooltip
        window.Menus().Entry(QStringLiteral("metafrash_menu"))->trigger();
        QCOMPARE(h.shell.opened, QStringList({h.AppFolder() + "English.ini"}));
    }

    // Every way of closing deletes first (if asked to), then stores the settings and the log
    // window's state as the close finds it.
    void closingSavesTheSettingsAfterTheDeletion() {
        const std::tuple<bool, bool, QString> rows[] = {
            {true, false, "exit_menu"}, {false, false, "EXIT"}, {true, true, "close box"}};
        for (const auto& [deleteOnExit, closeLogFirst, how] : rows) {
            MainWindowHarness h;
            h.Store(QStringLiteral("Delete_On_Exit"), deleteOnExit ? "True" : "False");
            h.Store(QStringLiteral("SCAN_BMP"), QStringLiteral("False"));
            h.Store(QStringLiteral("limit_search_value"), QStringLiteral("12"));
            Form1& window = h.Start();
            QString showLogWhenDeleting = QStringLiteral("<not asked>");
            h.commands.onDeleteOnExit = [&] { showLogWhenDeleting = h.Stored("Show_Log"); };
            if (closeLogFirst) {
                QVERIFY(window.LogWindow()->close());
                QVERIFY(!window.Menus().Entry(QStringLiteral("show_log_form_menu"))->isChecked());
            }
            QPointer<Form3> log = window.LogWindow();
            if (how == u"exit_menu") window.Menus().Entry(how)->trigger();
            if (how == u"EXIT") ToolbarButton(*window.Controls().Toolbar1, how)->trigger();
            if (how == u"close box") QVERIFY(window.close());
            QVERIFY(!window.isVisible() && (log.isNull() || !log->isVisible()));
            QVERIFY(window.LogWindow() == nullptr && h.boxes.shown.isEmpty());
            QCOMPARE(h.commands.calls.contains("DeleteOnExit"), deleteOnExit);
            QCOMPARE(showLogWhenDeleting, deleteOnExit ? QString() : "<not asked>");
            QStringList stored;
            for (const char* key :
                 {"Show_Log", "SCAN_BMP", "SCAN_ICO", "limit_search_value", "Delete_On_Exit"})
                stored << h.Stored(key);
            QCOMPARE(stored, QStringList({closeLogFirst ? "OXI" : "NAI", "False", "True", "12",
                                          deleteOnExit ? "True" : "False"}));
        }
    }

    // A language file changes the captions it names (to an empty text too; "##" leaves the
    // designed one), and every tooltip reads like its menu entry, an untranslated one as it is.
    void aLanguageFileChangesTheCaptionsItNames() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Language"),
                QString::fromStdString(h.app.Write(
                    "some.ini", test::ToBytes("[Language]\nForm1.file_menu=File\n"
                                              "form1.EXIT_MENU=Exit\nForm1.about_form=\n"
                                              "Form1.help_menu= ## \nForm1.play_now_menu=#\n"
                                              "message_2=Searching\n"))));
        Form1& window = h.Start();
        const QToolBar& bar = *window.Controls().Toolbar1;
        QCOMPARE(QStringList({window.Menus().Menu("file_menu")->title(),
                              window.Menus().Entry("exit_menu")->text(),
                              window.Menus().Entry("about_form")->text(),
                              window.Menus().Entry("help_menu")->text(),
                              window.Menus().Entry("play_now_menu")->text(),
                              ToolbarButton(bar, "EXIT")->toolTip(),
                              ToolbarButton(bar, "INFO")->toolTip(),
                              ToolbarButton(bar, "BMP")->toolTip()}),
                 QStringList({"File", "Exit", "", "Περιεχόμενα", "#", "Exit", "",
                              "Αποθήκευση ως   48x48 Icon"}));
        QCOMPARE(h.session.messages.Text(MessageId::Searching), QStringLiteral("Searching"));
        QCOMPARE(h.session.messages.Text(MessageId::FileWord), QStringLiteral("##"));
    }

    void aCloseDuringAScanWaitsForItsEnd() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
        for (int i = 1; i <= 5; ++i)
            h.WriteSource(QStringLiteral("W/w%1.bin").arg(i).toStdString());
        bool closed = true;
        const test::EveryEventLoopPass closeEarly([&] {
            if (h.Window() == nullptr || !closed || test::VisibleProgressWindow() == nullptr)
                return;
            closed = h.Window()->close();
        });
        Form1& window = h.Start(h.Source("W"));
        QVERIFY(!closed);
        QVERIFY(h.ScannedSources().size() < 5);
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(h.Stored(QStringLiteral("Show_Log")), QStringLiteral("OXI"));
    }
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
