// The main window's menus and commands, each once: a command's entry name (the object name that
// language files address as "Form1." + name), designed caption, toolbar button and handler. The
// menus, the toolbar, its dispatch by key, the connections of the actions and the tooltips of the
// language pass are all built from this table, so a command is added with a CommandId, one row
// here and its handler in Form1.
#pragma once

#include <QString>
#include <optional>
#include <span>

#include "CommandId.h"
#include "MenuId.h"
#include "ToolbarImageList.h"

namespace morvane {

class Form1;

using CommandHandler = void (Form1::*)();

struct MenuHead {
    MenuId id;
    const char* name;
    const char* caption;
};

// Where a command's key works: anywhere in the main window, or only while the item list has the
// focus, so that a key acting on the list's item does nothing in the tree, the browser or a text
// box.
enum class KeyScope { Window, ItemList };

struct Command {
    // A button among Toolbar1's 13 positions (the free ones are separators).
    struct Button {
        int position = -1;  // -1: the command has no button
        const char* key = nullptr;
        const char* tooltip = nullptr;  // as designed
        CommandImage image = CommandImage::ScanFolder;
        // The command whose entry's caption becomes the tooltip under a language file; none for
        // the command's own entry.
        std::optional<CommandId> tooltipFrom;
    };

    std::optional<CommandId> id;  // none for a separator
    std::optional<MenuId> menu;   // none for a command of the toolbar alone
    const char* entry = nullptr;
    const char* caption = nullptr;  // "-" for a separator
    // A command with an entry and a button shares one action between them.
    Button button;
    CommandHandler handler = nullptr;
    // The export buttons act only on an icon listed without a caption.
    bool exportGuard = false;
    // A command that changes the results or the options, or starts a scan, waits for the
    // running scan's end: its action is disabled meanwhile.
    bool blockedWhileScanning = false;
    // The keyboard key that runs the command (a Qt::Key), 0 for none. A command with a key but
    // neither entry nor button is the window's alone, its action named by `entry`.
    int shortcut = 0;
    KeyScope shortcutScope = KeyScope::Window;

    bool HasButton() const { return button.position >= 0; }
    bool KeyOnly() const { return !menu && !HasButton() && shortcut != 0; }
    // The command whose entry gives the button its tooltip under a language file.
    CommandId TooltipSource() const { return button.tooltipFrom.value_or(*id); }
};

inline constexpr int kToolbarPositions = 13;

// The menus in menu bar order, which is MenuId's.
std::span<const MenuHead> MenuHeads();

// The rows in menu order, separators included, then the toolbar's own commands.
std::span<const Command> Commands();
const Command& CommandOf(CommandId id);

// The command of the toolbar button with `key`, compared exactly; nullptr when none.
const Command* CommandOfKey(const QString& key);

}  // namespace morvane
