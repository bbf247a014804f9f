// The system's default "open" action, and the process-wide opener that tests replace.
#include "ShellOpen.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs

#include "NativePath.h"
#else
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
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
        // xdg-open runs the viewer in the foreground when there is no desktop session, so it
        // is started in the background of a short-lived shell in a session of its own: the
        // call returns as soon as that shell has exited, and the orphaned opener is reaped by
        // the system rather than left as a zombie of this process.
        char shell[] = "/bin/sh";
        char option[] = "-c";
        char script[] = "xdg-open \"$1\" </dev/null >/dev/null &";
        char name[] = "morvane-open";
        std::string argument = target;
        char* argv[] = {shell, option, script, name, argument.data(), nullptr};
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
        pid_t child = 0;
        if (posix_spawn(&child, shell, nullptr, &attributes, argv, environ) == 0) {
            int status = 0;
            while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
        }
        posix_spawnattr_destroy(&attributes);
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
