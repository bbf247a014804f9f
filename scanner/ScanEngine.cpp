#include "ScanEngine.h"

#include <vector>

#include "ExtractionPhase.h"
#include "KindFolders.h"
#include "PathHelpers.h"
#include "SearchPhase.h"
#include "SignatureTable.h"

namespace morvane {

ScanEngine::ScanEngine(ScanSetup setup)
    : setup_(std::move(setup)), search_(std::make_unique<SearchPhase>()) {}
ScanEngine::~ScanEngine() = default;

ScanSummary ScanEngine::ScanFile(const std::string& path, const ScanOptions& options,
                                 ScanObserver& observer, StopToken& stop) {
    FileSystem& fileSystem = *setup_.fileSystem;
    ScanSummary summary;
    if (!fileSystem.IsFile(path)) return summary;
    summary.scanned = true;
    observer.BusyChanged(true);

    const std::string name = FileNameOfPath(path);
    observer.SourceNodesPrepared(name, options);
    const std::vector<SignatureRow> table = BuildSignatureTable(options);
    if (auto failure = CreateKindFolders(fileSystem, setup_.outputRoot)) {
        observer.FolderCreationFailed(FolderFailureMessage(setup_.texts.cannotCreateFolder,
                                                           setup_.outputRoot, failure->kind));
        observer.BusyChanged(false);
        summary.foldersFailed = true;
        return summary;
    }

    ScanLog log(fileSystem, observer, setup_.clock);
    log.Begin(setup_.outputRoot, path);

    std::error_code error;
    std::int64_t length = 0;
    static const std::vector<AcceptedItem> kNothing;
    const std::vector<AcceptedItem>* accepted = &kNothing;
    if (std::unique_ptr<SourceFile> source = fileSystem.OpenSource(path, error)) {
        length = source->Length();
        accepted = &search_->Run(*source, length, {options, table, observer, log, stop, name});
    } else {
        log.Failure(error);
    }

    const ExtractionSource source{path, name, length, options.readResources, options.checkItems};
    const std::int64_t logged =
        ExtractAcceptedItems(*accepted, source, setup_.outputRoot, fileSystem, observer, log);
    observer.BusyChanged(false);

    log.End(logged, setup_.texts.found);
    observer.ScanFinished(name);
    summary.hadFailure = log.HadFailure();
    summary.itemsLogged = logged;
    return summary;
}

}  // namespace morvane
