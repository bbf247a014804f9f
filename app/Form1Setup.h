// What the main window is given besides the session, so that tests can put a settings file, a
// command line and recorders of the commands of their own in place.
#pragma once

#include <QString>
#include <functional>

#include "CatalogueParts.h"

namespace morvane {

class CatalogueCommands;
class DialogCommands;
class SettingsStore;

struct Form1Setup {
    SettingsStore& store;
    // The whole argument text of the process.
    QString commandLine;
    // The commands carried out elsewhere. The catalogue's are made once the window's controls
    // exist, from those controls; what it returns must outlive the window.
    std::function<CatalogueCommands&(const CatalogueParts&)> makeCatalogue;
    DialogCommands& dialogs;
};

}  // namespace morvane
