#include "SearchPhase.h"

#include <algorithm>

#include "ItemChecks.h"
#include "LookAhead.h"
#include "Recognisers.h"

namespace morvane {

namespace {
// A chunk, the look-ahead of its last candidate, and room to slide rarely.
constexpr std::size_t kWindowCapacity = 16 * 1024 * 1024;
}  // namespace

SearchPhase::SearchPhase() : window_(kWindowCapacity) {}

const std::vector<AcceptedItem>& SearchPhase::Run(SourceFile& source, std::int64_t length,
                                                  const Context& context) {
    window_.Reset(&source, length);
    cursors_.Reset();
    midi_.Clear();
    accepted_.clear();
    checkedEnd_ = 0;
    resources_.Reset();
    finder_.SetTable(context.table);
    for (std::int64_t chunk = 0; chunk < context.options.chunkCap; ++chunk) {
        if (context.stop.StopRequested()) break;
        const std::int64_t begin = chunk * kChunkSize;
        const std::int64_t size = std::clamp<std::int64_t>(length - begin, 0, kChunkSize);
        if (std::error_code error =
                window_.Require(begin, begin + size + kLookAheadLimit + kHeaderSpan)) {
            context.sink.Failure(error);
            break;
        }
        const ScanProgress progress{context.name, begin + size, length,
                                    static_cast<std::int64_t>(accepted_.size())};
        if (context.sink.Progress(progress) == SinkAnswer::Stop) context.stop.RequestStop();
        if (context.options.readResources) {
            marks_.Clear();
            FindMarks(window_.At(begin), static_cast<std::size_t>(size), marks_);
            FindImages(source, begin, size, length, context);
        }
        finder_.FindAll(window_.At(begin), static_cast<std::size_t>(size), matches_);
        if (context.options.readResources) AddSeveralImageFiles(begin, context);
        MeasureCandidates(begin, length, context);
        if (begin + size >= length) break;
    }
    window_.Reset(nullptr, 0);
    return accepted_;
}

void SearchPhase::MeasureCandidates(std::int64_t begin, std::int64_t length,
                                    const Context& context) {
    for (const SignatureMatch& match : matches_) {
        const SignatureRow& row = context.table[match.row];
        const std::int64_t offset = begin + match.offset;
        if (context.options.readResources && resources_.Covered(offset)) continue;  // written whole
        const LookAhead lookAhead(window_.At(offset), length - offset, offset, &cursors_);
        Verdict verdict = ApplyRule(row, lookAhead, context.options, &midi_);
        if (verdict.accepted() && context.options.checkItems)
            verdict.size = CheckedSize(row, verdict, lookAhead, offset);
        if (verdict.accepted())
            byRow_[match.row].push_back({offset,
                                         verdict.size,
                                         verdict.kind,
                                         row.rule == RuleCode::BareIconImage,
                                         nullptr,
                                         {}});
    }
    // Within a chunk, the candidates of one row come before those of the next.
    for (auto& items : byRow_) {
        accepted_.insert(accepted_.end(), items.begin(), items.end());
        items.clear();
    }
    // A program's whole resources follow the carved items of the chunk where it starts.
    accepted_.insert(accepted_.end(), resourceItems_.begin(), resourceItems_.end());
    resourceItems_.clear();
}

// The prefilter looks for icon and cursor directories of one image only; files of 2 to 255
// images are marked with the program images and added here, as candidates of the same rows.
void SearchPhase::AddSeveralImageFiles(std::int64_t begin, const Context& context) {
    int rowOf[3] = {-1, -1, -1};  // by directory type: 1 icon, 2 cursor
    for (std::size_t i = 0; i < context.table.size(); ++i) {
        if (context.table[i].rule == RuleCode::IconDirectory) rowOf[1] = static_cast<int>(i);
        if (context.table[i].rule == RuleCode::CursorDirectory) rowOf[2] = static_cast<int>(i);
    }
    const std::uint8_t* data = window_.At(begin);
    const std::size_t found = matches_.size();
    for (const std::uint32_t at : marks_.directories) {
        const int row = rowOf[data[at + 2]];  // the type byte: 1 or 2
        if (row >= 0) matches_.push_back({at, static_cast<std::uint8_t>(row)});
    }
    std::inplace_merge(
        matches_.begin(), matches_.begin() + static_cast<std::ptrdiff_t>(found), matches_.end(),
        [](const SignatureMatch& a, const SignatureMatch& b) { return a.offset < b.offset; });
}

void SearchPhase::FindImages(SourceFile& source, std::int64_t begin, std::int64_t size,
                             std::int64_t length, const Context& context) {
    const std::int64_t available =
        std::min(length, begin + size + kLookAheadLimit + kHeaderSpan) - begin;
    resources_.FindImages(window_.At(begin), begin, marks_, available,
                          {source, length, context.sink, context.options, resourceItems_});
}

// Matches come in offset order, so an item that holds a later candidate was taken before it.
std::int64_t SearchPhase::CheckedSize(const SignatureRow& row, const Verdict& verdict,
                                      const LookAhead& a, std::int64_t offset) {
    if (offset < checkedEnd_) return 0;
    const std::int64_t size =
        CheckCandidate(row.rule, verdict.kind, ItemView(a.Readable()), a.bytesToEnd());
    if (size == 0) return 0;
    checkedEnd_ = offset + size;
    // A 256-colour bare icon keeps the bytes an unchecked scan gives it (which reach past its
    // image, so they may not hide the next one).
    if (row.rule == RuleCode::BareIconImage && size == kIconImage256Size - 1) return verdict.size;
    return size;
}

}  // namespace morvane
