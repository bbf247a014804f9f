#include "TerminalScan.h"

#include <filesystem>

#include "FolderListing.h"
#include "KindFolders.h"
#include "LogFileSink.h"
#include "NativePath.h"
#include "PathHelpers.h"
#include "ScanEngine.h"
#include "SinkPair.h"
#include "TerminalSink.h"

namespace morvane::cli {

namespace {
// Windows takes "/" between the parts of a path as well as "\", but the engine finds a file's
// name after the last "\" only; so a path typed with "/" is put in the system's own form first.
std::string InPlatformForm(std::string path) {
#ifdef _WIN32
    for (char& c : path)
        if (c == '/') c = kPathSeparator;
#endif
    return path;
}

// A bare name gets the current folder in front, so that output names keep the source's name.
std::string WithFolder(const std::string& path) {
    if (path.find(kPathSeparator) != std::string::npos) return path;
#ifdef _WIN32
    if (path.size() >= 2 && path[1] == ':') return path;  // "C:a.dll", relative to a drive
#endif
    return std::string(".") + kPathSeparator + path;
}

std::string OutputRoot(const CliOptions& options) {
    if (options.outputFolder.empty()) return WithTrailingSeparator(".");
    return WithTrailingSeparator(InPlatformForm(options.outputFolder));
}

}  // namespace

// The kind folders of the output are left out, as a batch is to search what was there before it.
std::vector<std::string> CollectSources(const CliOptions& options) {
    const std::string path = InPlatformForm(options.path);
    std::error_code error;
    if (!std::filesystem::is_directory(ToFsPath(path), error)) return {WithFolder(path)};
    std::vector<std::string> sources;
    const std::vector<std::string> folders =
        options.recursive ? WithoutKindFolders(CollectSubFolders(path), OutputRoot(options))
                          : std::vector<std::string>{path};
    for (const std::string& folder : folders)
        for (const std::string& name : ListFiles(folder, options.pattern))
            sources.push_back(WithTrailingSeparator(folder) + name);
    return sources;
}

int RunTerminalScan(const CliOptions& options, std::FILE* items, std::FILE* errors,
                    bool errorsIsTerminal, StopToken& stop) {
    ScanSetup setup;
    setup.outputRoot = OutputRoot(options);
    TerminalSink terminal(items, errors, options.json, errorsIsTerminal && !options.quiet);

    // The kind folders exist after any run, whatever kinds are asked for.
    if (auto failure = CreateKindFolders(*setup.fileSystem, setup.outputRoot)) {
        terminal.Tell(TerminalSink::FolderMessage({setup.outputRoot, failure->kind, {}}) + " (" +
                      failure->error.message() + ")");
        return kExitFailure;
    }

    LogFileSink log({*setup.fileSystem, setup.outputRoot, "found", LocalDateTimeText, &terminal});
    SinkPair sinks(log, terminal);
    ScanEngine engine(std::move(setup));
    bool failed = false;
    const std::vector<std::string> sources = CollectSources(options);
    engine.PlanAhead(sources, options.scan);
    for (const std::string& source : sources) {
        if (stop.StopRequested()) break;  // interrupted: what was found so far is written
        const ScanSummary summary = engine.ScanFile(source, options.scan, sinks, stop);
        failed = failed || summary.foldersFailed;
    }
    terminal.Finish();
    return failed || log.HadFailure() ? kExitFailure : kExitOk;
}

}  // namespace morvane::cli
