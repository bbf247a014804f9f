// Where the window program writes the kind folders and LOG.txt: beside the program as long as
// its folder can be written, else (an installed program, a read-only medium) in the user's own
// data folder, which the log window and the about box then name.
#pragma once

#include <QString>
#include <string>

namespace morvane {

struct OutputRootChoice {
    std::string root;  // ends with the path separator
    bool fellBack = false;
};

// `programFolder` ends with the path separator; `userFolder` (the platform's per-user data
// folder of the program) is made when it is taken and missing.
OutputRootChoice ChooseOutputRoot(const std::string& programFolder, const QString& userFolder);

// The line that tells where the items go, in Greek for "Default" and in English for every
// language file (as the about box speaks); empty when nothing fell back.
QString OutputFolderNote(const OutputRootChoice& choice, const QString& language);

}  // namespace morvane
