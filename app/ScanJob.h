// What one run of scans is asked to do: one file, or the files of a folder (and of its
// sub-folders), with the options and the log's word as they were when the run was asked for.
#pragma once

#include <string>
#include <utility>

#include "ScanOptions.h"

namespace morvane {

struct ScanJob {
    std::string file;  // a single source, with its folder; empty for a folder's files
    std::string folder;
    std::string pattern;
    bool subFolders = false;
    ScanOptions options;
    std::string foundWord;  // of LOG.txt's count line

    static ScanJob OfFile(std::string path) {
        ScanJob job;
        job.file = std::move(path);
        return job;
    }
    static ScanJob OfFolder(std::string folder, std::string pattern, bool subFolders) {
        ScanJob job;
        job.folder = std::move(folder);
        job.pattern = std::move(pattern);
        job.subFolders = subFolders;
        return job;
    }
};

}  // namespace morvane
