// What every container reader offers: its files one after another, each read front to back.
// Readers never throw; what they cannot read comes back as an error code.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <system_error>

#include "FileSystem.h"
#include "containers/ContainerCandidate.h"
#include "containers/UnpackBudget.h"

namespace morvane {

struct EntryHeader {
    std::string name;            // its path inside the container, "/" between folders
    std::int64_t declared = -1;  // the size its header gives; -1 when it gives none
    bool encrypted = false;
};

// Passed: a header that names no file (a folder, a link, a device); it counts as an entry read,
// and there is nothing to read from it.
enum class NextEntry { Found, Passed, End, Failed };

class ContainerReader {
  public:
    virtual ~ContainerReader() = default;
    // Moves to the next header. Failed: `error` says why, and no entry follows.
    virtual NextEntry Next(EntryHeader& header, std::error_code& error) = 0;
    // The current entry's next bytes; none at its end.
    virtual ReadResult Read(std::uint8_t* into, std::size_t count) = 0;
    // How far into its source the container has been read: candidates before that are its own.
    virtual std::int64_t Extent() const = 0;
};

// Why a candidate gave no reader.
enum class OpenFailure {
    NotThere,     // no container, or an empty one: a signature's bytes can occur by chance
    Damaged,      // a signature too long to be chance, in front of bytes that do not read
    Unavailable,  // this build has no reader for the format
    OverBudget,   // listing its files would unpack or hold more than the budget has left
};

struct OpenAttempt {
    OpenFailure failure = OpenFailure::NotThere;
    // Where a failed opening stopped reading, from the source's start: a signature of the same
    // format before it lies in bytes parsed already, and is passed over.
    std::int64_t parsedEnd = 0;
};

// A reader for the container the candidate points at in `source` (of `length` bytes), drawing
// on `budget` for what it unpacks and holds to list its files; or none, with `attempt` saying
// why.
std::unique_ptr<ContainerReader> OpenContainer(SourceFile& source, std::int64_t length,
                                               const ContainerCandidate& candidate,
                                               UnpackBudget& budget, OpenAttempt& attempt);

}  // namespace morvane
