// morvane-scan: the scanner from a terminal or a script.
#include <clocale>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "NativePath.h"
#include "StopToken.h"
#include "TerminalScan.h"
#include "Version.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs
#define MORVANE_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define MORVANE_ISATTY(fd) isatty(fd)
#endif

namespace {
morvane::StopToken interrupted;  // Ctrl-C
extern "C" void RequestStop(int) {
    interrupted.RequestStop();
}

// The arguments as UTF-8 text, the form every path of the program takes. Windows hands main()
// its arguments in the 8-bit code page, which cannot hold every file name (a Greek name on a
// Western system), so there they are taken from the wide command line instead.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        std::vector<std::string> arguments;
        for (int i = 1; i < count; ++i) arguments.push_back(morvane::FromFsPath(wide[i]));
        LocalFree(wide);
        return arguments;
    }
#endif
    return std::vector<std::string>(argv + 1, argv + argc);
}

int Usage(const std::string& problem) {
    std::fprintf(stderr, "morvane-scan: %s\nTry 'morvane-scan --help'.\n", problem.c_str());
    return morvane::cli::kExitUsage;
}
}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");  // the log's date and time in the user's format
    const morvane::cli::ParseResult parsed = morvane::cli::ParseCommandLine(Arguments(argc, argv));
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
    return morvane::cli::RunTerminalScan(options, stdout, stderr, MORVANE_ISATTY(2) != 0,
                                         interrupted);
}
