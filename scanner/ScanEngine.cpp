#include "ScanEngine.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "ExtractionPhase.h"
#include "KindFolders.h"
#include "PageSearch.h"
#include "PathHelpers.h"
#include "SearchPhase.h"
#include "SearchPool.h"
#include "SignatureTable.h"

namespace morvane {

ScanEngine::ScanEngine(ScanSetup setup)
    : setup_(std::move(setup)), search_(std::make_unique<SearchPhase>()) {}
ScanEngine::~ScanEngine() = default;

int ScanEngine::ThreadCount(const ScanOptions& options) noexcept {
    if (options.threads > 0) return options.threads;
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

ScanSummary ScanEngine::ScanFile(const std::string& path, const ScanOptions& options,
                                 ScanSink& sink, StopToken& stop) {
    FileSystem& fileSystem = *setup_.fileSystem;
    ScanSummary summary;
    if (!fileSystem.IsFile(path)) return summary;
    summary.scanned = true;

    const std::string name = FileNameOfPath(path);
    const SourceStart start{path, name, options};
    sink.SourceBegun(start);
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
        accepted = &Search(path, *source, length, options, sink, stop);
    } else {
        sink.Failure(error);
    }

    const ExtractionSource source{path, name, length, options.readResources, options.checkItems};
    const std::int64_t found =
        ExtractAcceptedItems(*accepted, source, setup_.outputRoot, fileSystem, sink);
    sink.SourceEnded({name, found});
    summary.itemsLogged = found;
    return summary;
}

void ScanEngine::PlanAhead(const std::vector<std::string>& paths, const ScanOptions& options) {
    if (SearchPool* pool = Pool(options)) {
        pool->DropPlan();
        pool->Plan(paths, options);
    }
}

// On one thread the pages are searched as they are taken; on several, the pool searches them
// ahead, and the sources planned after this one too.
const std::vector<AcceptedItem>& ScanEngine::Search(const std::string& path, SourceFile& source,
                                                    std::int64_t length, const ScanOptions& options,
                                                    ScanSink& sink, StopToken& stop) {
    const std::string name = FileNameOfPath(path);
    const SearchPhase::Context context{options, sink, stop, name};
    if (SearchPool* pool = Pool(options)) {
        const auto taken = pool->Take(path, length, options);
        const auto& accepted = search_->Run(source, length, context, [&](std::int64_t page) {
            return pool->TakePage(*taken, page);
        });
        pool->Release(taken);
        return accepted;
    }
    if (!pageSearch_) pageSearch_ = std::make_unique<PageSearch>();
    const std::vector<SignatureRow> table = BuildSignatureTable(options);
    const std::int64_t chunks = ChunkCount(length, options);
    return search_->Run(source, length, context, [&](std::int64_t page) {
        const std::int64_t first = page * kPageChunks;
        return pageSearch_->Search({source, length, options, table, first,
                                    std::min(kPageChunks, chunks - first), page > 0});
    });
}

SearchPool* ScanEngine::Pool(const ScanOptions& options) {
    const int threads = ThreadCount(options);
    if (threads <= 1) return nullptr;
    if (!pool_ || pool_->threads() != threads)
        pool_ = std::make_unique<SearchPool>(threads, *setup_.fileSystem);
    return pool_.get();
}

}  // namespace morvane
