// Opens the containers of one source and hands every file they hold to the engine, opening in
// turn the containers those files are, within the source's limits. What cannot be read is told
// once, as a container failure, and the walk goes on with the rest.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "FileSystem.h"
#include "ScanError.h"
#include "ScanSink.h"
#include "StopToken.h"
#include "containers/ContainerCandidate.h"
#include "containers/ContainerReader.h"
#include "containers/UnpackBudget.h"

namespace morvane {

class EntryBuffer;

// The engine's side of the walk.
class EntryScanner {
  public:
    virtual ~EntryScanner() = default;
    // Scans one unpacked entry; `inside` names it, from the source inward.
    virtual void ScanEntry(SourceFile& entry, std::span<const std::string> inside) = 0;
    // What the last entry's search found of the containers it holds; by default nothing, and the
    // walk looks for them itself.
    virtual FoundContainers ContainersFound() { return {}; }
};

struct WalkLimits {
    int depth = 8;                                 // containers inside containers
    std::int64_t bytes = 0;                        // unpacked from the whole source
    std::int64_t entries = 100000;                 // read from the whole source
    std::int64_t memory = std::int64_t{64} << 20;  // entries held in memory at once
    // Containers are looked for in this many first bytes of a source or an entry.
    std::int64_t searched = std::numeric_limits<std::int64_t>::max();
    // Where an entry too large for memory is spilled to a scratch file: a folder on disk.
    std::string scratchFolder;
};

class ContainerWalk {
  public:
    ContainerWalk(std::string_view sourceName, WalkLimits limits, ScanSink& sink, StopToken& stop,
                  EntryScanner& scanner);

    // `found`: what the source's search found of its containers.
    void Run(SourceFile& source, std::int64_t length, FoundContainers found = {});

  private:
    // Opens the containers found in `source`, which are `level` deep; `found` as for Run.
    void OpenContainersIn(SourceFile& source, std::int64_t length, int level,
                          FoundContainers found);
    // The candidates of the source's first `searched` bytes: those its search found when it
    // looked in just those, else found here.
    std::vector<ContainerCandidate> Candidates(SourceFile& source, std::int64_t searched,
                                               FoundContainers found);
    // Opens one candidate; none when it is no container or may not be read, told where that is
    // worth a line.
    std::unique_ptr<ContainerReader> Open(SourceFile& source, std::int64_t length,
                                          const ContainerCandidate& candidate,
                                          std::int64_t& parsedEnd);
    void ReadEntries(ContainerReader& reader, int level);
    // Counts one more header read from the source's containers; false (told) past the limit.
    bool CountEntry();
    // Unpacks, scans and opens one entry (its name is the last of `inside_`); false when nothing
    // more may be read from the container.
    bool ReadEntry(ContainerReader& reader, const EntryHeader& header, int level);
    std::error_code Unpack(ContainerReader& reader, EntryBuffer& entry);
    bool HoldsAncestor(EntryBuffer& entry);
    void Tell(ScanErrc why);
    void Tell(const std::error_code& why);

    std::string_view sourceName_;
    WalkLimits limits_;
    ScanSink& sink_;
    StopToken& stop_;
    EntryScanner& scanner_;
    std::vector<std::string> inside_;     // the entry being read, from the source inward
    std::vector<SourceFile*> ancestors_;  // the source, then each entry being read
    UnpackBudget budget_{0, 0};
    std::int64_t entriesLeft_ = 0;
    bool limitReached_ = false;  // nothing more is read from this source
    bool unavailableTold_ = false;
};

}  // namespace morvane
