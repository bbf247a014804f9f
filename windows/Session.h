// What the main window, the catalogue and the scan runner share, made once in main and handed to
// them by reference: the settings record, the words of the chosen language, the title, the
// folders, the message boxes, the shell and the item the item commands act on. A part that needs
// only a few of these is given those alone. Start-up fills the settings, the words and the title;
// the parts read them when they act, so none of them needs the main window to reach these.
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
            std::string outputFolder)
        : boxes(messageBoxes),
          shell(shellOpener),
          appFolder(std::move(programFolder)),
          outputRoot(std::move(outputFolder)) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    MessageBoxes& boxes;
    ShellOpener& shell;
    // The program's folder, ending with the path separator: language files, the browser's start.
    const QString appFolder;
    // Where the kind folders and LOG.txt go, ending with the path separator.
    const std::string outputRoot;
    ScanSettings settings;
    MessageTable messages;
    QString appTitle;
    // The item of the item list the item commands act on: 1-based, 0 when none was clicked.
    int selectedItem = 0;
};

}  // namespace morvane
