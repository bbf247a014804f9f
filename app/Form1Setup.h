// Everything the main window is given rather than finds for itself, so that tests can put a
// settings file, message boxes, a shell and an output folder of their own in place.
#pragma once

#include <QString>
#include <string>

namespace morvane {

class CatalogueCommands;
class DialogCommands;
class MessageBoxes;
class SettingsStore;
class ShellOpener;

struct Form1Setup {
    SettingsStore* store = nullptr;
    MessageBoxes* messageBoxes = nullptr;
    ShellOpener* shell = nullptr;
    // The program's folder, ending with the path separator: language files, the browser's start.
    QString appFolder;
    // Where the kind folders and LOG.txt go, ending with the path separator.
    std::string outputRoot;
    // The whole argument text of the process.
    QString commandLine;
    // Commands carried out elsewhere; without them the entries exist and do nothing.
    CatalogueCommands* catalogue = nullptr;
    DialogCommands* dialogs = nullptr;
};

}  // namespace morvane
