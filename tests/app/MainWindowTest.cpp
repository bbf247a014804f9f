// The window program on real files: its paths and source browser; the main window's start-up,
// drops, batches, stops, commands, quit and resize rules; and no caption of any window cut off,
// in the built-in Greek or in a language whose texts are 40 % longer than the English ones.
#include <QtTest>
#include <QtWidgets>
#include <thread>

#include "ApplicationIcon.h"
#include "BoxMessageSink.h"
#include "CategoryTree.h"
#include "CommandLine.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "Form7.h"
#include "ListItemKey.h"
#include "MainLayout.h"
#include "MainToolbar.h"
#include "MainWindowHarness.h"
#include "MediaSamples.h"
#include "MessageTable.h"
#include "OutputRootChoice.h"
#include "ScanSettings.h"
#include "SourceBrowser.h"
#include "ToolbarImageList.h"
#include "Volumes.h"
#include "WindowSink.h"
#include "frmAbout.h"

using namespace morvane;
using namespace morvane::test;

namespace {

// The menu or menu entry that language files address as "Form1." + `name`.
template <typename Control = QAction>
Control* Named(const Form1& window, const QString& name) {
    return window.findChild<Control*>(name);
}

// Presses the stop button once the progress window shows the search under way.
void StopOnceSearching() {
    Form4* form4 = test::VisibleProgressWindow();
    if (form4 && form4->StopButton()->isEnabled() && form4->Label1()->text().endsWith(u" bytes."))
        QTest::mouseClick(form4->StopButton(), Qt::LeftButton);
}

// English.ini with every text made 40 % longer by repeating its start.
void WriteLongerLanguage(const QString& path) {
    QFile english(ShippedEnglishFile()), longer(path);
    QVERIFY(english.open(QIODevice::ReadOnly) && longer.open(QIODevice::WriteOnly));
    QStringList lines = QString::fromLatin1(english.readAll()).split(u'\n');
    for (QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (line.startsWith(u';') || equals < 0) continue;
        const QString text = line.mid(equals + 1).trimmed();
        if (text.size() > 1) line += text.left((text.size() * 2 + 4) / 5);
    }
    longer.write(lines.join(u'\n').toLatin1());
}

int PushButtonRoom(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.features = button.isDefault() ? QStyleOptionButton::DefaultButton : option.features;
    return button.fontMetrics().horizontalAdvance(button.text()) +
           button.style()->sizeFromContents(QStyle::CT_PushButton, &option, {}, &button).width();
}

// What shows less than its whole text (also where a frame or the window around it ends first),
// the marker of a missing translation, or (not `greek`) a Greek text left untranslated, as
// "window/control: text".
QStringList ClippedTexts(const QWidget& window, bool greek) {
    static const QRegularExpression kGreek(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
    QStringList clipped;
    const auto shown = [&window](const QWidget& control) {  // the width its containers leave it
        int width = control.width();
        for (const QWidget* c = control.parentWidget(); c;
             c = c == &window ? nullptr : c->parentWidget())
            width = std::min(width, c->width() - control.mapTo(c, QPoint()).x());
        return width;
    };
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
            const bool wraps = label->wordWrap();
            report(*label, label->text(),
                   wraps ? label->heightForWidth(label->width()) : label->sizeHint().width(),
                   wraps ? label->height() : shown(*label));
        } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            report(*button, button->text(), PushButtonRoom(*button), shown(*button));
        } else if (const auto* check = qobject_cast<const QCheckBox*>(control)) {
            report(*check, check->text(), check->sizeHint().width(), shown(*check));
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(control)) {
            report(*tabs, tabs->tabText(0) + u'|' + tabs->tabText(1), tabs->sizeHint().width(),
                   shown(*tabs));
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

  private slots:
    void initTestCase() {
        QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
        // Offscreen, Qt on Windows knows no system font (Linux's is Sans Serif, 9 points).
        if (QSysInfo::productType() == u"windows")
            QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    }

    // A first start shows the program folder, the first filter, the buttons in order and the log
    // window. A drop is scanned as a command line is (a file alone, a folder as a batch, a path to
    // nothing not at all); one without a local path is refused.
    void firstStartAndDrops() {
        MainWindowHarness h;
        const QString source = h.WriteSource("my folder/a file.bin");
        h.WriteSource("a/one.dll");
        h.WriteSource("a/two.dll");
        Form1& window = h.Start();
        const MainMenus& menus = window.Menus();
        QCOMPARE(QStringList({QString::number(window.Controls().Combo1->currentIndex()),
                              window.Browser().Pattern(), window.Browser().Folder()}),
                 QStringList({"0", "*.*", h.AppFolder().chopped(1)}));
        QAction* logEntry = Named(window, "show_log_form_menu");
        QVERIFY(window.isVisible() && h.boxes.shown.isEmpty() && logEntry->isChecked() &&
                !Named<QMenu>(window, "hide_menu")->menuAction()->isVisible() &&
                window.LogWindow() && window.LogWindow()->isVisible());
        // A tool window of the main window, not one kept above the dialogs.
        QVERIFY(window.LogWindow()->parentWidget() == &window &&
                !window.LogWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QListWidget* lines = window.LogWindow()->List1();
        QCOMPARE(lines->count(), 0);
        // In English no menu, entry or tooltip is Greek; a button with an entry is that entry.
        QStringList keys, texts;
        for (const QAction* button : window.Controls().Toolbar1->actions()) {
            keys << (button->isSeparator() ? QStringLiteral("-") : ToolbarKey(*button));
            QVERIFY2(button->isSeparator() || !button->icon().isNull(), qPrintable(keys.last()));
            if (!button->isSeparator()) texts << button->toolTip();
        }
        QCOMPARE(keys, QStringList({"ALL_FILES", "-", "run_file", "DELETE", "DELETE_ALL", "-",
                                    "BMP", "ICO", "dekaeji", "-", "log_file", "INFO", "EXIT"}));
        for (const QString& name : menus.MenuNames()) texts << Named<QMenu>(window, name)->title();
        for (const QString& name : menus.EntryNames())
            if (!Named(window, name)->isSeparator()) texts << Named(window, name)->text();
        static const QRegularExpression kGreekOrNothing(QStringLiteral("[\\x{0370}-\\x{03FF}]|^$"));
        QVERIFY2(texts.filter(kGreekOrNothing).isEmpty(), qPrintable(texts.join(u'|')));
        QCOMPARE(ToolbarButton(*window.Controls().Toolbar1, "run_file"),
                 Named(window, "play_now_menu"));

        QVERIFY(Drop(window, {QUrl::fromLocalFile(h.Source("no such folder"))}) && h.ScanEnds());
        QVERIFY(!Drop(window, {}) &&
                !Drop(window, {QUrl(QStringLiteral("https://example.invalid/a.dll"))}));
        QVERIFY(h.ScannedSources().isEmpty() && Drop(window, {QUrl::fromLocalFile(source)}) &&
                h.ScanEnds());
        QCOMPARE(h.ScannedSources(), QStringList({"my folder/a file.bin"}));
        QVERIFY(test::VisibleProgressWindow() == nullptr);
        QCOMPARE(QStringList({window.Controls().Panel1->text(), window.Browser().Folder(),
                              window.Tree().SourceNodeKeys().join(u'|'),
                              window.Tree().Node("GIF#a file.bin")->text(0)}),
                 QStringList({source, h.Source("my folder"), "GIF#a file.bin", "a file.bin(1)"}));
        QVERIFY(test::FileExists(h.output.path() + "GIF/a file.bin_0.GIF") &&
                window.Tree().Node("GIF")->isExpanded() &&
                !window.Tree().Node("MID")->isExpanded());
        // The open log window got the scan's lines and shows the last.
        QVERIFY(lines->item(1)->text().endsWith(u'(' + source + u')'));
        QCOMPARE(QStringList({lines->item(2)->text().left(30), lines->item(3)->text(),
                              QString::number(lines->count() - lines->currentRow())}),
                 QStringList({"GIF file found at offset: 65, ", "1 found .", "1"}));
        QVERIFY(Drop(window, {QUrl::fromLocalFile(h.Source("a"))}) && h.ScanEnds());
        QCOMPARE(h.ScannedSources(),
                 QStringList({"my folder/a file.bin", "a/one.dll", "a/two.dll"}));
    }

    // Without an English file beside the program, a first start and a start whose English file
    // has gone both speak the built-in Greek: the tree and the filter show no missing texts, and
    // only the replaced choice is told, once.
    void aGreekOnlyInstallationStartsInGreek() {
        for (const QString& stored : {QString(), QStringLiteral("/gone/English.ini")}) {
            MainWindowHarness h;
            QVERIFY(QFile::remove(h.AppFolder() + "English.ini"));
            if (!stored.isEmpty()) h.Store(QStringLiteral("Language"), stored);
            const Form1& window = h.Start();
            QStringList texts{window.Tree().Node("ICO")->text(0)};
            for (int i = 0; i < window.Controls().Combo1->count(); ++i)
                texts << window.Controls().Combo1->itemText(i);
            QVERIFY2(!texts.join(u'|').contains(u"##"), qPrintable(texts.join(u'|')));
            QCOMPARE(h.boxes.shown,
                     stored.isEmpty()
                         ? QStringList()
                         : QStringList{stored + "\rdoes not exists. Set Language to Default"});
            QCOMPARE(h.session.settings.language, QStringLiteral("Default"));
        }
    }

    // The translation command tells, naming it, that there is no English file to start from,
    // rather than handing the shell a file that is not there.
    void theTranslationCommandTellsAMissingEnglishFile() {
        MainWindowHarness h;
        QVERIFY(QFile::remove(h.AppFolder() + "English.ini"));
        h.Store(QStringLiteral("Language"), QStringLiteral("Default"));
        Named(h.Start(), "metafrash_menu")->trigger();
        QCOMPARE(h.boxes.shown, QStringList{h.AppFolder() + "english.ini\rdoes not exist."});
        QVERIFY(h.shell.opened.empty());
    }

    // Depth first in name order, hidden files and folders left out; without sub-folders, only the
    // folder's own files that pass the filter.
    void foldersAreScannedDepthFirstInNameOrder() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Show_Log"), QStringLiteral("OXI"));
        h.Store(QStringLiteral("Language"), QStringLiteral("Default"));
        for (const char* file : {"A/C/c.bin", "A/B/D/d.bin", "A/B/b.bin", "A/a2.bin", "A/a1.bin",
                                 "A/.secret.bin", "A/.hidden/inside.bin", "F/tool.exe", "F/LIB.DLL",
                                 "F/data.bin", "F/setup.EXE", "F/sub/inner.exe"})
            h.WriteSource(file);
        Form1& window = h.Start();
        QVERIFY(window.Browser().SetFolder(h.Source("A")));
        QCOMPARE(window.Browser().Files(), QStringList({"a1.bin", "a2.bin"}));
        Named(window, "show_all_files")->trigger();
        QVERIFY(h.ScanEnds());
        QCOMPARE(h.ScannedSources(),
                 QStringList({"A/a1.bin", "A/a2.bin", "A/B/b.bin", "A/B/D/d.bin", "A/C/c.bin"}));
        QVERIFY(test::VisibleProgressWindow() == nullptr &&
                QApplication::overrideCursor() == nullptr);
        QCOMPARE(window.Tree().SourceNodeKeys().size(), 5);
        // The stored "OXI" kept the log window closed; opened now, it is empty.
        QAction* logEntry = Named(window, "show_log_form_menu");
        QVERIFY(window.LogWindow() == nullptr && !logEntry->isChecked());
        logEntry->trigger();
        QVERIFY(window.LogWindow()->List1()->count() == 0 && logEntry->isChecked());

        h.session.settings.scanSubFolders = false;
        QVERIFY(window.Browser().SetFolder(h.Source("F")));
        QCOMPARE(window.Browser().Files().size(), 4);
        window.Controls().Combo1->setCurrentIndex(1);
        QCOMPARE(window.Browser().Files(), QStringList({"setup.EXE", "tool.exe"}));
        window.show_all_files_Click();
        QVERIFY(h.ScanEnds());
        QCOMPARE(h.ScannedSources().mid(5), QStringList({"F/setup.EXE", "F/tool.exe"}));
        window.Controls().Combo1->setCurrentIndex(2);
        QCOMPARE(window.Browser().Files(), QStringList({"LIB.DLL"}));
    }

    // A stop ends the file in hand within a chunk and the batch with it; the next batch is not
    // stopped by it.
    void aStopEndsTheBatchWithTheFileInHand() {
        MainWindowHarness h;
        h.WriteLargeSource("S/f01.bin");
        for (int i = 2; i <= 10; ++i)
            h.WriteSource(QStringLiteral("S/f%1.bin").arg(i, 2, 10, QChar(u'0')).toStdString());
        Form1& window = h.Start();
        QVERIFY(window.Browser().SetFolder(h.Source("S")));
        {
            const test::EveryEventLoopPass stopOnceSearching(StopOnceSearching);
            window.show_all_files_Click();
            QVERIFY(h.ScanEnds());
        }
        QCOMPARE(h.ScannedSources(), QStringList({"S/f01.bin"}));
        QCOMPARE(test::ListTree(h.output.path() + "GIF"),
                 std::vector<std::string>({"f01.bin_0.GIF"}));
        QVERIFY(test::VisibleProgressWindow() == nullptr);
        h.WriteSource("E/sub/x.bin");
        QVERIFY(window.Browser().SetFolder(h.Source("E")));
        window.show_all_files_Click();
        QVERIFY(h.ScanEnds());
        QCOMPARE(h.ScannedSources().mid(1), QStringList({"E/sub/x.bin"}));
    }

    // While the command line's scan runs, the window answers, but another scan and the commands
    // that change the results or the options wait: their actions are disabled and their keys do
    // nothing. A click on a file then scans it alone, afresh, and a stop takes effect within a
    // chunk: the stopped rescan keeps the earlier scan's item it did not reach, and its log says
    // how far it got.
    void oneScanAtATimeAndAStopWithinAChunk() {
        MainWindowHarness h;
        h.WriteLargeSource("C/large.bin");
        h.WriteSource("C/other.bin");
        Form1& window = h.Start(h.Source("C/large.bin"));
        QVERIFY(window.IsScanning());
        const QStringList blocked = {
            "show_all_files",  "select_formats_menu", "select_language_menu", "delete_item_menu",
            "delete_all_menu", "remove_node_item",    "clear_node_category",  "clear_node"};
        for (const QString& entry : blocked) {
            QVERIFY2(!Named(window, entry)->isEnabled(), qPrintable(entry));
            Named(window, entry)->trigger();
        }
        for (const char* key : {"ALL_FILES", "DELETE", "DELETE_ALL"})
            window.Toolbar1_ButtonClick(QString::fromLatin1(key));
        QListWidget* files = window.Controls().File1;
        files->setCurrentItem(files->findItems("other.bin", Qt::MatchExactly).value(0));
        window.File1_Click();
        QVERIFY(Named(window, "play_now_menu")->isEnabled() && h.ScanEnds());
        QCOMPARE(
            h.ScannedSources() + h.commands.calls << window.Tree().Node("GIF#large.bin")->text(0),
            QStringList({"C/large.bin", "large.bin(2)"}));
        for (const QString& entry : blocked) QVERIFY(Named(window, entry)->isEnabled());

        QString counter;
        QPoint offCentre(-1, -1);  // of the progress window from the main window
        {
            const test::EveryEventLoopPass stopOnceSearching([&] {
                if (Form4* form4 = test::VisibleProgressWindow()) {
                    counter = form4->Label2()->text();
                    offCentre = form4->frameGeometry().center() - window.frameGeometry().center();
                }
                StopOnceSearching();
            });
            files->setCurrentRow(0);
            QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                              files->visualItemRect(files->item(0)).center());
            QVERIFY(h.ScanEnds());
        }
        QCOMPARE(h.ScannedSources() << window.Tree().Node("GIF#large.bin")->text(0) << counter,
                 QStringList({"C/large.bin", "C/large.bin", "large.bin(2)", "File: 1 / 1"}));
        const Bytes log = ReadFileBytes(h.output.path() + "LOG.txt");
        QVERIFY(
            QRegularExpression(QStringLiteral("\r\nStopped after \\d+ of 419430400 bytes\\.\r\n1 "))
                .match(QString::fromUtf8(reinterpret_cast<const char*>(log.data()),
                                         static_cast<qsizetype>(log.size())))
                .hasMatch());
        QVERIFY2(offCentre.manhattanLength() <= 8,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    }

    // A rescan with a kind turned off (started with Enter in the file list) leaves no file of
    // that source unlisted: what the earlier scan wrote and this one did not is removed, and only
    // that. A source whose name begins with the same name keeps its nodes and files.
    void aRescanLeavesNoUnlistedFile() {
        MainWindowHarness h;
        Bytes media = MakeGif();
        for (const Bytes& part : {Filler(64), MakePng(), Filler(64)}) Append(media, part);
        for (const char* name : {"C/pack.dll.old", "C/pack.dll"}) h.sources.Write(name, media);
        Form1& window = h.Start(h.Source("C/pack.dll.old"));
        QVERIFY(h.ScanEnds());
        QListWidget* files = window.Controls().File1;
        for (const bool png : {true, false}) {
            h.session.settings.SetScans(ResourceKind::PNG, png);
            files->setCurrentItem(files->findItems("pack.dll", Qt::MatchExactly).value(0));
            QTest::keyClick(files, Qt::Key_Return);
            QVERIFY(window.IsScanning() && h.ScanEnds());
        }
        QCOMPARE(window.Tree().SourceNodeKeys(),
                 QStringList({"GIF#pack.dll.old", "GIF#pack.dll", "PNG#pack.dll.old"}));
        QCOMPARE(ListTree(h.output.path()),
                 std::vector<std::string>({"GIF/pack.dll.old_0.GIF", "GIF/pack.dll_0.GIF",
                                           "LOG.txt", "PNG/pack.dll.old_1.PNG"}));
    }

    // A later run lists and deletes only what it wrote: an earlier run's kept item of the same
    // source and a file of the user's named like an item stay on disk, unlisted, after its
    // deletion at exit; the files its own scan wrote go.
    void aRunDeletesOnlyWhatItWrote() {
        MainWindowHarness h;
        h.realCatalogue = true;
        h.Store(QStringLiteral("SCAN_PNG"), QStringLiteral("False"));
        h.sources.Write("C/x.bin", Compose({Filler(40), MakeBmp(), Filler(40), MakeGif(),
                                            Filler(40), MakePng(), Filler(40)}));
        for (const char* kept : {"PNG/x.bin_2.PNG", "BMP/x.bin_99.BMP", "GIF/x.bin_7.GIF"})
            h.output.Write(kept, Bytes(30, 3));
        Form1& window = h.Start(h.Source("C/x.bin"));
        QVERIFY(h.ScanEnds());
        QStringList held;
        for (const char* key : {"BMP#x.bin", "GIF#x.bin"})
            for (const QString& file : CategoryTree::Files(*window.Tree().Node(key)))
                held << QFileInfo(file).fileName();
        QCOMPARE(held, QStringList({"x.bin_0.BMP", "x.bin_1.GIF"}));
        QCOMPARE(window.Tree().Node("BMP#x.bin")->text(0), "x.bin(1)");
        window.close();
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(ListTree(h.output.path()),
                 std::vector<std::string>(
                     {"BMP/x.bin_99.BMP", "GIF/x.bin_7.GIF", "LOG.txt", "PNG/x.bin_2.PNG"}));
    }

    // A batch over two folders that each hold a setup.exe: both keep their items, under names of
    // their own, in the tree and on disk; the program's own kind folders below the folder are not
    // scanned.
    void sourcesOfOneNameKeepTheirItems() {
        MainWindowHarness h;
        h.Store(QStringLiteral("SCAN_SUB-FOLDERS"), QStringLiteral("True"));
        const Bytes source = Compose({Filler(64), MakeGif(), Filler(64, 2)});
        for (const char* name : {"S/a/setup.exe", "S/b/setup.exe"}) h.output.Write(name, source);
        h.output.Write("GIF/old.bin_0.GIF", MakeGif());  // an item of an earlier run
        Form1& window = h.Start();
        QVERIFY(window.Browser().SetFolder(QString::fromStdString(h.output.path())));
        window.show_all_files_Click();
        QVERIFY(h.ScanEnds());
        QCOMPARE(window.Tree().SourceNodeKeys(),
                 QStringList({"GIF#setup.exe", "GIF#setup.exe (2)"}));
        QCOMPARE(window.Tree().Node("GIF#setup.exe (2)")->text(0), "setup.exe (2)(1)");
        const std::vector<std::string> files = ListTree(h.output.path() + "GIF");
        QCOMPARE(files, std::vector<std::string>(
                            {"old.bin_0.GIF", "setup.exe (2)_0.GIF", "setup.exe_0.GIF"}));
    }

    // Distinct items on: a source whose items all equal an earlier one's gets neither node nor
    // file.
    void distinctItemsGetNoNode() {
        MainWindowHarness h;
        h.Store(QStringLiteral("distinct_items"), QStringLiteral("True"));
        Bytes media = MakeGif();
        Append(media, Filler(64));
        for (const char* name : {"D/a.bin", "D/b.bin"}) h.sources.Write(name, media);
        Form1& window = h.Start();
        QVERIFY(window.Browser().SetFolder(h.Source("D")));
        window.show_all_files_Click();
        QVERIFY(h.ScanEnds());
        QCOMPARE(window.Tree().SourceNodeKeys(), QStringList({"GIF#a.bin"}));
        QCOMPARE(ListTree(h.output.path()),
                 std::vector<std::string>({"GIF/a.bin_0.GIF", "LOG.txt"}));
    }

    // A rescan whose kind folders cannot be made ends at the message, and the source keeps the
    // files its earlier scan wrote, in its nodes.
    void foldersThatCannotBeMadeKeepTheEarlierItems() {
        QTreeWidget widget;
        const ToolbarImageList images;
        CategoryTree tree(widget, images);
        tree.AddCategoryNodes(QStringLiteral("Files"));
        tree.AddSourceFileNodes(QStringLiteral("a.bin"), ScanOptions());
        tree.CountItem(ResourceKind::GIF, QStringLiteral("a.bin"),
                       QStringLiteral("/o/a.bin_0.GIF"));
        tree.RemoveEmptySourceNodes();
        test::RecordingMessageBoxes boxes;
        const MessageTable messages = MessageTable::Builtin();
        WindowSink sink({&tree, {}, &boxes, QStringLiteral("M"), &messages});
        const ScanOptions options;
        std::thread scan([&] {
            sink.SourceBegun({"/s/a.bin", "a.bin", options});
            sink.FoldersFailed({"/o/", ResourceKind::ANI, {}});
        });
        QTRY_VERIFY((sink.ShowPosted(), boxes.shown.size() == 1));
        scan.join();
        sink.ShowPosted();
        QCOMPARE(CategoryTree::Files(*tree.Node(QStringLiteral("GIF#a.bin"))),
                 QStringList(QStringLiteral("/o/a.bin_0.GIF")));
    }

    // The progress window's folder, counter and text as the scanning thread tells them, in the
    // built-in language, the digits grouped as the system groups them; the bar keeps its value
    // when a report gives none.
    void theProgressWindowShowsEachStep() {
        const MessageTable messages = MessageTable::Builtin();
        Form4 form4(QStringLiteral("Morvane"));
        WindowSink sink({nullptr, {}, nullptr, {}, &messages});
        sink.SetProgressWindow(&form4);
        sink.FolderBegun("/a/b");
        sink.FileBegun(2, 5);
        sink.ShowPosted();
        QCOMPARE(
            QStringList({form4.Label3()->text(), form4.Label1()->text(), form4.Label2()->text()}),
            QStringList({"/a/b", "\n\nΑναζήτηση 0 ", "Αρχείο: 2 / 5"}));
        sink.Progress({"a.dll", 1048576, 2238000, 0});
        sink.ShowPosted();
        const QString s = QLocale::system().groupSeparator();
        QCOMPARE(form4.Label1()->text(),
                 "a.dll\n\nΑναζήτηση 1" + s + "048" + s + "576 / 2" + s + "238" + s + "000 bytes.");
        QCOMPARE(form4.ProgressBar1()->value(), 46);  // 1048577 / 22380
        sink.Progress({"b.dll", 10, 50, 0});
        sink.ShowPosted();
        QVERIFY(form4.Label1()->text().startsWith(u"b.dll") && form4.ProgressBar1()->value() == 46);
    }

    // Buttons, keys, entries reach their commands (an unknown button key none; an export button
    // needs an icon item without a caption at the selected index); the log, English file open
    // unchecked. A stored language file that is gone gives way to the built-in Greek, with a word
    // why.
    void commandsReachTheirHandlers() {
        MainWindowHarness h;
        h.Store(QStringLiteral("Language"), QStringLiteral("/gone/Deutsch.ini"));
        Form1& window = h.Start();
        QCOMPARE(h.boxes.shown,
                 QStringList({"/gone/Deutsch.ini\rdoes not exists. Set Language to Default"}));
        QToolBar& toolbar = *window.Controls().Toolbar1;
        for (const char* key : {"run_file", "DELETE", "DELETE_ALL", "INFO", "BMP"})
            ToolbarButton(toolbar, QString::fromLatin1(key))->trigger();
        for (const char* key : {"exit", "Exit", "all_files", "", "EXIT "})
            window.Toolbar1_ButtonClick(QString::fromLatin1(key));
        for (const char* entry :
             {"play_now_menu", "delete_item_menu", "delete_all_menu", "bmp_menu", "ico_menu",
              "save_as_16_ico", "remove_node_item", "clear_node_category", "clear_node",
              "select_formats_menu", "select_language_menu", "help_menu", "about_form"})
            Named(window, entry)->trigger();
        QCOMPARE(h.commands.calls,
                 QStringList({"OpenItem", "DeleteItem", "DeleteAllItems", "ShowAbout", "OpenItem",
                              "DeleteItem", "DeleteAllItems", "ExportIcon 48", "ExportIcon 32",
                              "ExportIcon 16", "RemoveNode", "ClearCategory", "ClearAllNodes",
                              "ShowOptions Ρυθμίσεις", "ShowLanguages Language", "ShowHelp",
                              "ShowAbout Περί..."}));
        QVERIFY(window.isVisible() && h.shell.opened.empty() && h.ScannedSources().isEmpty());
        ToolbarButton(toolbar, QStringLiteral("log_file"))->trigger();
        Named(window, "metafrash_menu")->trigger();
        QCOMPARE(h.shell.opened, std::vector<std::string>(
                                     {h.output.path() + "LOG.txt", h.app.path() + "English.ini"}));

        const QString ico = QStringLiteral("/out/ICO/a.dll_0.ICO");
        const std::tuple<const char*, QString, const char*, int, QStringList> exports[] = {
            {"BMP", ico, "", 1, {"ExportIcon 48"}},
            {"dekaeji", "/out/ICO/x.ico", "", 1, {"ExportIcon 16"}},
            {"ICO", "/out/CUR/a.dll_0.CUR", "", 1, {}},
            {"BMP", ico, "a.dll_0.ICO", 1, {}},
            {"BMP", ico, "", 0, {}},
            {"BMP", ico, "", 2, {}},
            {"BMP", ico, "", 3, {}}};
        for (const auto& [key, itemKey, itemText, selected, calls] : exports) {
            window.Controls().ListView1->clear();
            auto* item = new QListWidgetItem(itemText, window.Controls().ListView1);
            item->setData(kListItemKeyRole, itemKey);
            new QListWidgetItem(QStringLiteral("a.dll_1.GIF"), window.Controls().ListView1);
            h.session.selectedItem = selected;
            h.commands.calls.clear();
            ToolbarButton(toolbar, QString::fromLatin1(key))->trigger();
            QCOMPARE(h.commands.calls, calls);
        }
        // Delete acts on the list's item where the list has the focus, not in the tree; F1 is
        // help; F5 shows a file made since the browser listed its folder.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        h.commands.calls.clear();
        for (QWidget* control : std::initializer_list<QWidget*>{window.Controls().TreeView1,
                                                                window.Controls().ListView1}) {
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Delete);
        }
        QTest::keyClick(window.Controls().TreeView1, Qt::Key_F1);
        QCOMPARE(h.commands.calls, QStringList({"DeleteItem", "ShowHelp"}));
        QVERIFY(QFile(h.AppFolder() + "made later.bin").open(QIODevice::WriteOnly));
        QVERIFY(!window.Browser().Files().contains("made later.bin"));
        QTest::keyClick(window.Controls().File1, Qt::Key_F5);
        QVERIFY(window.Browser().Files().contains("made later.bin"));
    }

