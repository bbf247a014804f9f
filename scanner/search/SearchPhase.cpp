#include "SearchPhase.h"

#include <utility>

#include "ItemChecks.h"
#include "PageSearch.h"
#include "Recognisers.h"
#include "containers/ContainerFinder.h"

namespace morvane {

const std::vector<AcceptedItem>& SearchPhase::Run(SourceFile& source, std::int64_t length,
                                                  const Context& context, const Pages& pages,
                                                  const Taken& taken) {
    source_ = &source;
    endedUnread_ = false;
    stoppedAt_ = -1;
    accepted_.clear();
    checkedEnd_ = 0;
    resources_.Reset(length);
    released_ = 0;
    containers_.clear();
    const std::int64_t count = ChunkCount(length, context.options);
    std::vector<ChunkFindings> page;
    std::int64_t chunk = 0;
    for (; chunk < count; ++chunk) {
        if (context.stop.StopRequested()) {
            stoppedAt_ = chunk * kChunkSize;
            break;
        }
        if (chunk % kPageChunks == 0) page = pages(chunk / kPageChunks);
        const auto index = static_cast<std::size_t>(chunk % kPageChunks);
        if (index >= page.size() || !TakeChunk(page[index], length, context)) break;
        taken(accepted_);
        ReleaseWritten();
    }
    tookAll_ = chunk == count;
    source_ = nullptr;
    return accepted_;
}

// A built item's bytes are needed only until it is written, so what a source's images built is
// held one chunk at a time.
void SearchPhase::ReleaseWritten() {
    static const auto kWritten = std::make_shared<const std::vector<std::uint8_t>>();
    for (; released_ < accepted_.size(); ++released_)
        if (accepted_[released_].built) accepted_[released_].built = kWritten;
}

FoundContainers SearchPhase::TakeContainers(std::int64_t end) {
    return {std::exchange(containers_, {}), tookAll_ ? end : -1};
}

bool SearchPhase::TakeChunk(ChunkFindings& chunk, std::int64_t length, const Context& context) {
    if (chunk.readError) {
        endedUnread_ = true;
        context.sink.Failure(chunk.readError);
        return false;
    }
    const ScanProgress progress{context.name, chunk.begin + chunk.size,
                                SearchedLength(length, context.options),
                                static_cast<std::int64_t>(accepted_.size())};
    if (context.sink.Progress(progress) == SinkAnswer::Stop) context.stop.RequestStop();
    if (context.options.readResources) TakeImages(chunk.images, length, context);
    TakeCandidates(chunk.candidates, context);
    AddCandidates(containers_, chunk.containers);
    // Within a chunk, the candidates of one row come before those of the next.
    for (auto& items : byRow_) {
        accepted_.insert(accepted_.end(), items.begin(), items.end());
        items.clear();
    }
    std::move(resourceItems_.begin(), resourceItems_.end(), std::back_inserter(accepted_));
    resourceItems_.clear();
    return true;
}

void SearchPhase::TakeImages(std::vector<ImageFinding>& images, std::int64_t length,
                             const Context& context) {
    for (ImageFinding& image : images) {
        if (!resources_.Wanted(image)) continue;
        if (!image.deferred) {
            resources_.Take(image, context.sink, resourceItems_);
        } else if (std::optional<ImageFinding> read = ReadDeferred(image, length, context)) {
            resources_.Take(*read, context.sink, resourceItems_);
        }
    }
}

void SearchPhase::TakeCandidates(const std::vector<CandidateFinding>& candidates,
                                 const Context& context) {
    for (const CandidateFinding& candidate : candidates) {
        if (context.options.readResources && resources_.Covered(candidate.offset))
            continue;  // written whole
        const std::int64_t size =
            context.options.checkItems ? CheckedSize(candidate) : candidate.size;
        if (size > 0)
            byRow_[candidate.row].push_back(
                {candidate.offset, size, candidate.kind, candidate.bareIcon, nullptr, {}});
    }
}

// Candidates come in offset order, so an item that holds a later candidate was taken before it.
std::int64_t SearchPhase::CheckedSize(const CandidateFinding& candidate) {
    if (candidate.offset < checkedEnd_ || candidate.checkedSize == 0) return 0;
    checkedEnd_ = candidate.offset + candidate.checkedSize;
    // A 256-colour bare icon keeps the bytes an unchecked scan gives it (which reach past its
    // image, so they may not hide the next one).
    if (candidate.bareIcon && candidate.checkedSize == kIconImage256Size - 1) return candidate.size;
    return candidate.checkedSize;
}

std::optional<ImageFinding> SearchPhase::ReadDeferred(const ImageFinding& image,
                                                      std::int64_t length, const Context& context) {
    headers_.assign(static_cast<std::size_t>(image.headersEnd - image.at), 0);
    const ReadResult read = source_->ReadAt(image.at, headers_.data(), headers_.size());
    headers_.resize(read.bytes);
    resources_.ChargeHeaders(static_cast<std::int64_t>(read.bytes), context.sink);
    if (!resources_.Wanted(image)) return std::nullopt;
    const ImageReader::Source source{*source_, length, context.options, resources_.ReadAllowance()};
    if (image.bareNe) return deferredReader_.ReadBareNe(image.at, headers_, source);
    return deferredReader_.ReadProgram(image.at, headers_, source);
}

}  // namespace morvane
