#include "FileMarks.h"

#include <filesystem>
#include <stdexcept>

#include "NativePath.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morvane::test {

namespace {
#ifdef _WIN32
void AddAttributes(const std::string& path, DWORD added) {
    const std::wstring wide = ToFsPath(path).wstring();
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    // A mark that silently failed to stick would make the tests that rely on it pass for nothing.
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        !SetFileAttributesW(wide.c_str(), attributes | added))
        throw std::runtime_error("cannot set the attributes of " + path);
}
#endif
}  // namespace

std::string HiddenName(const std::string& name) {
#ifdef _WIN32
    return name;
#else
    return "." + name;
#endif
}

void MarkHidden([[maybe_unused]] const std::string& path) {
#ifdef _WIN32
    AddAttributes(path, FILE_ATTRIBUTE_HIDDEN);
#endif
}

void MarkReadOnly(const std::string& path) {
    std::filesystem::permissions(ToFsPath(path),
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
}

#ifdef _WIN32
void MarkSystem(const std::string& path) {
    AddAttributes(path, FILE_ATTRIBUTE_SYSTEM);
}
#endif

}  // namespace morvane::test
