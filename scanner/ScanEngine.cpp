#include "ScanEngine.h"

#include <algorithm>
#include <array>
#include <vector>

#include "ItemWriter.h"
#include "KindFolders.h"
#include "MarkerCursors.h"
#include "MidiChainMemo.h"
#include "PathHelpers.h"
#include "ProgressText.h"
#include "Recognisers.h"
#include "SignatureFinder.h"
#include "SignatureTable.h"
#include "SourceWindow.h"
#include "StopRequested.h"

namespace morvane {

namespace {
// A chunk, the look-ahead of its last candidate, and room to slide rarely.
constexpr std::size_t kWindowCapacity = 16 * 1024 * 1024;
// The user interface gets a chance to run after this many candidates of a chunk.
constexpr std::size_t kCandidatesPerYield = 4096;
}  // namespace

// The search phase's working set, kept between scans so its buffers are allocated once.
struct ScanEngine::Search {
    SourceWindow window{kWindowCapacity};
    MarkerCursors cursors{window};
    MidiChainMemo midi;
    SignatureFinder finder;
    std::vector<SignatureMatch> matches;
    std::array<std::vector<AcceptedItem>, kSignatureRowCount> byRow;
    std::vector<AcceptedItem> accepted;

    void Reset(SourceFile* source, std::int64_t length) {
        window.Reset(source, length);
        cursors.Reset();
        midi.Clear();
        accepted.clear();
    }
};

ScanEngine::ScanEngine(ScanSetup setup) : setup_(std::move(setup)), search_(std::make_unique<Search>()) {}
ScanEngine::~ScanEngine() = default;

namespace {

// Runs the search phase over an open source; accepted items land in search.accepted in the order
// chunk, table row, position.
class SearchPhase {
public:
    SearchPhase(const ScanOptions& options, const std::vector<SignatureRow>& table,
                ScanObserver& observer, ScanLog& log, std::string_view name)
        : options_(options), table_(table), observer_(observer), log_(log), name_(name) {}

    template <typename SearchState>
    void Run(SearchState& search, std::int64_t length) {
        for (std::int64_t chunk = 0; chunk < options_.chunkCap; ++chunk) {
            if (StopRequested().load()) return;
            const std::int64_t begin = chunk * kChunkSize;
            const std::int64_t size = std::clamp<std::int64_t>(length - begin, 0, kChunkSize);
            if (std::error_code error =
                    search.window.Require(begin, begin + size + kLookAheadLimit + kHeaderSpan)) {
                log_.Failure(error);
                return;
            }
            observer_.Progress({name_, begin + size, length, ProgressBarValue(begin + size, length),
                                static_cast<std::int64_t>(search.accepted.size())});
            observer_.Yield();
            search.finder.FindAll(search.window.At(begin), static_cast<std::size_t>(size), search.matches);
            MeasureCandidates(search, begin, length);
            if (begin + size >= length) return;
        }
    }

private:
    template <typename SearchState>
    void MeasureCandidates(SearchState& search, std::int64_t begin, std::int64_t length) {
        std::size_t sinceYield = 0;
        for (const SignatureMatch& match : search.matches) {
            const SignatureRow& row = table_[match.row];
            const std::int64_t offset = begin + match.offset;
            const LookAhead lookAhead(search.window.At(offset), length - offset, offset, &search.cursors);
            const Verdict verdict = ApplyRule(row, lookAhead, options_, &search.midi);
            if (verdict.accepted())
                search.byRow[match.row].push_back(
                    {offset, verdict.size, verdict.kind, row.rule == RuleCode::BareIconBitmap});
            if (++sinceYield == kCandidatesPerYield) {
                sinceYield = 0;
                observer_.Yield();
            }
        }
        // Within a chunk, the candidates of one row come before those of the next.
        for (auto& items : search.byRow) {
            search.accepted.insert(search.accepted.end(), items.begin(), items.end());
            items.clear();
        }
    }

    const ScanOptions& options_;
    const std::vector<SignatureRow>& table_;
    ScanObserver& observer_;
    ScanLog& log_;
    std::string_view name_;
};

}  // namespace

ScanSummary ScanEngine::ScanFile(const std::string& path, const ScanOptions& options,
                                 ScanObserver& observer) {
    FileSystem& fileSystem = *setup_.fileSystem;
    ScanSummary summary;
    if (!fileSystem.IsFile(path)) return summary;
    summary.scanned = true;
    StopRequested().store(false);
    observer.BusyChanged(true);

    const std::string name = FileNameOfPath(path);
    observer.SourceNodesPrepared(name, options);
    const std::vector<SignatureRow> table = BuildSignatureTable(options);
    if (auto failure = CreateKindFolders(fileSystem, setup_.outputRoot)) {
        observer.FolderCreationFailed(
            FolderFailureMessage(setup_.texts.cannotCreateFolder, setup_.outputRoot, failure->kind));
        observer.BusyChanged(false);
        summary.foldersFailed = true;
        return summary;
    }

    ScanLog log(fileSystem, observer, setup_.clock);
    log.Begin(setup_.outputRoot, path);

    // Search phase.
    std::error_code error;
    std::int64_t length = 0;
    if (std::unique_ptr<SourceFile> source = fileSystem.OpenSource(path, error)) {
        length = source->Length();
        search_->Reset(source.get(), length);
        search_->finder.SetTable(table);
        SearchPhase(options, table, observer, log, name).Run(*search_, length);
        search_->window.Reset(nullptr, 0);
    } else {
        search_->Reset(nullptr, 0);
        log.Failure(error);
    }

    // Extraction phase: the source is opened afresh and every accepted item written in order.
    std::unique_ptr<SourceFile> source;
    if (!search_->accepted.empty()) {
        source = fileSystem.OpenSource(path, error);
        if (!source) log.Failure(error);
    }
    ItemWriter writer(fileSystem);
    std::int64_t counter = 0;
    for (const AcceptedItem& item : search_->accepted) {
        const std::string output = OutputName(setup_.outputRoot, item.kind, name, counter);
        const std::error_code writeError =
            source ? writer.Write(source.get(), length, item, output) : error;
        if (writeError && source) log.Failure(writeError);
        ++counter;
        observer.ItemCounted(item.kind, name);
        log.Item(item.kind, item.offset + 1, item.size);
        observer.ItemExtracted({path, item.kind, item.offset + 1, item.size, output, !writeError});
    }
    source.reset();
    search_->accepted.clear();
    observer.BusyChanged(false);

    log.End(counter, setup_.texts.found);
    observer.ScanFinished(name);
    summary.hadFailure = log.HadFailure();
    summary.itemsWritten = counter;
    return summary;
}

}  // namespace morvane
