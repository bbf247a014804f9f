#include "AheadLeftovers.h"

#include <filesystem>
#include <optional>
#include <random>

#include "KindFolders.h"
#include "NativePath.h"
#include "ResourceKind.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#include <cerrno>
#include <csignal>
#endif

namespace morvane {

namespace {
constexpr std::string_view kMark = ".part-";

unsigned long ThisProcess() {
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(getpid());
#endif
}

// The writer's process number in a name written ahead; nothing for any other name.
std::optional<unsigned long> WriterOf(const std::string& name) {
    const std::size_t mark = name.rfind(kMark);
    if (mark == std::string::npos) return std::nullopt;
    const std::size_t digits = mark + kMark.size();
    const std::size_t dash = name.find('-', digits);
    if (dash == std::string::npos || dash == digits || dash - digits > 10) return std::nullopt;
    unsigned long id = 0;
    for (std::size_t i = digits; i < dash; ++i) {
        if (name[i] < '0' || name[i] > '9') return std::nullopt;
        id = id * 10 + static_cast<unsigned long>(name[i] - '0');
    }
    return id;
}

// Whether the process numbered `id` runs (a process that cannot be asked counts as running).
bool ProcessRuns(unsigned long id) {
#ifdef _WIN32
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
    if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool runs = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return runs;
#else
    return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
#endif
}
}  // namespace

std::string AheadSuffix() {
    std::random_device random;
    return std::string(kMark) + std::to_string(ThisProcess()) + "-" + std::to_string(random()) +
           std::to_string(random());
}

int RemoveAheadLeftovers(const std::string& outputRoot) {
    int removed = 0;
    for (const ResourceKind kind : kAllKinds) {
        std::error_code error;
        std::filesystem::directory_iterator it(ToFsPath(KindFolder(outputRoot, kind)), error), end;
        for (; !error && it != end; it.increment(error)) {
            const std::optional<unsigned long> writer = WriterOf(FromFsPath(it->path().filename()));
            if (!writer || *writer == ThisProcess() || ProcessRuns(*writer)) continue;
            std::error_code removeError;
            if (std::filesystem::remove(it->path(), removeError)) ++removed;
        }
    }
    return removed;
}

}  // namespace morvane
