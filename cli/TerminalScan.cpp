#include "TerminalScan.h"

#include <filesystem>

#include "FolderListing.h"
#include "KindFolders.h"
#include "NativePath.h"
#include "PathHelpers.h"
#include "ScanEngine.h"
#include "StopRequested.h"
#include "TerminalObserver.h"

namespace morvane::cli {

namespace {
// A bare name gets the current folder in front, so that output names keep the source's name.
std::string WithFolder(const std::string& path) {
    if (path.find(kPathSeparator) != std::string::npos) return path;
#ifdef _WIN32
    if (path.find('/') != std::string::npos || (path.size() >= 2 && path[1] == ':')) return path;
#endif
    return std::string(".") + kPathSeparator + path;
}

std::string OutputRoot(const CliOptions& options) {
    return WithTrailingSeparator(options.outputFolder.empty() ? "." : options.outputFolder);
}

ScanTexts TerminalTexts() {
    ScanTexts texts;
    texts.searching = "Searching";
    texts.found = "found";
    texts.cannotCreateFolder = "Cannot create the folder";
    return texts;
}
}  // namespace

std::vector<std::string> CollectSources(const CliOptions& options) {
    std::error_code error;
    if (!std::filesystem::is_directory(ToFsPath(options.path), error)) return {WithFolder(options.path)};
    std::vector<std::string> sources;
    const std::vector<std::string> folders =
        options.recursive ? CollectSubFolders(options.path) : std::vector<std::string>{options.path};
    for (const std::string& folder : folders)
        for (const std::string& name : ListFiles(folder, options.pattern))
            sources.push_back(WithTrailingSeparator(folder) + name);
    return sources;
}

int RunTerminalScan(const CliOptions& options, std::FILE* items, std::FILE* errors, bool errorsIsTerminal) {
    ScanSetup setup;
    setup.outputRoot = OutputRoot(options);
    setup.texts = TerminalTexts();
    TerminalObserver observer(items, errors, options.json, errorsIsTerminal && !options.quiet);

    // The kind folders exist after any run, whatever kinds are asked for.
    if (auto failure = CreateKindFolders(*setup.fileSystem, setup.outputRoot)) {
        observer.FolderCreationFailed(FolderFailureMessage(setup.texts.cannotCreateFolder,
                                                           setup.outputRoot, failure->kind) +
                                      " (" + failure->error.message() + ")");
        return kExitFailure;
    }

    ScanEngine engine(std::move(setup));
    bool failed = false;
    for (const std::string& source : CollectSources(options)) {
        const ScanSummary summary = engine.ScanFile(source, options.scan, observer);
        failed = failed || summary.hadFailure || summary.foldersFailed;
        if (StopRequested().load()) break;  // interrupted: the file in hand was finished
    }
    observer.Finish();
    return failed ? kExitFailure : kExitOk;
}

}  // namespace morvane::cli
