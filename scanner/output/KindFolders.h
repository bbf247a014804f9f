// The ten kind folders under the output root.
#pragma once

#include <optional>
#include <string>
#include <system_error>
#include <vector>

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

// `folders` (as CollectSubFolders gives them) without the kind folders under `outputRoot` and the
// folders below them: a batch over the output's own folder would otherwise scan the items it has
// just written. The first folder, the one the user chose, always stays.
std::vector<std::string> WithoutKindFolders(std::vector<std::string> folders,
                                            const std::string& outputRoot);

}  // namespace morvane
