#include "ShellOpen.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "NativePath.h"
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace morvane {

namespace {
class SystemOpener final : public ShellOpener {
public:
    void Open(const std::string& target) override {
#ifdef _WIN32
        // No verb, no parameters, no working folder, a normal window.
        ShellExecuteW(nullptr, nullptr, ToFsPath(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
#else
        // xdg-open hands the file to the desktop's associated program.
        char program[] = "xdg-open";
        std::string argument = target;
        char* argv[] = {program, argument.data(), nullptr};
        pid_t child = 0;
        if (posix_spawnp(&child, program, nullptr, nullptr, argv, environ) == 0) {
            int status = 0;
            waitpid(child, &status, 0);
        }
#endif
    }
};

ShellOpener* current = nullptr;
}  // namespace

ShellOpener& SystemShellOpener() {
    static SystemOpener opener;
    return opener;
}

ShellOpener* SetShellOpener(ShellOpener* opener) {
    ShellOpener* previous = current;
    current = opener;
    return previous;
}

void ShellOpen(const std::string& target) {
    (current != nullptr ? *current : SystemShellOpener()).Open(target);
}

}  // namespace morvane
