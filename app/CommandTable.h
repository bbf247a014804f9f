// Every command of the main window once: its menu entry, designed caption, toolbar button and
// handler. The menus, the toolbar, the toolbar's dispatch by key and the tooltips of the
// language pass are all built from this table, so a command is added with one row here and its
// handler in Form1.
#pragma once

#include <QString>
#include <span>

#include "ToolbarImageList.h"

namespace morvane {

class Form1;

using CommandHandler = void (Form1::*)();

struct Command {
    const char* menu;     // the menu of the entry; nullptr for a command of the toolbar alone
    const char* entry;    // the entry's name; a toolbar-only command names none
    const char* caption;  // the entry's designed caption; "-" is a separator
    // The button: its position among Toolbar1's 13 (the free ones are separators), or -1 for
    // none, its key, designed tooltip and picture, and the entry whose caption becomes its
    // tooltip with a language file. A command with an entry and a button shares one action.
    int position;
    const char* key;
    const char* tooltip;
    CommandImage image;
    const char* tooltipEntry;
    CommandHandler handler;  // nullptr for a separator
    // The export buttons act only on an icon listed without a caption.
    bool exportGuard;
    // A command that changes the results or the options, or starts a scan, waits for the
    // running scan's end: its action is disabled meanwhile.
    bool blockedWhileScanning = false;
};

inline constexpr int kToolbarPositions = 13;

// The rows in menu order, then the toolbar's own commands.
std::span<const Command> Commands();

// The command of the toolbar button with `key`, compared exactly; nullptr when none.
const Command* CommandOfKey(const QString& key);

}  // namespace morvane
