// What the whole window program shares, made once in main and handed by reference to the main
// window, the catalogue, the dialogs and the scan runner: the settings record, the words of the
// chosen language, the title, the folders, the message boxes, the shell and the item the item
// commands act on. Start-up fills the settings, the words and the title; the parts read them
// when they act, so none of them needs the main window to reach these.
#pragma once

#include <QString>
#include <string>
#include <utility>

#include "MessageTable.h"
#include "ScanSettings.h"

namespace morvane {

class MessageBoxes;
class ShellOpener;

struct Session {
    Session(MessageBoxes& messageBoxes, ShellOpener& shellOpener, QString programFolder,
            std::string outputFolder, bool outputFolderFellBack = false)
        : boxes(messageBoxes),
          shell(shellOpener),
          appFolder(std::move(programFolder)),
          outputRoot(std::move(outputFolder)),
          outputRootFellBack(outputFolderFellBack) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    MessageBoxes& boxes;
    ShellOpener& shell;
    // The program's folder, ending with the path separator: language files, the browser's start.
    const QString appFolder;
    // Where the kind folders and LOG.txt go, ending with the path separator.
    const std::string outputRoot;
    // The program's folder could not be written, so outputRoot is the user's own data folder.
    const bool outputRootFellBack;
    ScanSettings settings;
    MessageTable messages;
    QString appTitle;
    // The item of the item list the item commands act on: 1-based, 0 when none was clicked.
    int selectedItem = 0;
};

}  // namespace morvane
