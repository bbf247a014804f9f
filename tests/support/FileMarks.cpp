#include "FileMarks.h"

#include <filesystem>
#include <stdexcept>

#include "NativePath.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morvane::test {

#ifdef _WIN32
namespace {
void AddAttributes(const std::string& path, DWORD added) {
    const std::wstring wide = ToFsPath(path).wstring();
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    // A mark that silently failed to stick would make the tests that rely on it pass for nothing.
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        !SetFileAttributesW(wide.c_str(), attributes | added))
        throw std::runtime_error("cannot set the attributes of " + path);
}
}  // namespace
std::string HiddenName(const std::string& name) {
    return name;
}
void MarkHidden(const std::string& path) {
    AddAttributes(path, FILE_ATTRIBUTE_HIDDEN);
}
void MarkSystem(const std::string& path) {
    AddAttributes(path, FILE_ATTRIBUTE_SYSTEM);
}
#else
std::string HiddenName(const std::string& name) {
    return "." + name;
}
void MarkHidden(const std::string&) {}
#endif

void MarkReadOnly(const std::string& path) {
    namespace fs = std::filesystem;
    fs::permissions(ToFsPath(path),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

}  // namespace morvane::test