    // Every way of closing deletes first (if asked to), then stores the settings and the log
    // window's state; a close during a (command line's) scan stops it and waits for its end.
    void closingSavesTheSettingsAfterTheDeletion() {
        const std::tuple<bool, bool, QString> rows[] = {
            {true, false, "exit_menu"}, {true, true, "close box"}, {true, false, "during a scan"}};
        for (const auto& [deleteOnExit, closeLogFirst, how] : rows) {
            MainWindowHarness h;
            h.Store(QStringLiteral("Delete_On_Exit"), deleteOnExit ? "True" : "False");
            h.Store(QStringLiteral("SCAN_BMP"), QStringLiteral("False"));
            h.Store(QStringLiteral("limit_search_value"), QStringLiteral("12"));
            const bool scanning = how == u"during a scan";
            for (int i = 1; scanning && i <= 5; ++i)
                i == 1 ? h.WriteLargeSource("W/w1.bin")
                       : h.WriteSource(QStringLiteral("W/w%1.bin").arg(i).toStdString());
            bool closed = true;
            const test::EveryEventLoopPass closeEarly([&] {
                if (scanning && closed && h.Window() && test::VisibleProgressWindow())
                    closed = h.Window()->close();
            });
            Form1& window = h.Start(scanning ? h.Source("W") : QString());
            QString showLogWhenDeleting = QStringLiteral("<not asked>");
            h.commands.onDeleteOnExit = [&] { showLogWhenDeleting = h.Stored("Show_Log"); };
            if (closeLogFirst)
                QVERIFY(window.LogWindow()->close() &&
                        !Named(window, "show_log_form_menu")->isChecked());
            QPointer<Form3> log = window.LogWindow();
            if (how == u"exit_menu") Named(window, how)->trigger();
            if (how == u"close box") window.close();
            // The files go off the window's thread; the window closes once they are gone.
            QTRY_VERIFY(!window.isVisible());
            if (scanning) {
                QTRY_VERIFY(!closed);
                QVERIFY(h.ScannedSources().size() < 5);
                QCOMPARE(window.Browser().Folder(), h.Source("W"));
                QTRY_VERIFY(!window.isVisible());
            }
            QVERIFY(!window.isVisible() && (log.isNull() || !log->isVisible()) &&
                    window.LogWindow() == nullptr && h.boxes.shown.isEmpty());
            QCOMPARE(showLogWhenDeleting, deleteOnExit ? QString() : "<not asked>");
            QStringList stored;
            for (const char* key :
                 {"Show_Log", "SCAN_BMP", "SCAN_ICO", "limit_search_value", "Delete_On_Exit"})
                stored << h.Stored(key);
            QCOMPARE(stored, QStringList({closeLogFirst ? "OXI" : "NAI", "False", "True", "12",
                                          deleteOnExit ? "True" : "False"}));
        }
    }

