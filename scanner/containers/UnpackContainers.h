// The engine's step for containers: after a source's own items, the files its containers hold
// are searched and written as items of that source, numbered on after its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FileSystem.h"
#include "ScanOptions.h"
#include "ScanSink.h"
#include "SignatureTable.h"
#include "StopToken.h"

namespace morvane {

class SearchPhase;

struct UnpackRequest {
    const std::string& path;  // the source, with its folder
    const std::string& name;  // its file name
    const ScanOptions& options;
    const std::vector<SignatureRow>& table;
    ScanSink& sink;
    StopToken& stop;
    std::int64_t firstNumber;  // the number of the source's first item from a container
    const std::string& outputRoot;
    FileSystem& fileSystem;
};

// Returns how many items the containers gave.
std::int64_t UnpackContainers(const UnpackRequest& request, SearchPhase& search);

}  // namespace morvane
