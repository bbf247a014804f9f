// The words a scan writes into its progress text, its log and its one message.
#pragma once

#include <string>

namespace morvane {

struct ScanTexts {
    std::string searching = "Αναζήτηση";
    std::string found = "βρέθηκαν";
    std::string cannotCreateFolder = "Δεν ειναι δυνατή η δημιουργία του φακέλου";
};

}  // namespace morvane
