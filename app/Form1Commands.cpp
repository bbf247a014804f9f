// Form1's commands: the menu entries' handlers and the toolbar's dispatch on button keys.
#include <QAction>
#include <QKeySequence>
#include <QListWidget>
#include <QToolBar>

#include "CatalogueCommands.h"
#include "CategoryTree.h"
#include "CommandTable.h"
#include "DialogCommands.h"
#include "Form1.h"

#include "EnglishLanguageFile.h"
#include "IniFileText.h"
#include "ListItemKey.h"
#include "MainToolbar.h"
#include "MessageBoxes.h"
#include "ScanRunner.h"
#include "Session.h"
#include "ShellOpen.h"
#include "SourceBrowser.h"

namespace morvane {

void Form1::ConnectControls() {
    connect(browser_, &SourceBrowser::FileClicked, this, &Form1::File1_Click);
}

// A command's one action, in the menu or on the toolbar or both, runs it.
void Form1::ConnectCommands() {
    for (const Command& command : Commands()) {
        if (command.handler == nullptr) continue;
        connect(ActionOf(command), &QAction::triggered, this,
                [this, &command] { RunCommand(command); });
    }
}

// A key works where its command's scope says: one that acts on the list's item only while the
// list has the focus, so that it deletes nothing from the tree, the browser or a text box. The
// window holds the actions of the keyboard's own commands, as no menu or toolbar does.
void Form1::ConnectKeys() {
    for (const Command& command : Commands()) {
        if (command.shortcut == 0) continue;
        QAction* action = ActionOf(command);
        action->setShortcut(QKeySequence(command.shortcut));
        if (command.shortcutScope == KeyScope::ItemList) {
            action->setShortcutContext(Qt::WidgetShortcut);
            controls_.ListView1->addAction(action);
        } else if (command.KeyOnly()) {
            addAction(action);
        }
    }
}

// While a scan runs, the results and the options stay as they are: the commands that would change
// them, or start another scan, are disabled until it ends.
void Form1::EnableBlockedCommands(bool enabled) {
    for (const Command& command : Commands())
        if (command.blockedWhileScanning) ActionOf(command)->setEnabled(enabled);
}

// A command's one action: its menu entry's, which a button of the same command shares, its
// button's, or the keyboard's own.
QAction* Form1::ActionOf(const Command& command) const {
    return command.menu || command.KeyOnly()
               ? Entry(*command.id)
               : ToolbarButton(*controls_.Toolbar1, QString::fromLatin1(command.button.key));
}

// The key is the button's identity: it is compared exactly, letter case included, and a key
// that names no command does nothing.
void Form1::Toolbar1_ButtonClick(const QString& key) {
    if (const Command* command = CommandOfKey(key)) RunCommand(*command);
}

void Form1::RunCommand(const Command& command) {
    if (command.blockedWhileScanning && IsScanning()) return;  // a toolbar key comes this way too
    if (command.exportGuard && !ExportGuardPasses()) return;
    (this->*command.handler)();
}

bool Form1::ExportGuardPasses() const {
    if (session_.selectedItem <= 0) return false;
    const QListWidgetItem* item = controls_.ListView1->item(session_.selectedItem - 1);
    if (item == nullptr || !item->text().isEmpty()) return false;
    return KindOfItemFile(item->data(kListItemKeyRole).toString()) == ResourceKind::ICO;
}

void Form1::show_all_files_Click() {
    if (runner_ == nullptr) return;
    const QString folder = browser_->Folder();
    runner_->ScanFolder(folder, browser_->Pattern());
}

void Form1::exit_menu_Click() {
    close();
}

// The program does not ask whether the log exists yet; the shell answers for a missing file.
void Form1::OpenScanLog() {
    session_.shell.Open(session_.outputRoot + "LOG.txt");
}

// The English file is the starting point of a new translation. One that is not there is told
// here: the system's opener would take it and fail in the background, where nobody sees it. A
// file that no program could be started for, the shell tells.
void Form1::metafrash_menu_Click() {
    const QString file = EnglishLanguageFile(session_.appFolder);
    if (!FindFileIgnoringCase(file)) {
        session_.boxes.Critical(session_.appTitle, MissingEnglishFileText(file));
        return;
    }
    OpenEnglishLanguageFile(session_.appFolder);
}

void Form1::select_formats_menu_Click() {
    setup_.dialogs.ShowOptions(*this, Entry(CommandId::ShowOptions)->text());
}

void Form1::select_language_menu_Click() {
    setup_.dialogs.ShowLanguages(*this, Entry(CommandId::ChooseLanguage)->text());
}

void Form1::RefreshFiles() {
    browser_->RefreshFile1();
}

void Form1::help_menu_Click() {
    setup_.dialogs.ShowHelp();
}

void Form1::about_form_Click() {
    setup_.dialogs.ShowAbout(*this, Entry(CommandId::ShowAbout)->text());
}

void Form1::ShowAboutFromToolbar() {
    setup_.dialogs.ShowAbout(*this, std::nullopt);
}

void Form1::play_now_menu_Click() {
    catalogue_.OpenItem();
}

void Form1::delete_item_menu_Click() {
    catalogue_.DeleteItem();
}

void Form1::delete_all_menu_Click() {
    catalogue_.DeleteAllItems();
}

void Form1::bmp_menu_Click() {
    catalogue_.ExportIcon(48);
}

void Form1::ico_menu_Click() {
    catalogue_.ExportIcon(32);
}

void Form1::save_as_16_ico_Click() {
    catalogue_.ExportIcon(16);
}

void Form1::remove_node_item_Click() {
    catalogue_.RemoveNode();
}

void Form1::clear_node_category_Click() {
    catalogue_.ClearCategory();
}

void Form1::clear_node_Click() {
    catalogue_.ClearAllNodes();
}

}  // namespace morvane