    // The filter texts widen the source column at the item list's cost; taller stretches the lists
    // and moves what is below, wider widens the bars and the item list; too small keeps sizes.
    void theWindowPlacesItsControlsByTheRules() {
        MainWindowHarness h;
        Form1& window = h.Start();
        const TwipsScale scale = TwipsScale::Of(window);
        ResizeClient(window, kDesignClientWidth, kDesignClientHeight);
        const MainGeometry design = window.Geometry();
        QVERIFY(design.Drive1.width > DesignGeometry().Drive1.width);
        QCOMPARE(design.ListView1.left + design.ListView1.width, 10035);  // as designed
        MainGeometry g = design;
        // About 1000 twips more each way, in whole pixels.
        const int wider = scale.ToTwipsX(scale.ToPixelsX(1000));
        const int taller = scale.ToTwipsY(scale.ToPixelsY(1000));
        ResizeClient(window, kDesignClientWidth + wider, kDesignClientHeight + taller);
        for (TwipsRect* list : {&g.ListView1, &g.TreeView1, &g.File1}) list->height += taller;
        for (TwipsRect* below : {&g.Combo1, &g.StatusBar1}) below->top += taller;
        for (TwipsRect* wide : {&g.ListView1, &g.StatusBar1, &g.Toolbar1}) wide->width += wider;
        g.panel1Width += wider;
        QCOMPARE(window.Geometry(), g);
        QCOMPARE(window.Controls().ListView1->geometry(), scale.ToPixels(g.ListView1));
        g = design;
        ApplyResizeRules(g, 5000, 1500);
        QCOMPARE(
            QList<int>({g.StatusBar1.top, g.ListView1.width, g.ListView1.height, g.File1.height}),
            QList<int>({1500 - 945, design.ListView1.width, design.ListView1.height,
                        design.File1.height}));
        // The status bar is as tall as its texts; the log window stays in front of this one.
        QVERIFY(window.Controls().StatusBar1->height() >=
                window.Controls().Panel1->sizeHint().height());
        Form3* log = window.LogWindow();  // hidden while the main window is minimised
        QCOMPARE(log->windowHandle()->transientParent(), window.windowHandle());
        window.showMinimized();
        QTRY_VERIFY(!log->isVisible());
        window.showNormal();
        QTRY_VERIFY(log->isVisible());
    }

