#include "FolderListing.h"

#include <algorithm>
#include <filesystem>

#include "NativePath.h"
#include "PathHelpers.h"
#include "Wildcard.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morvane {

namespace {
enum class EntryType { File, Folder };

std::vector<std::string> ListEntries(const std::string& folder, EntryType type,
                                     const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(ToFsPath(folder), error), end;
    for (; !error && it != end; it.increment(error)) {
        std::error_code statusError;
        const bool isFolder = it->is_directory(statusError);
        if (statusError) continue;
        if (type == EntryType::Folder ? !isFolder : (isFolder || !it->is_regular_file(statusError)))
            continue;
        // A linked folder may lead back up the tree; the walk never follows one.
        if (type == EntryType::Folder && it->is_symlink(statusError)) continue;
        const std::string name = FromFsPath(it->path().filename());
        if (IsHiddenEntry(FromFsPath(it->path()))) continue;
        if (type == EntryType::File && !WildcardMatch(pattern, name)) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), NameLess);
    return names;
}

void CollectInto(const std::string& folder, std::vector<std::string>& out) {
    out.push_back(folder);
    for (const std::string& name : ListSubFolders(folder))
        CollectInto(WithTrailingSeparator(folder) + name, out);
}
}  // namespace

bool NameLess(const std::string& a, const std::string& b) noexcept {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i)
        if (FoldLetterCase(a[i]) != FoldLetterCase(b[i]))
            return static_cast<unsigned char>(FoldLetterCase(a[i])) <
                   static_cast<unsigned char>(FoldLetterCase(b[i]));
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
    return ListEntries(folder, EntryType::File, pattern);
}

std::vector<std::string> ListSubFolders(const std::string& folder) {
    return ListEntries(folder, EntryType::Folder, "*");
}

std::vector<std::string> CollectSubFolders(const std::string& folder) {
    std::vector<std::string> folders;
    CollectInto(folder, folders);
    return folders;
}

bool IsHiddenEntry(const std::string& path) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(ToFsPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
#else
    const std::string name = FileNameOfPath(path);
    return !name.empty() && name[0] == '.';
#endif
}

}  // namespace morvane
