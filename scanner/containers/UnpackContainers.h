// The engine's step for containers: after a source's own items, the files its containers hold
// are searched and written as items of that source, numbered on after its own.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "FileSystem.h"
#include "ScanOptions.h"
#include "ScanSink.h"
#include "SignatureTable.h"
#include "StopToken.h"
#include "containers/ContainerCandidate.h"

namespace morvane {

// Searches an entry and writes its items, numbered on from `firstNumber`, as items of the source
// that holds it; returns how many it told, and in `containers` the candidates its search found.
using EntryScan =
    std::function<std::int64_t(SourceFile& entry, std::int64_t firstNumber,
                               std::span<const std::string> inside, FoundContainers& containers)>;

struct UnpackRequest {
    const std::string& path;  // the source, with its folder
    const std::string& name;  // its file name
    const ScanOptions& options;
    ScanSink& sink;
    StopToken& stop;
    std::int64_t firstNumber;  // the number of the source's first item from a container
    FileSystem& fileSystem;
    const EntryScan& scanEntry;
    FoundContainers containers;  // what the source's search found of them
    std::string scratchFolder;   // for entries too large for memory: the outputs' folder
};

// Returns how many items the containers gave.
std::int64_t UnpackContainers(const UnpackRequest& request);

}  // namespace morvane
