#include "ScanEngine.h"

#include <vector>

#include "ExtractionPhase.h"
#include "KindFolders.h"
#include "PathHelpers.h"
#include "SearchPhase.h"
#include "SignatureTable.h"
#include "containers/UnpackContainers.h"

namespace morvane {

ScanEngine::ScanEngine(ScanSetup setup)
    : setup_(std::move(setup)), search_(std::make_unique<SearchPhase>()) {}
ScanEngine::~ScanEngine() = default;

ScanSummary ScanEngine::ScanFile(const std::string& path, const ScanOptions& options,
                                 ScanSink& sink, StopToken& stop) {
    FileSystem& fileSystem = *setup_.fileSystem;
    ScanSummary summary;
    if (!fileSystem.IsFile(path)) return summary;
    summary.scanned = true;

    const std::string name = FileNameOfPath(path);
    const SourceStart start{path, name, options};
    sink.SourceBegun(start);
    const std::vector<SignatureRow> table = BuildSignatureTable(options);
    if (auto failure = CreateKindFolders(fileSystem, setup_.outputRoot)) {
        sink.FoldersFailed({setup_.outputRoot, failure->kind, failure->error});
        summary.foldersFailed = true;
        return summary;
    }
    sink.SearchBegun(start);

    std::error_code error;
    std::int64_t length = 0;
    static const std::vector<AcceptedItem> kNothing;
    const std::vector<AcceptedItem>* accepted = &kNothing;
    if (std::unique_ptr<SourceFile> source = fileSystem.OpenSource(path, error)) {
        length = source->Length();
        accepted = &search_->Run(*source, length, {options, table, sink, stop, name});
    } else {
        sink.Failure(error);
    }

    const ExtractionSource source{path, name, length, options.readResources, options.checkItems};
    std::int64_t found =
        ExtractAcceptedItems(*accepted, source, setup_.outputRoot, fileSystem, sink);
    if (options.unpackContainers && length > 0)
        found += UnpackContainers(
            {path, name, options, table, sink, stop, found, setup_.outputRoot, fileSystem},
            *search_);
    sink.SourceEnded({name, found});
    summary.itemsLogged = found;
    return summary;
}

}  // namespace morvane
