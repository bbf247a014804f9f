// Form1's commands: the menu entries' handlers and the toolbar's dispatch on button keys.
#include <QAction>
#include <QListWidget>
#include <QToolBar>
#include <array>

#include "CatalogueCommands.h"
#include "CategoryTree.h"
#include "DialogCommands.h"
#include "Form1.h"

#include "EnglishLanguageFile.h"
#include "ListItemKey.h"
#include "MainToolbar.h"
#include "ScanRunner.h"
#include "Session.h"
#include "ShellOpen.h"
#include "SourceBrowser.h"

namespace morvane {

namespace {
using Handler = void (Form1::*)();
}  // namespace

void Form1::ConnectControls() {
    connect(controls_.Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* button) { Toolbar1_ButtonClick(ToolbarKey(*button)); });
    connect(browser_, &SourceBrowser::FileClicked, this, &Form1::File1_Click);
}

void Form1::ConnectMenuEntries() {
    struct MenuHandler {
        const char* entry;
        Handler handler;
    };
    static constexpr std::array<MenuHandler, 17> kHandlers = {{
        {"show_all_files", &Form1::show_all_files_Click},
        {"exit_menu", &Form1::exit_menu_Click},
        {"show_log_form_menu", &Form1::show_log_form_menu_Click},
        {"select_formats_menu", &Form1::select_formats_menu_Click},
        {"metafrash_menu", &Form1::metafrash_menu_Click},
        {"select_language_menu", &Form1::select_language_menu_Click},
        {"play_now_menu", &Form1::play_now_menu_Click},
        {"delete_item_menu", &Form1::delete_item_menu_Click},
        {"delete_all_menu", &Form1::delete_all_menu_Click},
        {"bmp_menu", &Form1::bmp_menu_Click},
        {"ico_menu", &Form1::ico_menu_Click},
        {"save_as_16_ico", &Form1::save_as_16_ico_Click},
        {"help_menu", &Form1::help_menu_Click},
        {"about_form", &Form1::about_form_Click},
        {"remove_node_item", &Form1::remove_node_item_Click},
        {"clear_node_category", &Form1::clear_node_category_Click},
        {"clear_node", &Form1::clear_node_Click},
    }};
    for (const MenuHandler& entry : kHandlers) {
        const Handler handler = entry.handler;
        connect(Entry(entry.entry), &QAction::triggered, this,
                [this, handler] { (this->*handler)(); });
    }
}

// The key is the button's identity: it is compared exactly, letter case included, and a key
// that is not in the table does nothing.
void Form1::Toolbar1_ButtonClick(const QString& key) {
    struct ToolbarCommand {
        QStringView key;
        Handler handler;
        bool exportGuard;
    };
    static constexpr std::array<ToolbarCommand, 10> kCommands = {{
        {u"ALL_FILES", &Form1::show_all_files_Click, false},
        {u"run_file", &Form1::play_now_menu_Click, false},
        {u"DELETE", &Form1::delete_item_menu_Click, false},
        {u"DELETE_ALL", &Form1::delete_all_menu_Click, false},
        {u"BMP", &Form1::bmp_menu_Click, true},
        {u"ICO", &Form1::ico_menu_Click, true},
        {u"dekaeji", &Form1::save_as_16_ico_Click, true},
        {u"log_file", &Form1::OpenScanLog, false},
        {u"INFO", &Form1::ShowAboutFromToolbar, false},
        {u"EXIT", &Form1::exit_menu_Click, false},
    }};
    for (const ToolbarCommand& command : kCommands) {
        if (command.key != key) continue;
        if (command.exportGuard && !ExportGuardPasses()) return;
        (this->*command.handler)();
        return;
    }
}

bool Form1::ExportGuardPasses() const {
    if (session_.selectedItem <= 0) return false;
    const QListWidgetItem* item = controls_.ListView1->item(session_.selectedItem - 1);
    if (item == nullptr || !item->text().isEmpty()) return false;
    return item->data(kListItemKeyRole).toString().right(4).toLower() == u".ico";
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

// The English file is the starting point of a new translation.
void Form1::metafrash_menu_Click() {
    OpenEnglishLanguageFile(session_.appFolder);
}

void Form1::select_formats_menu_Click() {
    setup_.dialogs.ShowOptions(*this, Entry("select_formats_menu")->text());
}

void Form1::select_language_menu_Click() {
    setup_.dialogs.ShowLanguages(*this, Entry("select_language_menu")->text());
}

void Form1::help_menu_Click() {
    setup_.dialogs.ShowHelp();
}

void Form1::about_form_Click() {
    setup_.dialogs.ShowAbout(*this, Entry("about_form")->text());
}

void Form1::ShowAboutFromToolbar() {
    setup_.dialogs.ShowAbout(*this, std::nullopt);
}

void Form1::play_now_menu_Click() {
    setup_.catalogue.OpenItem();
}

void Form1::delete_item_menu_Click() {
    setup_.catalogue.DeleteItem();
}

void Form1::delete_all_menu_Click() {
    setup_.catalogue.DeleteAllItems();
}

void Form1::bmp_menu_Click() {
    setup_.catalogue.ExportIcon(48);
}

void Form1::ico_menu_Click() {
    setup_.catalogue.ExportIcon(32);
}

void Form1::save_as_16_ico_Click() {
    setup_.catalogue.ExportIcon(16);
}

void Form1::remove_node_item_Click() {
    setup_.catalogue.RemoveNode();
}

void Form1::clear_node_category_Click() {
    setup_.catalogue.ClearCategory();
}

void Form1::clear_node_Click() {
    setup_.catalogue.ClearAllNodes();
}

}  // namespace morvane
