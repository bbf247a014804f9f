// The ten kind folders under the output root.
#pragma once

#include <optional>
#include <string>
#include <system_error>

#include "FileSystem.h"
#include "ResourceKind.h"

namespace morvane {

struct FolderFailure {
    ResourceKind kind;
    std::error_code error;
};

// outputRoot + kind + separator.
std::string KindFolder(const std::string& outputRoot, ResourceKind kind);

// Makes sure all ten kind folders exist (every missing level too), in creation order; stops at
// the first that cannot be made.
std::optional<FolderFailure> CreateKindFolders(FileSystem& fileSystem,
                                               const std::string& outputRoot);

}  // namespace morvane