    void commandLinesParentsAndVolumes() {
        QStringList found;  // one quote off each end, blanks kept
        for (const char* text : {"\"/tmp/my folder/a.dll\"", "/tmp/a\"", "\"/tmp/a",
                                 "\"\"/tmp/a\"\"", "\"", " \"/tmp/a\" "})
            found << CleanCommandLinePath(text);
        const QString sep = QDir::separator();
        for (const QString& path : {sep + "a" + sep + "b.dll", sep + "b.dll",
                                    QStringLiteral("b.dll"), sep + "a" + sep + "b" + sep})
            found << ParentFolder(path);
        QCOMPARE(found, QStringList({"/tmp/my folder/a.dll", "/tmp/a", "/tmp/a", "\"/tmp/a\"", "",
                                     " \"/tmp/a\" ", sep + "a", "", "", sep + "a" + sep + "b"}));
#ifndef _WIN32
        found.clear();
        for (const char* path :
             {"/home/user/x", "/media/usb/a/b", "/media/usb2", "/media/usbx/a", "relative/x"})
            found << VolumeOfPath(path, {"/", "/media/usb", "/media/usb2"});
        QCOMPARE(found, QStringList({"/", "/media/usb", "/media/usb2", "/", ""}));
        QCOMPARE(ListVolumes().lastIndexOf(QStringLiteral("/")), 0);  // first, and once
#endif
    }

