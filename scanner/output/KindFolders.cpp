#include "KindFolders.h"

#include <filesystem>

#include "NativePath.h"
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

namespace {
// The same folder by the file system's judgement: links, letter case and ".." count.
bool IsFolder(const std::filesystem::path& folder,
              const std::vector<std::filesystem::path>& kinds) {
    for (const std::filesystem::path& kind : kinds) {
        std::error_code error;
        if (std::filesystem::equivalent(folder, kind, error) && !error) return true;
    }
    return false;
}
}  // namespace

std::vector<std::string> WithoutKindFolders(std::vector<std::string> folders,
                                            const std::string& outputRoot) {
    std::vector<std::filesystem::path> kinds;
    for (const ResourceKind kind : kAllKinds) {
        const std::filesystem::path folder = ToFsPath(KindFolder(outputRoot, kind));
        std::error_code error;
        if (std::filesystem::is_directory(folder, error)) kinds.push_back(folder);
    }
    if (kinds.empty() || folders.size() < 2) return folders;
    std::vector<std::string> kept{folders.front()};
    std::string skipped;  // the kind folder whose sub-folders follow it, with its separator
    for (std::size_t i = 1; i < folders.size(); ++i) {
        const std::string& folder = folders[i];
        if (!skipped.empty() && folder.starts_with(skipped)) continue;
        skipped.clear();
        if (IsFolder(ToFsPath(folder), kinds))
            skipped = WithTrailingSeparator(folder);
        else
            kept.push_back(folder);
    }
    return kept;
}

}  // namespace morvane
