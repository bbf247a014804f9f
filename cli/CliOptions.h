// The terminal tool's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ScanOptions.h"

namespace morvane::cli {

struct CliOptions {
    std::string path;
    std::string outputFolder;  // empty: the current folder
    ScanOptions scan = [] {
        ScanOptions byDefault;
        byDefault.threads = 0;  // one per processor
        return byDefault;
    }();
    bool recursive = false;
    std::string pattern = "*";
    bool json = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
};

struct ParseResult {
    std::optional<CliOptions> options;
    std::string error;  // one line naming the problem when options is empty
};

ParseResult ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();

}  // namespace morvane::cli
