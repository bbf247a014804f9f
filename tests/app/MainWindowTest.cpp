// The main window on real files: start-up, drops, the browser, batches and stops; the toolbar,
// the menus, the export guard and the quit sequence; the translated captions; the resize rules
// and where the windows open; and no caption of any window cut off, in the built-in Greek, in
// English and in a language whose texts are 40 % longer than the English ones.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMoveEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include "ApplicationIcon.h"
#include "CategoryTree.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "Form7.h"
#include "ListItemKey.h"
#include "MainLayout.h"
#include "MainToolbar.h"
#include "MainWindowHarness.h"
#include "MessageSink.h"
#include "MessageTable.h"
#include "ScanSettings.h"
#include "SourceBrowser.h"
#include "WindowPlacement.h"
#include "frmAbout.h"

using namespace morvane;
using morvane::test::MainWindowHarness;

namespace {

class IgnoredMessages final : public MessageSink {
  public:
    void ShowMessage(const QString&) override {}
};

// English.ini with every text made 40 % longer by repeating its start.
void WriteLongerLanguage(const QString& path) {
    QFile english(QStringLiteral(MORVANE_ENGLISH_INI));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromLatin1(english.readAll()).split(u'\n');
    for (QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (line.startsWith(u';') || equals < 0) continue;
        const QString text = line.mid(equals + 1).trimmed();
        if (text.size() > 1) line += text.left((text.size() * 2 + 4) / 5);
    }
    QFile longer(path);
    QVERIFY(longer.open(QIODevice::WriteOnly));
    longer.write(lines.join(u'\n').toLatin1());
}

int PushButtonRoom(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.features = button.isDefault() ? QStyleOptionButton::DefaultButton : option.features;
    return button.fontMetrics().horizontalAdvance(button.text()) +
           button.style()->sizeFromContents(QStyle::CT_PushButton, &option, {}, &button).width();
}

// What shows less than its whole text, the marker of a missing translation, or (not `greek`) a
// Greek text left untranslated, as "window/control: text".
QStringList ClippedTexts(const QWidget& window, bool greek) {
    static const QRegularExpression kGreek(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
    QStringList clipped;
    const auto report = [&](const QWidget& control, const QString& text, int needed, int has) {
        if (needed > has || text.contains(u"##") || (!greek && text.contains(kGreek)))
            clipped << QStringLiteral("%1/%2: \"%3\" needs %4 px, has %5")
                           .arg(window.objectName(), control.objectName(), text,
                                QString::number(needed), QString::number(has));
    };
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window)) continue;
        if (const auto* label = qobject_cast<const QLabel*>(control);
            label && !label->text().isEmpty()) {
            if (label->wordWrap())
                report(*label, label->text(), label->heightForWidth(label->width()),
                       label->height());
            else
                report(*label, label->text(), label->sizeHint().width(), label->width());
        } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            report(*button, button->text(), PushButtonRoom(*button), button->width());
        } else if (const auto* check = qobject_cast<const QCheckBox*>(control)) {
            report(*check, check->text(), check->sizeHint().width(), check->width());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(control)) {
            report(*tabs, tabs->tabText(0) + u'|' + tabs->tabText(1), tabs->sizeHint().width(),
                   tabs->width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
            const int popup = std::max(combo->width(), combo->view()->minimumWidth());
            QStyleOptionComboBox box;
            box.initFrom(combo);
            const int closed =
                combo->style()
                    ->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, combo)
                    .width();
            for (int i = 0; i < combo->count(); ++i) {
                report(*combo, combo->itemText(i),
                       combo->view()->sizeHintForIndex(combo->model()->index(i, 0)).width(), popup);
                // (The drive list's entries are the machine's mount points, not the program's
                // texts: its drop-down shows them whole.)
                if (combo->objectName() != u"Drive1")
                    report(*combo, QStringLiteral("(closed) ") + combo->itemText(i),
                           combo->fontMetrics().horizontalAdvance(combo->itemText(i)), closed);
            }
        }
    }
    return clipped;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    // The client area of `window` made exactly `width` × `height` twips.
    static void ResizeClient(Form1& window, int width, int height) {
        const TwipsScale scale = TwipsScale::Of(window);
        window.resize(scale.ToPixelsX(width), scale.ToPixelsY(height) + window.menuBar()->height());
        QTRY_COMPARE(window.centralWidget()->height(), scale.ToPixelsY(height));
    }

    // Drags `urls` (or, when empty, a text) over the window and drops them there.
    static bool Drop(Form1& window, const QList<QUrl>& urls) {
        QMimeData data;
        urls.isEmpty() ? data.setText(QStringLiteral("C:\\not\\a\\drop")) : data.setUrls(urls);
        const QPoint middle = window.rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &drop);
        return drop.isAccepted();
    }

    static QStringList Sources(const MainWindowHarness& h, const QStringList& relative) {
        QStringList paths;
        for (const QString& name : relative) paths << h.Source(name.toStdString());
        return paths;
    }

    // Three MiB of filler with a GIF picture early in each MiB.
    static QString WriteLargeSource(const MainWindowHarness& h, const std::string& relative) {
        constexpr std::size_t kMiB = 1024 * 1024;
        test::Bytes bytes;
        for (std::uint32_t chunk = 0; chunk < 3; ++chunk) {
            test::Append(bytes, test::Filler(100, chunk + 1));
            test::Append(bytes, test::MakeGif());
            test::Append(bytes, test::Filler(kMiB - 100 - test::MakeGif().size(), chunk + 7));
        }
        return QString::fromStdString(h.sources.Write(relative, bytes));
    }

  private slots:
    void initTestCase() { QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false); }

    // A first start shows the program folder with the first filter, the buttons in order, and
    // opens the log window ("Show_Log" absent counts as "NAI"). A drop is scanned as a command line
    // is: a file alone with the window enabled, a folder as a batch, a path that is nothing not at
    // all; a drop without a local path is refused.
    void firstStartAndDrops() {
        MainWindowHarness h;
        const QString source = h.WriteSource("my folder/a file.bin");
        const QString one = h.WriteSource("a/one.dll");
        const QString two = h.WriteSource("a/two.dll");
        Form1& window = h.Start();
        QVERIFY(window.isVisible() && h.boxes.shown.isEmpty());
        QCOMPARE(window.Controls().Combo1->currentIndex(), 0);
        QCOMPARE(window.Browser().Pattern(), QStringLiteral("*.*"));
        QCOMPARE(window.Browser().Folder(), h.AppFolder().chopped(1));
        QVERIFY(!window.Menus().Menu("hide_menu")->menuAction()->isVisible());
        QAction* logEntry = window.Menus().Entry(QStringLiteral("show_log_form_menu"));
        QVERIFY(window.LogWindow() != nullptr && window.LogWindow()->isVisible());
        QVERIFY(logEntry->isChecked());
        QCOMPARE(window.LogWindow()->windowTitle(), logEntry->text());
        const QListWidget* lines = window.LogWindow()->List1();
        QCOMPARE(lines->count(), 0);
        // In English every entry and tooltip is translated; a button with an entry is that entry.
        QStringList keys;
        static const QRegularExpression kGreek(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
        for (const QAction* button : window.Controls().Toolbar1->actions()) {
            keys << (button->isSeparator() ? QStringLiteral("-") : ToolbarKey(*button));
            if (button->isSeparator()) continue;
            QVERIFY(!button->icon().isNull());
            QVERIFY2(!button->toolTip().isEmpty() && !button->toolTip().contains(kGreek),
                     qPrintable(keys.last()));
        }
        QCOMPARE(keys, QStringList({"ALL_FILES", "-", "run_file", "DELETE", "DELETE_ALL", "-",
                                    "BMP", "ICO", "dekaeji", "-", "log_file", "INFO", "EXIT"}));
        for (const QString& name : window.Menus().EntryNames())
            QVERIFY2(!window.Menus().Entry(name)->text().contains(kGreek), qPrintable(name));
        QCOMPARE(ToolbarButton(*window.Controls().Toolbar1, "run_file"),
                 window.Menus().Entry("play_now_menu"));

        QVERIFY(Drop(window, {QUrl::fromLocalFile(h.Source("no such folder"))}));
        QVERIFY(!Drop(window, {}));
        QVERIFY(!Drop(window, {QUrl(QStringLiteral("https://example.invalid/a.dll"))}));
        QVERIFY(h.ScannedSources().isEmpty());
        QList<bool> enabledWhileScanning;
        {
            const test::EveryEventLoopPass watch([&] {
                if (test::VisibleProgressWindow() != nullptr)
                    enabledWhileScanning << window.isEnabled();
            });
            QVERIFY(Drop(window, {QUrl::fromLocalFile(source)}));
        }
        QCOMPARE(h.ScannedSources(), QStringList({source}));
        QVERIFY(!enabledWhileScanning.isEmpty() && !enabledWhileScanning.contains(false));
        QVERIFY(test::VisibleProgressWindow() == nullptr);
        QCOMPARE(window.Controls().Panel1->text(), source);
        QCOMPARE(window.Browser().Folder(), h.Source("my folder"));
        QCOMPARE(window.Tree().SourceNodeKeys(), QStringList({"GIF#a file.bin"}));
        QCOMPARE(window.Tree().Node("GIF#a file.bin")->text(0), QStringLiteral("a file.bin(1)"));
        QVERIFY(test::FileExists(h.output.path() + "GIF/a file.bin_0.GIF"));
        QVERIFY(window.Tree().Node("GIF")->isExpanded() &&
                !window.Tree().Node("MID")->isExpanded());
        // The open log window got the scan's lines and shows the last.
        QVERIFY(lines->item(1)->text().endsWith(u'(' + source + u')'));
        QCOMPARE(lines->item(2)->text().left(30), QStringLiteral("GIF file found at offset: 65, "));
        QCOMPARE(lines->item(3)->text(), QStringLiteral("1 found ."));
        QCOMPARE(lines->currentRow(), lines->count() - 1);
        QVERIFY(Drop(window, {QUrl::fromLocalFile(h.Source("a"))}));
        QCOMPARE(h.ScannedSources(), (QStringList{source, one, two}));
    }

    // Depth first in name order, hidden files and folders left out, the window disabled under
    // the progress window, which counts the files in the built-in language.
    void foldersAreScannedDepthFirstInNameOrder() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
        h.Store(QStringLiteral("Language"), QStringLiteral("Default"));
        for (const char* file : {"A/C/c.bin", "A/B/D/d.bin", "A/B/b.bin", "A/a2.bin", "A/a1.bin",
                                 "A/.secret.bin", "A/.hidden/inside.bin"})
            h.WriteSource(file);
        Form1& window = h.Start();
        QVERIFY(window.Browser().SetFolder(h.Source("A")));
        QCOMPARE(window.Browser().Files(), QStringList({"a1.bin", "a2.bin"}));
        QList<bool> enabledWhileScanning;
        QStringList counters, texts;
        const test::EveryEventLoopPass watch([&] {
            Form4* form4 = test::VisibleProgressWindow();
            if (form4 == nullptr || form4->Label2()->text().isEmpty()) return;
            enabledWhileScanning << window.isEnabled();
            counters << form4->Label2()->text();
            texts << form4->Label1()->text();
        });
        window.Menus().Entry(QStringLiteral("show_all_files"))->trigger();

        QCOMPARE(h.ScannedSources(),
                 Sources(h, {"A/a1.bin", "A/a2.bin", "A/B/b.bin", "A/B/D/d.bin", "A/C/c.bin"}));
        QVERIFY(!enabledWhileScanning.isEmpty() && !enabledWhileScanning.contains(true));
        QVERIFY(window.isEnabled() && test::VisibleProgressWindow() == nullptr);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(window.Tree().SourceNodeKeys().size(), 5);
        QVERIFY(window.Tree().Node(QStringLiteral("GIF"))->isExpanded());
        QVERIFY(counters.contains("Αρχείο: 1 / 2") && counters.contains("Αρχείο: 2 / 2"));
        QVERIFY(texts.contains(QStringLiteral("\n\nΑναζήτηση 0 ")));
        const QString fourth = texts.filter(QStringLiteral("d.bin")).value(0);
        QVERIFY2(
            fourth.startsWith(QStringLiteral("d.bin\n\nΑναζήτηση ")) && fourth.endsWith(u" bytes."),
            qPrintable(fourth));
        // The stored "OXI" kept the log window closed; opened now, it is empty.
        QAction* logEntry = window.Menus().Entry(QStringLiteral("show_log_form_menu"));
        QVERIFY(window.LogWindow() == nullptr && !logEntry->isChecked());
        logEntry->trigger();
        QCOMPARE(window.LogWindow()->List1()->count(), 0);
    }

    // Without sub-folders, only the folder's own files that pass the filter.
    void theFilterChoosesWhatIsListedAndScanned() {
        MainWindowHarness h;
        h.Store(QStringLiteral("SCAN_SUB-FOLDERS"), QStringLiteral("False"));
        for (const char* file :
             {"F/tool.exe", "F/LIB.DLL", "F/data.bin", "F/setup.EXE", "F/sub/inner.exe"})
            h.WriteSource(file);
        Form1& window = h.Start();
        QVERIFY(window.Browser().SetFolder(h.Source("F")));
        QCOMPARE(window.Browser().Files().size(), 4);
        window.Controls().Combo1->setCurrentIndex(1);
        QCOMPARE(window.Browser().Pattern(), QStringLiteral("*.exe"));
        QCOMPARE(window.Browser().Files(), QStringList({"setup.EXE", "tool.exe"}));
        // The closed box is narrower than its entry: the tooltip shows it whole.
        QCOMPARE(window.Controls().Combo1->toolTip(), window.Controls().Combo1->itemText(1));
        window.show_all_files_Click();
        QCOMPARE(h.ScannedSources(), Sources(h, {"F/setup.EXE", "F/tool.exe"}));
        window.Controls().Combo1->setCurrentIndex(2);
        QCOMPARE(window.Browser().Files(), QStringList({"LIB.DLL"}));
    }

    void aStopEndsTheBatchWithTheFileInHand() {
        MainWindowHarness h;
        for (int i = 1; i <= 10; ++i)
            h.WriteSource(QStringLiteral("S/f%1.bin").arg(i, 2, 10, QChar(u'0')).toStdString());
        Form1& window = h.Start();
        QVERIFY(window.Browser().SetFolder(h.Source("S")));
        {
            const test::EveryEventLoopPass stopAtTheThird([] {
                Form4* form4 = test::VisibleProgressWindow();
                if (form4 && form4->Command1()->isEnabled() &&
                    form4->Label2()->text().endsWith(u": 3 / 10"))
                    QTest::mouseClick(form4->Command1(), Qt::LeftButton);
            });
            window.show_all_files_Click();
        }
        QCOMPARE(h.ScannedSources(), Sources(h, {"S/f01.bin", "S/f02.bin", "S/f03.bin"}));
        QCOMPARE(test::ListTree(h.output.path() + "GIF"),
                 std::vector<std::string>({"f01.bin_0.GIF", "f02.bin_0.GIF", "f03.bin_0.GIF"}));
        QVERIFY(test::VisibleProgressWindow() == nullptr && window.isEnabled());
        // The next batch starts with a new progress window whose button works again, and the
        // old stop does not end it at a first folder without files.
        h.WriteSource("E/sub/x.bin");
        QVERIFY(window.Browser().SetFolder(h.Source("E")));
        window.show_all_files_Click();
        QCOMPARE(h.ScannedSources().mid(3), QStringList({h.Source("E/sub/x.bin")}));
    }

    // The command line's scan keeps the window enabled but starts no second scan; a click on a
    // file then scans it alone, afresh, under a disabled window, and a stop takes effect within a
    // chunk.
    void oneScanAtATimeAndAStopWithinAChunk() {
        MainWindowHarness h;
        const QString large = WriteLargeSource(h, "C/large.bin");
        h.WriteSource("C/other.bin");
        bool tried = false;
        const test::EveryEventLoopPass interfere([&] {
            if (tried || h.Window() == nullptr || test::VisibleProgressWindow() == nullptr) return;
            tried = true;
            h.Window()->Toolbar1_ButtonClick(QStringLiteral("ALL_FILES"));
            QListWidget* files = h.Window()->Controls().File1;
            files->setCurrentItem(files->findItems("other.bin", Qt::MatchExactly).value(0));
            QVERIFY(h.Window()->Browser().SelectedFile() == QStringLiteral("other.bin"));
            h.Window()->File1_Click();
        });
        Form1& window = h.Start(large);
        QVERIFY(tried);
        QCOMPARE(h.ScannedSources(), QStringList({large}));
        QCOMPARE(window.Tree().SourceNodeKeys(), QStringList({"GIF#large.bin"}));
        QCOMPARE(window.Tree().Node("GIF#large.bin")->text(0), QStringLiteral("large.bin(3)"));

        QStringList counters;
        bool enabled = true;
        const test::EveryEventLoopPass stopAfterTheFirstChunk([&] {
            Form4* form4 = test::VisibleProgressWindow();
            if (form4 == nullptr) return;
            counters << form4->Label2()->text();
            enabled = enabled && window.isEnabled();
            if (form4->Command1()->isEnabled() && form4->Label1()->text().endsWith(u" bytes."))
                QTest::mouseClick(form4->Command1(), Qt::LeftButton);
        });
        QListWidget* files = window.Controls().File1;
        files->setCurrentRow(0);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(files->item(0)).center());
        QCOMPARE(h.ScannedSources(), QStringList({large, large}));
        QCOMPARE(window.Tree().Node("GIF#large.bin")->text(0), QStringLiteral("large.bin(1)"));
        QVERIFY(counters.contains(QStringLiteral("File: 1 / 1")));
        QVERIFY(!enabled && window.isEnabled());
    }

    // Buttons, keys and entries reach their commands (an unknown key nothing; an export button
    // needs an icon item without a caption at the selected index, the entries do not); the scan
    // log and the English file go to the shell unchecked.
    void commandsReachTheirHandlers() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Language"), QStringLiteral("Default"));
        Form1& window = h.Start();
        QToolBar& toolbar = *window.Controls().Toolbar1;
        for (const char* key : {"run_file", "DELETE", "DELETE_ALL", "INFO", "BMP"})
            ToolbarButton(toolbar, QString::fromLatin1(key))->trigger();
        for (const char* key : {"exit", "Exit", "all_files", "", "EXIT "})
            window.Toolbar1_ButtonClick(QString::fromLatin1(key));
        for (const char* entry :
             {"play_now_menu", "delete_item_menu", "delete_all_menu", "bmp_menu", "ico_menu",
              "save_as_16_ico", "remove_node_item", "clear_node_category", "clear_node",
              "select_formats_menu", "select_language_menu", "help_menu", "about_form"})
            window.Menus().Entry(QString::fromLatin1(entry))->trigger();
        QCOMPARE(h.commands.calls,
                 QStringList({"OpenItem", "DeleteItem", "DeleteAllItems", "ShowAbout", "OpenItem",
                              "DeleteItem", "DeleteAllItems", "ExportIcon 48", "ExportIcon 32",
                              "ExportIcon 16", "RemoveNode", "ClearCategory", "ClearAllNodes",
                              "ShowOptions Ρυθμίσεις", "ShowLanguages Language", "ShowHelp",
                              "ShowAbout Περί..."}));
        QCOMPARE(ToolbarButton(toolbar, "INFO")->toolTip(),
                 QStringLiteral("Πληροφορίες Προγράμματος"));  // the designed tooltip
        QVERIFY(window.isVisible() && h.shell.opened.isEmpty() && h.ScannedSources().isEmpty());
        ToolbarButton(toolbar, QStringLiteral("log_file"))->trigger();
        window.Menus().Entry(QStringLiteral("metafrash_menu"))->trigger();
        QCOMPARE(h.shell.opened, QStringList({QString::fromStdString(h.output.path()) + "LOG.txt",
                                              h.AppFolder() + "English.ini"}));

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
            new QListWidgetItem(QStringLiteral("a.dll_1.GIF"), window.Controls().ListView1);
            auto* item = new QListWidgetItem(itemText, window.Controls().ListView1);
            item->setData(kListItemKeyRole, itemKey);
            h.session.selectedItem = selected;
            h.commands.calls.clear();
            ToolbarButton(toolbar, QString::fromLatin1(key))->trigger();
            QCOMPARE(h.commands.calls, calls);
        }
    }

    // Every way of closing deletes first (if asked to), then stores the settings and the log
    // window's state as the close finds it; a close during a scan (here the command line's, of
    // a folder) stops it and waits for its end.
    void closingSavesTheSettingsAfterTheDeletion() {
        const std::tuple<bool, bool, QString> rows[] = {{true, false, "exit_menu"},
                                                        {false, false, "EXIT"},
                                                        {true, true, "close box"},
                                                        {false, false, "during a scan"}};
        for (const auto& [deleteOnExit, closeLogFirst, how] : rows) {
            MainWindowHarness h;
            h.Store(QStringLiteral("Delete_On_Exit"), deleteOnExit ? "True" : "False");
            h.Store(QStringLiteral("SCAN_BMP"), QStringLiteral("False"));
            h.Store(QStringLiteral("limit_search_value"), QStringLiteral("12"));
            const bool scanning = how == u"during a scan";
            for (int i = 1; scanning && i <= 5; ++i)
                h.WriteSource(QStringLiteral("W/w%1.bin").arg(i).toStdString());
            bool closed = true;
            const test::EveryEventLoopPass closeEarly([&] {
                if (scanning && closed && h.Window() && test::VisibleProgressWindow())
                    closed = h.Window()->close();
            });
            Form1& window = h.Start(scanning ? h.Source("W") : QString());
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
            if (scanning) {
                QVERIFY(!closed && h.ScannedSources().size() < 5);
                QCOMPARE(window.Browser().Folder(), h.Source("W"));
                QTRY_VERIFY(!window.isVisible());
            }
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

    // The filter texts widen the source column, the item list giving up the room; taller
    // stretches the lists and moves what is below; wider widens the item list, the status bar,
    // its first panel and the toolbar; too small keeps the last valid sizes.
    void theWindowPlacesItsControlsByTheRules() {
        MainWindowHarness h;
        Form1& window = h.Start();
        const TwipsScale scale = TwipsScale::Of(window);
        ResizeClient(window, kDesignClientWidth, kDesignClientHeight);
        const MainGeometry design = window.Geometry();
        const int column = design.Drive1.width - DesignGeometry().Drive1.width;
        QVERIFY(column > 0);
        QCOMPARE(design.ListView1.left + design.ListView1.width, 10035);  // as designed
        MainGeometry g = design;
        // About 1000 twips more each way, in whole pixels.
        const int wider = scale.ToTwipsX(scale.ToPixelsX(1000));
        const int taller = scale.ToTwipsY(scale.ToPixelsY(1000));
        ResizeClient(window, kDesignClientWidth + wider, kDesignClientHeight + taller);
        for (TwipsRect* list : {&g.ListView1, &g.TreeView1, &g.File1}) list->height += taller;
        g.Combo1.top += taller;
        g.StatusBar1.top += taller;
        for (TwipsRect* wide : {&g.ListView1, &g.StatusBar1, &g.Toolbar1}) wide->width += wider;
        g.panel1Width += wider;
        QCOMPARE(window.Geometry(), g);
        const Form1Controls& c = window.Controls();
        QCOMPARE(QList<QRect>({c.ListView1->geometry(), c.File1->geometry(), c.Combo1->geometry(),
                               c.StatusBar1->geometry()}),
                 QList<QRect>({scale.ToPixels(g.ListView1), scale.ToPixels(g.File1),
                               scale.ToPixels(g.Combo1), scale.ToPixels(g.StatusBar1)}));
        QCOMPARE(c.Panel2->width(), scale.ToPixelsX(3300));
        g = design;
        ApplyResizeRules(g, 5000, 1500);
        QCOMPARE(g.StatusBar1.top, 1500 - 945);
        QCOMPARE(
            QList<int>({g.ListView1.width, g.ListView1.height, g.File1.height}),
            QList<int>({design.ListView1.width, design.ListView1.height, design.File1.height}));

        // The log window hides while the main window is minimised; closed through its menu
        // entry, it stays closed whatever the main window does.
        Form3* log = window.LogWindow();
        QVERIFY(log != nullptr && log->isVisible());
        window.showMinimized();
        QTRY_VERIFY(!log->isVisible());
        window.showNormal();
        QTRY_VERIFY(log->isVisible());
        window.show_log_form_menu_Click();
        window.showMinimized();
        window.showNormal();
        QVERIFY(window.LogWindow() == nullptr);
    }

    // The main window opens centred; the log window takes the first known frame's left and
    // width, rests on the screen's bottom edge when low, and stays when the user moves later.
    void placement() {
        QWidget main;
        main.resize(679, 447);
        CentreOnScreen(main);
        const QRect free = main.screen()->availableGeometry();
        const QPoint off = main.geometry().center() - free.center();
        QVERIFY(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1);
        main.setGeometry(200, 100, 600, 400);
        QRect frame = main.geometry();  // no frame yet: the window manager has not placed it
        Form3 log;
        const QSize designed = log.size();
        new LogWindowPlacer(log, main, [&frame](const QWidget&) { return frame; });
        QMoveEvent move(main.pos(), main.pos());
        QCoreApplication::sendEvent(&main, &move);
        QCOMPARE(log.pos(), QPoint(0, 0));
        frame = QRect(150, free.bottom() - 300, 640, 280);
        QCoreApplication::sendEvent(&main, &move);
        QCOMPARE(log.geometry(), QRect(150, free.top() + free.height() - designed.height(), 640,
                                       designed.height()));
        frame.moveTo(10, 10);
        QCoreApplication::sendEvent(&main, &move);
        QCOMPARE(log.pos(), QPoint(150, free.top() + free.height() - designed.height()));
    }

    void everyCaptionFits_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("Greek") << QStringLiteral("Default");
        QTest::newRow("English") << QStringLiteral("English.ini");
        QTest::newRow("40 % longer") << QStringLiteral("Longer.ini");
    }

    void everyCaptionFits() {
        QFETCH(QString, language);
        MainWindowHarness h;
        WriteLongerLanguage(h.AppFolder() + QStringLiteral("Longer.ini"));
        const bool greek = language == u"Default";
        if (!greek) language = h.AppFolder() + language;
        h.Store(QStringLiteral("Language"), language);
        QStringList clipped = ClippedTexts(h.Start(), greek);

        ScanSettings settings;
        settings.language = language;
        IgnoredMessages messages;
        Form5 options(settings, messages);
        Form7 languages(settings, h.AppFolder(), messages);
        languages.SetTitle(QStringLiteral("Language"));
        frmAbout about(language, QStringLiteral("Morvane"), ApplicationIcon());
        const MessageTable table = LoadMessageTable(language);
        QString remembered;
        Form2 exportName({&table, &h.boxes, QStringLiteral("Morvane"), language, &remembered},
                         nullptr);
        for (QWidget* dialog :
             std::initializer_list<QWidget*>{&options, &languages, &about, &exportName}) {
            dialog->show();
            clipped << ClippedTexts(*dialog, greek);
        }
        options.TabStrip1()->setCurrentIndex(1);
        clipped << ClippedTexts(options, greek);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
