// A file made read-only the platform's own way: the read-only attribute on Windows, no write
// permission for anyone elsewhere.
#pragma once

#include <filesystem>
#include <string>

#include "NativePath.h"

namespace morvane::test {

inline void MarkReadOnly(const std::string& path) {
    namespace fs = std::filesystem;
    fs::permissions(ToFsPath(path),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

}  // namespace morvane::test
