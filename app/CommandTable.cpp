#include "CommandTable.h"

#include <array>

#include "Form1.h"

namespace morvane {

namespace {
using C = CommandId;
using I = CommandImage;
using M = MenuId;
using F = Form1;

constexpr std::array<MenuHead, kMenuCount> kMenus = {{
    {M::File, "file_menu", "Αρχείο"},
    {M::Options, "epiloges_menu", "Επιλογές"},
    {M::Edit, "edit_menu", "Επεξεργασία"},
    {M::Help, "help_menu_up", "Βοήθεια"},
    {M::NodePopup, "hide_menu", "Κατηγορίες"},
}};

constexpr Command::Button Button(int position, const char* key, const char* tooltip,
                                 CommandImage image,
                                 std::optional<CommandId> tooltipFrom = std::nullopt) {
    Command::Button button;
    button.position = position;
    button.key = key;
    button.tooltip = tooltip;
    button.image = image;
    button.tooltipFrom = tooltipFrom;
    return button;
}

// A menu entry, and the button that shares its action if it has one.
constexpr Command Entry(CommandId id, MenuId menu, const char* entry, const char* caption,
                        CommandHandler handler, Command::Button button = {}) {
    Command command;
    command.id = id;
    command.menu = menu;
    command.entry = entry;
    command.caption = caption;
    command.button = button;
    command.handler = handler;
    return command;
}

constexpr Command Separator(MenuId menu, const char* entry) {
    Command separator;
    separator.menu = menu;
    separator.entry = entry;
    separator.caption = "-";
    return separator;
}

enum class Guard { None, Export };

constexpr Command ToolbarOnly(CommandId id, Command::Button button, CommandHandler handler,
                              Guard guard = Guard::None) {
    Command command;
    command.id = id;
    command.button = button;
    command.handler = handler;
    command.exportGuard = guard == Guard::Export;
    return command;
}

constexpr Command BlockedWhileScanning(Command command) {
    command.blockedWhileScanning = true;
    return command;
}

constexpr Command WithKey(Command command, Qt::Key key, KeyScope scope = KeyScope::Window) {
    command.shortcut = key;
    command.shortcutScope = scope;
    return command;
}

constexpr Command KeyOnly(CommandId id, const char* name, Qt::Key key, CommandHandler handler) {
    Command command;
    command.id = id;
    command.entry = name;
    command.handler = handler;
    return WithKey(command, key);
}

// The export captions hold three blanks after "ως".
constexpr std::array kCommands = {
    BlockedWhileScanning(
        Entry(C::ScanFolder, M::File, "show_all_files", "Αναζήτηση σε όλα τα αρχεία στον κατάλογο",
              &F::show_all_files_Click,
              Button(0, "ALL_FILES", "Αναζήτηση σε όλα τα αρχεία στον κατάλογο", I::ScanFolder))),
    Separator(M::File, "sep_ektakto1"),
    Entry(C::Exit, M::File, "exit_menu", "Έξοδος", &F::exit_menu_Click,
          Button(12, "EXIT", "Έξοδος Προγάμματος", I::Exit)),
    Entry(C::ShowLogWindow, M::Options, "show_log_form_menu", "Διαχειριστής Γεγονότων",
          &F::show_log_form_menu_Click),
    Separator(M::Options, "separator_ff22"),
    BlockedWhileScanning(Entry(C::ShowOptions, M::Options, "select_formats_menu", "Ρυθμίσεις",
                               &F::select_formats_menu_Click)),
    Separator(M::Options, "sep_ektakto2"),
    Entry(C::OpenTranslationFile, M::Options, "metafrash_menu", "Μετάφραση Προγράμματος",
          &F::metafrash_menu_Click),
    BlockedWhileScanning(Entry(C::ChooseLanguage, M::Options, "select_language_menu", "Language",
                               &F::select_language_menu_Click)),
    Entry(C::OpenItem, M::Edit, "play_now_menu", "Άνοιγμα", &F::play_now_menu_Click,
          Button(2, "run_file", "Άνοιγμα", I::Open)),
    Separator(M::Edit, "sep_some4"),
    WithKey(BlockedWhileScanning(Entry(C::DeleteItem, M::Edit, "delete_item_menu", "Διαγραφή",
                                       &F::delete_item_menu_Click,
                                       Button(3, "DELETE", "Διαγραφή", I::Delete))),
            Qt::Key_Delete, KeyScope::ItemList),
    BlockedWhileScanning(Entry(C::DeleteAllItems, M::Edit, "delete_all_menu", "Διαγραφή Όλων",
                               &F::delete_all_menu_Click,
                               Button(4, "DELETE_ALL", "Διαγραφή Όλων", I::DeleteAll))),
    Separator(M::Edit, "sep_some44"),
    Entry(C::ExportIcon48, M::Edit, "bmp_menu", "Αποθήκευση ως   48x48 Icon", &F::bmp_menu_Click),
    Entry(C::ExportIcon32, M::Edit, "ico_menu", "Αποθήκευση ως   32x32 Icon", &F::ico_menu_Click),
    Entry(C::ExportIcon16, M::Edit, "save_as_16_ico", "Αποθήκευση ως   16x16 Icon",
          &F::save_as_16_ico_Click),
    WithKey(Entry(C::ShowHelp, M::Help, "help_menu", "Περιεχόμενα", &F::help_menu_Click),
            Qt::Key_F1),
    Separator(M::Help, "sep_ektakto3"),
    Entry(C::ShowAbout, M::Help, "about_form", "Περί...", &F::about_form_Click),
    BlockedWhileScanning(Entry(C::RemoveNode, M::NodePopup, "remove_node_item", "Αφαίρεση",
                               &F::remove_node_item_Click)),
    BlockedWhileScanning(Entry(C::ClearCategory, M::NodePopup, "clear_node_category",
                               "Αφαίρεση Κατηγορίας", &F::clear_node_category_Click)),
    BlockedWhileScanning(
        Entry(C::ClearAllNodes, M::NodePopup, "clear_node", "Αφαίρεση Όλων", &F::clear_node_Click)),
    // The export buttons are guarded and keep their state when the item menu disables its
    // entries, the log button opens the scan log rather than the log window, and the about
    // button gives the box no caption: each is a command of its own. Under a language file each
    // takes its tooltip from the entry named last.
    ToolbarOnly(C::ExportButton48,
                Button(6, "BMP", "Αποθήκευση ως 48x48", I::Export48, C::ExportIcon48),
                &F::bmp_menu_Click, Guard::Export),
    ToolbarOnly(C::ExportButton32,
                Button(7, "ICO", "Αποθήκευση ως 32x32", I::Export32, C::ExportIcon32),
                &F::ico_menu_Click, Guard::Export),
    ToolbarOnly(C::ExportButton16,
                Button(8, "dekaeji", "Αποθήκευση ως 16x16", I::Export16, C::ExportIcon16),
                &F::save_as_16_ico_Click, Guard::Export),
    ToolbarOnly(C::OpenScanLog,
                Button(10, "log_file", "Εμφάνιση Αρχείου Γεγονότων", I::ScanLog, C::ShowLogWindow),
                &F::OpenScanLog),
    ToolbarOnly(C::ShowAboutUntitled,
                Button(11, "INFO", "Πληροφορίες Προγράμματος", I::About, C::ShowAbout),
                &F::ShowAboutFromToolbar),
    KeyOnly(C::RefreshFiles, "refresh_files_key", Qt::Key_F5, &F::RefreshFiles),
};

// What the lookups by identity rely on: every command has exactly one row, and the menus are
// listed in MenuId's order.
constexpr bool EveryCommandOnce() {
    std::array<int, kCommandCount> rows{};
    for (const Command& command : kCommands)
        if (command.id) ++rows.at(static_cast<std::size_t>(*command.id));
    for (const int count : rows)
        if (count != 1) return false;
    return true;
}
static_assert(EveryCommandOnce(), "each CommandId needs exactly one row");

constexpr bool MenusInOrder() {
    for (std::size_t i = 0; i < kMenus.size(); ++i)
        if (static_cast<std::size_t>(kMenus.at(i).id) != i) return false;
    return true;
}
static_assert(MenusInOrder(), "the menus are listed in MenuId's order");
}  // namespace

std::span<const MenuHead> MenuHeads() {
    return kMenus;
}

std::span<const Command> Commands() {
    return kCommands;
}

const Command& CommandOf(CommandId id) {
    for (const Command& command : kCommands)
        if (command.id == id) return command;
    Q_UNREACHABLE();  // EveryCommandOnce holds
}

const Command* CommandOfKey(const QString& key) {
    for (const Command& command : kCommands)
        if (command.button.key != nullptr && key == QLatin1StringView(command.button.key))
            return &command;
    return nullptr;
}

}  // namespace morvane
