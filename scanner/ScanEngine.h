// Scans one source file: finds the enabled signatures chunk by chunk, measures each candidate by
// its format's rule (the search phase), then writes every accepted item into its kind folder (the
// extraction phase). It tells what it does as events to a sink and words nothing itself: LOG.txt
// is one more sink (LogFileSink), which also knows whether anything failed; the windows and the
// terminal are others.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FileSystem.h"
#include "ItemExtraction.h"
#include "ItemWriter.h"
#include "ScanOptions.h"
#include "ScanSink.h"
#include "SearchPhase.h"
#include "SignatureTable.h"
#include "SourceNames.h"
#include "StopToken.h"
#include "containers/ContainerCandidate.h"

namespace morvane {

class DistinctItems;
class EnclosingItems;
class PageSearch;
class SearchPool;

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

    // The sources the caller will scan next, in this order and with these options: with more
    // than one thread they are searched while earlier ones are written. The outcome of each scan
    // is the same as without a plan. An empty plan forgets what was planned.
    void PlanAhead(const std::vector<std::string>& paths, const ScanOptions& options);

    // A new run of scans begins: a run of distinct items compares its items only with one
    // another, not with those of earlier runs. The sources keep their names (SourceNames) for
    // the engine's whole life, which is one run of a program.
    void StartRun();

    // The threads `options` asks for: its count, or one per processor.
    static int ThreadCount(const ScanOptions& options) noexcept;

  private:
    struct Scanned {
        const std::string& path;
        const std::string& name;
        const ScanOptions& options;
        ScanSink& sink;
        StopToken& stop;
    };
    struct Told {
        std::int64_t items = 0;
        std::int64_t stoppedAt = -1;  // the bytes searched before a stop ended the search
        FoundContainers containers;   // what the search found of them
    };
    // Searches the source and writes its items; says how many were told.
    Told Scan(const Scanned& scanned, SourceFile& source);
    // Container candidates are looked for in its first `containersEnd` bytes.
    const std::vector<AcceptedItem>& SearchHere(SourceFile& source, std::int64_t length,
                                                std::int64_t containersEnd,
                                                const SearchPhase::Context& context,
                                                const SearchPhase::Taken& taken);
    // The items of the files the source's containers hold; `found` of its own came before.
    std::int64_t UnpackContainers(const Scanned& scanned, std::int64_t found,
                                  FoundContainers containers);
    SearchPool* Pool(const ScanOptions& options);
    ItemExtraction::Setup ExtractionSetup(const ScanOptions& options);

    ScanSetup setup_;
    std::unique_ptr<SearchPhase> search_;
    std::unique_ptr<DistinctItems> distinct_;    // of the run
    std::unique_ptr<EnclosingItems> enclosing_;  // of the source and the entries being read
    std::unique_ptr<PageSearch> pageSearch_;     // of a scan on the caller's thread
    SignatureTableCache tables_;                 // for pageSearch_
    SourceNames names_;
    bool leftoversRemoved_ = false;
    std::unique_ptr<SearchPool> pool_;  // of a scan on several
};

}  // namespace morvane
