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
    bool Open(const std::string& target) override {
#ifdef _WIN32
        // No verb, no parameters, no working folder, a normal window. Values above 32 are
        // success.
        const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
            nullptr, nullptr, ToFsPath(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        return result > 32;
#else
        // xdg-open runs the viewer in the foreground when there is no desktop session, so it
        // is started in the background of a short-lived shell in a session of its own, and the
        // orphaned opener is reaped by the system rather than left as a zombie of this process.
        // An opener that finds no program for the file fails at once: the shell waits a moment
        // for that and hands its status on; one still running then has started a program. The
        // shell's own status says whether there is an opener at all.
        char shell[] = "/bin/sh";
        char option[] = "-c";
        char script[] =
            "command -v xdg-open >/dev/null 2>&1 || exit 127\n"
            "xdg-open \"$1\" </dev/null >/dev/null 2>&1 &\n"
            "opener=$!\n"
            "for tick in 1 2 3 4 5 6 7 8 9 10; do\n"
            "  kill -0 \"$opener\" 2>/dev/null || { wait \"$opener\"; exit $?; }\n"
            "  sleep 0.1\n"
            "done\n";
        char name[] = "morvane-open";
        std::string argument = target;
        char* argv[] = {shell, option, script, name, argument.data(), nullptr};
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
        pid_t child = 0;
        int status = -1;
        if (posix_spawn(&child, shell, nullptr, &attributes, argv, environ) == 0) {
            while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
        }
        posix_spawnattr_destroy(&attributes);
        return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
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

bool ShellOpen(const std::string& target) {
    return (current != nullptr ? *current : SystemShellOpener()).Open(target);
}

}  // namespace morvane
