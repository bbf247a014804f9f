// The files and sub-folders of a folder as the browser and the batch scan see them: hidden
// (and, on Windows, system) entries left out, sorted by name.
#pragma once

#include <string>
#include <vector>

namespace morvane {

// Names (not paths) of the files in `folder` that match `pattern`.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern);

// Names of the sub-folders of `folder`.
std::vector<std::string> ListSubFolders(const std::string& folder);

// Full paths of `folder` and all its sub-folders, depth first, each before its children.
std::vector<std::string> CollectSubFolders(const std::string& folder);

// Whether the entry at `path` is hidden: a name starting with "." elsewhere; the hidden or the
// system attribute on Windows.
bool IsHiddenEntry(const std::string& path);

// Orders names without regard to letter case; names equal but for case keep a fixed order.
bool NameLess(const std::string& a, const std::string& b) noexcept;

}  // namespace morvane
