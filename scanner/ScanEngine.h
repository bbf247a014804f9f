// Scans one source file: finds the enabled signatures chunk by chunk, measures each candidate by
// its format's rule, then writes every accepted item into its kind folder and logs what it did.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "FileSystem.h"
#include "ScanLog.h"
#include "ScanObserver.h"
#include "ScanOptions.h"
#include "ScanTexts.h"

namespace morvane {

inline constexpr std::int64_t kChunkSize = 1024 * 1024;

struct ScanSummary {
    bool scanned = false;         // false: no file at the path, nothing was done
    bool foldersFailed = false;   // the kind folders could not be made; nothing was logged
    bool hadFailure = false;      // a failure line was logged
    std::int64_t itemsWritten = 0;
};

struct ScanSetup {
    std::string outputRoot;  // ends with the path separator
    ScanTexts texts;
    ScanLog::Clock clock = LocalDateTimeText;
    FileSystem* fileSystem = &NativeFileSystem();
};

class ScanEngine {
public:
    explicit ScanEngine(ScanSetup setup);
    ~ScanEngine();

    // `path` names the source with its folder. Clears the stop request first; a stop request ends
    // the search at the next chunk, and what was found so far is still written.
    ScanSummary ScanFile(const std::string& path, const ScanOptions& options, ScanObserver& observer);

    const ScanSetup& setup() const noexcept { return setup_; }

private:
    struct Search;
    ScanSetup setup_;
    std::unique_ptr<Search> search_;
};

}  // namespace morvane
