// Items scanned ahead wait under "<name>.part-<process>-<number>" until their turn. A program that
// is killed mid-run leaves them behind; the next run removes those of processes that are gone,
// and never those of a program still scanning into the same folders.
#pragma once

#include <string>

namespace morvane {

// The suffix of this process's items written ahead: its process number and a random number.
std::string AheadSuffix();

// Removes, from the kind folders under `outputRoot`, the items written ahead by processes that no
// longer run. Returns how many it removed.
int RemoveAheadLeftovers(const std::string& outputRoot);

}  // namespace morvane
