#include "CommandTable.h"

#include <array>

#include "Form1.h"

namespace morvane {

namespace {
using I = CommandImage;
using F = Form1;

// The export captions hold three blanks after "ως".
constexpr std::array<Command, 28> kCommands = {{
    {"file_menu", "show_all_files", "Αναζήτηση σε όλα τα αρχεία στον κατάλογο", 0, "ALL_FILES",
     "Αναζήτηση σε όλα τα αρχεία στον κατάλογο", I::ScanFolder, "show_all_files",
     &F::show_all_files_Click, false, true},
    {"file_menu", "sep_ektakto1", "-", -1, nullptr, nullptr, I::ScanFolder, nullptr, nullptr,
     false},
    {"file_menu", "exit_menu", "Έξοδος", 12, "EXIT", "Έξοδος Προγάμματος", I::Exit, "exit_menu",
     &F::exit_menu_Click, false},
    {"epiloges_menu", "show_log_form_menu", "Διαχειριστής Γεγονότων", -1, nullptr, nullptr,
     I::ScanFolder, nullptr, &F::show_log_form_menu_Click, false},
    {"epiloges_menu", "separator_ff22", "-", -1, nullptr, nullptr, I::ScanFolder, nullptr, nullptr,
     false},
    {"epiloges_menu", "select_formats_menu", "Ρυθμίσεις", -1, nullptr, nullptr, I::ScanFolder,
     nullptr, &F::select_formats_menu_Click, false, true},
    {"epiloges_menu", "sep_ektakto2", "-", -1, nullptr, nullptr, I::ScanFolder, nullptr, nullptr,
     false},
    {"epiloges_menu", "metafrash_menu", "Μετάφραση Προγράμματος", -1, nullptr, nullptr,
     I::ScanFolder, nullptr, &F::metafrash_menu_Click, false},
    {"epiloges_menu", "select_language_menu", "Language", -1, nullptr, nullptr, I::ScanFolder,
     nullptr, &F::select_language_menu_Click, false, true},
    {"edit_menu", "play_now_menu", "Άνοιγμα", 2, "run_file", "Άνοιγμα", I::Open, "play_now_menu",
     &F::play_now_menu_Click, false},
    {"edit_menu", "sep_some4", "-", -1, nullptr, nullptr, I::ScanFolder, nullptr, nullptr, false},
    {"edit_menu", "delete_item_menu", "Διαγραφή", 3, "DELETE", "Διαγραφή", I::Delete,
     "delete_item_menu", &F::delete_item_menu_Click, false, true},
    {"edit_menu", "delete_all_menu", "Διαγραφή Όλων", 4, "DELETE_ALL", "Διαγραφή Όλων",
     I::DeleteAll, "delete_all_menu", &F::delete_all_menu_Click, false, true},
    {"edit_menu", "sep_some44", "-", -1, nullptr, nullptr, I::ScanFolder, nullptr, nullptr, false},
    {"edit_menu", "bmp_menu", "Αποθήκευση ως   48x48 Icon", -1, nullptr, nullptr, I::ScanFolder,
     nullptr, &F::bmp_menu_Click, false},
    {"edit_menu", "ico_menu", "Αποθήκευση ως   32x32 Icon", -1, nullptr, nullptr, I::ScanFolder,
     nullptr, &F::ico_menu_Click, false},
    {"edit_menu", "save_as_16_ico", "Αποθήκευση ως   16x16 Icon", -1, nullptr, nullptr,
     I::ScanFolder, nullptr, &F::save_as_16_ico_Click, false},
    {"help_menu_up", "help_menu", "Περιεχόμενα", -1, nullptr, nullptr, I::ScanFolder, nullptr,
     &F::help_menu_Click, false},
    {"help_menu_up", "sep_ektakto3", "-", -1, nullptr, nullptr, I::ScanFolder, nullptr, nullptr,
     false},
    {"help_menu_up", "about_form", "Περί...", -1, nullptr, nullptr, I::ScanFolder, nullptr,
     &F::about_form_Click, false},
    {"hide_menu", "remove_node_item", "Αφαίρεση", -1, nullptr, nullptr, I::ScanFolder, nullptr,
     &F::remove_node_item_Click, false, true},
    {"hide_menu", "clear_node_category", "Αφαίρεση Κατηγορίας", -1, nullptr, nullptr, I::ScanFolder,
     nullptr, &F::clear_node_category_Click, false, true},
    {"hide_menu", "clear_node", "Αφαίρεση Όλων", -1, nullptr, nullptr, I::ScanFolder, nullptr,
     &F::clear_node_Click, false, true},
    // The export buttons are guarded and keep their state when the item menu disables its
    // entries, the log button opens the scan log rather than the log window, and the about
    // button gives the box no caption: each is a command of its own.
    {nullptr, nullptr, nullptr, 6, "BMP", "Αποθήκευση ως 48x48", I::Export48, "bmp_menu",
     &F::bmp_menu_Click, true},
    {nullptr, nullptr, nullptr, 7, "ICO", "Αποθήκευση ως 32x32", I::Export32, "ico_menu",
     &F::ico_menu_Click, true},
    {nullptr, nullptr, nullptr, 8, "dekaeji", "Αποθήκευση ως 16x16", I::Export16, "save_as_16_ico",
     &F::save_as_16_ico_Click, true},
    {nullptr, nullptr, nullptr, 10, "log_file", "Εμφάνιση Αρχείου Γεγονότων", I::ScanLog,
     "show_log_form_menu", &F::OpenScanLog, false},
    {nullptr, nullptr, nullptr, 11, "INFO", "Πληροφορίες Προγράμματος", I::About, "about_form",
     &F::ShowAboutFromToolbar, false},
}};
}  // namespace

std::span<const Command> Commands() {
    return kCommands;
}

const Command* CommandOfKey(const QString& key) {
    for (const Command& command : kCommands)
        if (command.key != nullptr && key == QLatin1StringView(command.key)) return &command;
    return nullptr;
}

}  // namespace morvane
