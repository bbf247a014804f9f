#include "KindFolders.h"

#include "PathHelpers.h"
#include "formats/FormatOrders.h"

namespace morvane {

std::string KindFolder(const std::string& outputRoot, ResourceKind kind) {
    return outputRoot + std::string(KindName(kind)) + kPathSeparator;
}

std::optional<FolderFailure> CreateKindFolders(FileSystem& fileSystem,
                                               const std::string& outputRoot) {
    for (ResourceKind kind : kFolderCreationOrder)
        if (std::error_code error = fileSystem.CreateFolders(KindFolder(outputRoot, kind)))
            return FolderFailure{kind, error};
    return std::nullopt;
}

}  // namespace morvane