    // A writable program folder keeps everything, the probe leaving nothing; one that cannot be
    // written (under a file, which even root cannot make) falls back to the user folder, noted.
    void whereTheItemsGo() {
        test::TempFolder program, user;
        const QString userFolder = QString::fromStdString(user.path()) + "Pellam/Morvane";
        const OutputRootChoice kept = ChooseOutputRoot(program.path(), userFolder);
        QCOMPARE(kept.root, program.path());
        QVERIFY(!kept.fellBack && !QDir(userFolder).exists() &&
                test::ListTree(program.path()).empty() &&
                OutputFolderNote(kept, QStringLiteral("Default")).isEmpty());

        const OutputRootChoice choice = ChooseOutputRoot(
            program.Write("program", {1}) + QDir::separator().toLatin1(), userFolder);
        QVERIFY(choice.fellBack && QDir(userFolder).exists());
        QCOMPARE(QString::fromStdString(choice.root), QDir::toNativeSeparators(userFolder + u'/'));
        QCOMPARE(
            OutputFolderNote(choice, QStringLiteral("/x/English.ini")),
            "Extracted files and LOG.txt are written to " + QString::fromStdString(choice.root));
        QVERIFY(OutputFolderNote(choice, QStringLiteral("Default")).contains(u"LOG.txt"));
    }

