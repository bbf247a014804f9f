// The main window's commands by identity. The command table gives each one, once, its menu entry,
// caption, toolbar button and handler; everything else names a command by its CommandId.
#pragma once

namespace morvane {

enum class CommandId : int {
    ScanFolder,
    Exit,
    ShowLogWindow,
    ShowOptions,
    OpenTranslationFile,
    ChooseLanguage,
    OpenItem,
    DeleteItem,
    DeleteAllItems,
    ExportIcon48,
    ExportIcon32,
    ExportIcon16,
    ShowHelp,
    ShowAbout,
    RemoveNode,
    ClearCategory,
    ClearAllNodes,
    // The toolbar's own commands: the guarded exports, the scan log and the about box without a
    // caption.
    ExportButton48,
    ExportButton32,
    ExportButton16,
    OpenScanLog,
    ShowAboutUntitled,
    // A command of the keyboard alone: the browser's file list read anew.
    RefreshFiles,
};

inline constexpr int kCommandCount = static_cast<int>(CommandId::RefreshFiles) + 1;

}  // namespace morvane
