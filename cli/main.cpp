// morvane-scan: the scanner from a terminal or a script.
#include <clocale>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "NativePath.h"
#include "StopRequested.h"
#include "TerminalScan.h"
#include "Version.h"

#ifdef _WIN32
#include <io.h>
#define MORVANE_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define MORVANE_ISATTY(fd) isatty(fd)
#endif

namespace {
extern "C" void RequestStop(int) { morvane::StopRequested().store(true); }

int Usage(const std::string& problem) {
    std::fprintf(stderr, "morvane-scan: %s\nTry 'morvane-scan --help'.\n", problem.c_str());
    return morvane::cli::kExitUsage;
}
}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");  // the log's date and time in the user's format
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const morvane::cli::ParseResult parsed = morvane::cli::ParseCommandLine(arguments);
    if (!parsed.options) return Usage(parsed.error);
    const morvane::cli::CliOptions& options = *parsed.options;
    if (options.help) {
        std::fputs(morvane::cli::UsageText().c_str(), stdout);
        return morvane::cli::kExitOk;
    }
    if (options.version) {
        std::printf("morvane-scan %s\n", MORVANE_VERSION);
        return morvane::cli::kExitOk;
    }
    std::error_code error;
    if (!std::filesystem::exists(morvane::ToFsPath(options.path), error))
        return Usage("cannot find '" + options.path + "'");

    std::signal(SIGINT, RequestStop);
    return morvane::cli::RunTerminalScan(options, stdout, stderr, MORVANE_ISATTY(2) != 0);
}
