// The terminal tool's whole run once its command line is understood: which files to scan, the
// scans themselves, and the exit status.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "StopToken.h"

namespace morvane::cli {

enum ExitStatus { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// The source paths PATH stands for: PATH itself when it is a file (named with its folder);
// otherwise the matching files of the folder (and, recursively, of its sub-folders).
std::vector<std::string> CollectSources(const CliOptions& options);

// Scans every source; failures are told on `errors`, JSON lines written to `items`. A stop
// request ends the scan in hand at its next chunk and leaves the remaining sources unscanned.
int RunTerminalScan(const CliOptions& options, std::FILE* items, std::FILE* errors,
                    bool errorsIsTerminal, StopToken& stop);

}  // namespace morvane::cli