    // The folder list shows the way down and the sub-folders, activating one moves both lists; the
    // drive list returns to a volume's last folder, one that cannot be shown to the current one.
    void theBrowserChain() {
#ifdef _WIN32
        QSKIP("The volumes here are folders of a POSIX tree.");
#endif
        test::TempFolder temp;
        for (const char* file : {"A/one.bin", "A/b/two.dll", "A/C/three.exe", "A/.hid/x.bin"})
            temp.Write(file, test::Bytes{1});
        const QString volume = QString::fromStdString(temp.path()).chopped(1);
        const auto path = [&](const char* relative) { return volume + u'/' + relative; };
        QComboBox drive1, combo1;
        QListWidget dir1, file1;
        SourceBrowser browser{drive1, dir1, file1, combo1, {"/", volume, volume + "/no-medium"}};

        QVERIFY(browser.SetFolder(path("A")));
        const int rows = dir1.count();
        QStringList texts;
        for (int i = 0; i < rows; ++i) texts << dir1.item(i)->text().trimmed();
        QCOMPARE(QStringList({texts.first(), browser.Drive(), browser.FileFolder()}) +
                     texts.mid(rows - 3) + browser.Files(),
                 QStringList({"/", volume, path("A"), "A", "b", "C", "one.bin"}));
        QCOMPARE(dir1.currentRow(), rows - 3);
        emit dir1.itemActivated(dir1.item(rows - 1));
        QTRY_COMPARE(browser.Folder(), path("A/C"));
        QCOMPARE(browser.Files(), QStringList({"three.exe"}));
        emit dir1.itemActivated(dir1.item(dir1.count() - 2));
        QTRY_COMPARE(browser.Folder(), path("A"));
        QVERIFY(browser.SetFolder(path("A/b")) && !browser.SetFolder(path("A/none")) &&
                !browser.SetFolder(path("A/one.bin")));
        QCOMPARE(QStringList{browser.Folder()} + browser.Files(),
                 QStringList({path("A/b"), "two.dll"}));

        QStringList folders;
        for (const QString& drive : {QStringLiteral("/"), volume, volume + "/no-medium"}) {
            drive1.setCurrentIndex(drive1.findData(drive));
            browser.Drive1_Change();
            folders << browser.Folder();
        }
        QCOMPARE(folders + QStringList{browser.Drive()},
                 QStringList({"/", path("A/b"), path("A/b"), volume}));
        // Setting the drive alone does not move the folder list.
        QVERIFY(browser.SetDrive(QStringLiteral("/")) && browser.Folder() == path("A/b") &&
                !browser.SetDrive(QStringLiteral("/elsewhere")));
    }

    void everyCaptionFits_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("Greek") << QStringLiteral("Default");
        QTest::newRow("40 % longer") << QStringLiteral("Longer.ini");
    }

    void everyCaptionFits() {
        QFETCH(QString, language);
        MainWindowHarness h;
        WriteLongerLanguage(h.AppFolder() + QStringLiteral("Longer.ini"));
        const bool greek = language == u"Default";
        if (!greek) language = h.AppFolder() + language;
        h.Store(QStringLiteral("Language"), language);
        const Form1& window = h.Start();
        QStringList clipped = ClippedTexts(window, greek);
        // Every separator is its line alone, without the "-" that names it in the designs and
        // the language files; in Greek Qt's own buttons speak Greek.
        QStringList separators;
        for (const QString& name : window.Menus().EntryNames())
            if (Named(window, name)->isSeparator()) separators << Named(window, name)->text();
        QCOMPARE(separators, QStringList(6, QString()));
        QMessageBox box;
        QCOMPARE(box.addButton(QMessageBox::No)->text() == "&No", !greek);

        ScanSettings settings;
        settings.language = language;
        BoxMessageSink messages(h.boxes, QStringLiteral("Morvane"));
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
