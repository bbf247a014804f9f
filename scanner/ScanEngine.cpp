#include "ScanEngine.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "AheadLeftovers.h"
#include "AheadScan.h"
#include "ItemExtraction.h"
#include "KindFolders.h"
#include "PageSearch.h"
#include "PathHelpers.h"
#include "SearchPhase.h"
#include "SearchPool.h"
#include "SignatureTable.h"
#include "containers/UnpackContainers.h"

namespace morvane {

ScanEngine::ScanEngine(ScanSetup setup)
    : setup_(std::move(setup)),
      search_(std::make_unique<SearchPhase>()),
      distinct_(std::make_unique<DistinctItems>(*setup_.fileSystem)),
      enclosing_(std::make_unique<EnclosingItems>(*setup_.fileSystem)) {}
ScanEngine::~ScanEngine() = default;

int ScanEngine::ThreadCount(const ScanOptions& options) noexcept {
    if (options.threads > 0) return options.threads;
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

void ScanEngine::StartRun() {
    distinct_->Clear();
}

ScanSummary ScanEngine::ScanFile(const std::string& path, const ScanOptions& options,
                                 ScanSink& sink, StopToken& stop) {
    FileSystem& fileSystem = *setup_.fileSystem;
    ScanSummary summary;
    if (!fileSystem.IsFile(path)) return summary;
    summary.scanned = true;

    const std::string name = names_.NameOf(path);
    const SourceStart start{path, name, options};
    sink.SourceBegun(start);
    if (auto failure = CreateKindFolders(fileSystem, setup_.outputRoot)) {
        sink.FoldersFailed({setup_.outputRoot, failure->kind, failure->error});
        summary.foldersFailed = true;
        return summary;
    }
    // What a killed run left waiting ahead goes before this run writes anything.
    if (!leftoversRemoved_) {
        leftoversRemoved_ = true;
        RemoveAheadLeftovers(setup_.outputRoot);
    }
    sink.SearchBegun(start);

    const Scanned scanned{path, name, options, sink, stop};
    SourceEnd end{name, 0};
    std::error_code error;
    if (std::unique_ptr<SourceFile> source = fileSystem.OpenSource(path, error)) {
        Told told = Scan(scanned, *source);
        summary.itemsLogged = told.items;
        end.length = source->Length();
        end.searched = SearchedLength(end.length, options);
        if (told.stoppedAt >= 0) end.stoppedAt = told.stoppedAt;
        // The files its containers hold, after the source's own items.
        if (options.unpackContainers && end.length > 0 && !end.stoppedAt) {
            summary.itemsLogged +=
                UnpackContainers(scanned, summary.itemsLogged, std::move(told.containers));
            // A stop made meanwhile left some of them unread.
            if (stop.StopRequested()) end.stoppedAt = end.searched;
        }
    } else {
        sink.Failure(error);
    }
    end.itemCount = summary.itemsLogged;
    sink.SourceEnded(end);
    return summary;
}

void ScanEngine::PlanAhead(const std::vector<std::string>& paths, const ScanOptions& options) {
    if (SearchPool* pool = Pool(options)) {
        pool->DropPlan();
        pool->Plan(paths, names_.Foresee(paths), options);
    }
}

// On one thread the pages are searched as they are taken; on several, the pool searches them
// ahead, and the sources planned after this one too. A source scanned ahead is only told.
ScanEngine::Told ScanEngine::Scan(const Scanned& scanned, SourceFile& source) {
    const std::int64_t length = source.Length();
    const ScanOptions& options = scanned.options;
    enclosing_->BeginLevel(0);
    ItemExtraction extraction(
        {scanned.path, scanned.name, length, options.readResources, options.checkItems},
        ExtractionSetup(options));
    const SearchPhase::Context context{options, scanned.sink, scanned.stop, scanned.name};
    const auto write = [&](const std::vector<AcceptedItem>& accepted) {
        extraction.WriteUpTo(accepted);
    };
    const std::vector<AcceptedItem>* accepted = nullptr;
    const std::int64_t containersEnd = ContainerSearchEnd(length, options);
    if (SearchPool* pool = Pool(options)) {
        SearchPool::Taken taken = pool->Take(scanned.path, scanned.name, length, options);
        if (taken.ahead) {
            AheadScan& ahead = *taken.ahead;
            ahead.extraction->HoldTold(ExtractionSetup(options).enclosing);
            const SearchRecord::Replayed replayed = ahead.record.Replay(
                scanned.sink, scanned.stop, scanned.name, ahead.accepted.size());
            pool->Release(taken.source);
            return {ahead.extraction->Tell(ahead.accepted, replayed.kept, scanned.sink),
                    replayed.stoppedAt, std::move(ahead.containers)};
        }
        accepted = &search_->Run(
            source, length, context,
            [&](std::int64_t page) { return pool->TakePage(*taken.source, page); }, write);
        pool->Release(taken.source);
    } else {
        accepted = &SearchHere(source, length, containersEnd, context, write);
    }
    return {extraction.Tell(*accepted, accepted->size(), scanned.sink), search_->StoppedAt(),
            search_->TakeContainers(containersEnd)};
}

// Items go to the output root; a run of distinct items compares them with the run's.
ItemExtraction::Setup ScanEngine::ExtractionSetup(const ScanOptions& options) {
    return {setup_.outputRoot,
            *setup_.fileSystem,
            options.distinctItems ? distinct_.get() : nullptr,
            {},
            options.unpackContainers ? enclosing_.get() : nullptr};
}

// The pages searched on this thread, one after the other, as they are taken.
const std::vector<AcceptedItem>& ScanEngine::SearchHere(SourceFile& source, std::int64_t length,
                                                        std::int64_t containersEnd,
                                                        const SearchPhase::Context& context,
                                                        const SearchPhase::Taken& taken) {
    if (!pageSearch_) pageSearch_ = std::make_unique<PageSearch>();
    const ScanOptions& options = context.options;
    const auto table = tables_.For(options);
    const std::int64_t chunks = ChunkCount(length, options);
    return search_->Run(
        source, length, context,
        [&](std::int64_t page) {
            const std::int64_t first = page * kPageChunks;
            return pageSearch_->Search({source, length, options, *table, first,
                                        std::min(kPageChunks, chunks - first), page > 0,
                                        containersEnd});
        },
        taken);
}

// Each entry is searched here and its items written as the source's, numbered on after its own.
// An entry is often one whole picture, ending on its last byte, which the size rules never take:
// whatever the scan, an entry's items are found and measured by their structure, and written as
// that gives them.
std::int64_t ScanEngine::UnpackContainers(const Scanned& scanned, std::int64_t found,
                                          FoundContainers containers) {
    ScanOptions options = scanned.options;
    options.checkItems = true;
    const EntryScan scanEntry = [&](SourceFile& entry, std::int64_t firstNumber,
                                    std::span<const std::string> inside, FoundContainers& inEntry) {
        ExtractionSource held{scanned.path, scanned.name, entry.Length(), options.readResources,
                              options.checkItems};
        held.open = &entry;
        held.firstNumber = firstNumber;
        held.inside.assign(inside.begin(), inside.end());
        enclosing_->BeginLevel(inside.size());
        ItemExtraction extraction(std::move(held), ExtractionSetup(options));
        const SearchPhase::Context context{options, scanned.sink, scanned.stop, scanned.name};
        const std::int64_t containersEnd = ContainerSearchEnd(entry.Length(), options);
        const std::vector<AcceptedItem>& accepted = SearchHere(
            entry, entry.Length(), containersEnd, context,
            [&](const std::vector<AcceptedItem>& taken) { extraction.WriteUpTo(taken); });
        inEntry = search_->TakeContainers(containersEnd);
        return extraction.Tell(accepted, accepted.size(), scanned.sink);
    };
    return morvane::UnpackContainers({scanned.path, scanned.name, scanned.options, scanned.sink,
                                      scanned.stop, found, *setup_.fileSystem, scanEntry,
                                      std::move(containers), setup_.outputRoot});
}

SearchPool* ScanEngine::Pool(const ScanOptions& options) {
    const int threads = ThreadCount(options);
    if (threads <= 1) return nullptr;
    if (!pool_ || pool_->threads() != threads)
        pool_ = std::make_unique<SearchPool>(
            threads, SearchPool::Output{*setup_.fileSystem, setup_.outputRoot, AheadSuffix()});
    return pool_.get();
}

}  // namespace morvane
