#include "ProgramLocation.h"

#include <filesystem>
#include <system_error>

#include "NativePath.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morvane {

namespace {
std::filesystem::path ExecutablePath() {
#ifdef _WIN32
    std::wstring buffer(32768, L'\0');
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(length);
    return std::filesystem::path(buffer);
#else
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
#endif
}
}  // namespace

std::string ProgramFolder() {
    std::filesystem::path executable = ExecutablePath();
    if (executable.empty()) {
        std::error_code error;
        return FromFsPath(std::filesystem::current_path(error));
    }
    return FolderOfProgramFile(FromFsPath(executable));
}

std::string FolderOfProgramFile(const std::string& programFile) {
    return FromFsPath(ToFsPath(programFile).parent_path());
}

}  // namespace morvane
