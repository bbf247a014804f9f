// Scans one source file: finds the enabled signatures chunk by chunk, measures each candidate by
// its format's rule (the search phase), then writes every accepted item into its kind folder (the
// extraction phase). It tells what it does as events to a sink and words nothing itself: LOG.txt
// is one more sink (LogFileSink), which also knows whether anything failed; the windows and the
// terminal are others.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "FileSystem.h"
#include "ScanOptions.h"
#include "ScanSink.h"
#include "StopToken.h"

namespace morvane {

class SearchPhase;

struct ScanSummary {
    bool scanned = false;          // false: no file at the path, nothing was done
    bool foldersFailed = false;    // the kind folders could not be made; nothing was logged
    std::int64_t itemsLogged = 0;  // items found, including those that failed to write
};

struct ScanSetup {
    std::string outputRoot;  // ends with the path separator
    FileSystem* fileSystem = &NativeFileSystem();
};

class ScanEngine {
  public:
    explicit ScanEngine(ScanSetup setup);
    ~ScanEngine();

    // `path` names the source with its folder. A stop request (already made, made through
    // `stop`, or answered by the sink's progress event, which then makes it) ends the search at
    // the next chunk, and what was found so far is still written. The request stays made, so
    // whoever runs several scans with one token sees it too.
    ScanSummary ScanFile(const std::string& path, const ScanOptions& options, ScanSink& sink,
                         StopToken& stop);

  private:
    ScanSetup setup_;
    std::unique_ptr<SearchPhase> search_;
};

}  // namespace morvane
