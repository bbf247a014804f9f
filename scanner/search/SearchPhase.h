// The first half of a scan: takes what each chunk of the source was found to hold, in file order,
// and keeps what one pass over the whole source keeps. A candidate inside resource bytes already
// written whole is dropped, and in a checked scan one inside an item already taken; images are
// taken by ResourcePass. Progress and failures are told here, in the order of the chunks, so the
// outcome is the same whichever threads searched them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "ChunkFindings.h"
#include "FileSystem.h"
#include "ImageReader.h"
#include "ItemWriter.h"
#include "ResourcePass.h"
#include "ScanOptions.h"
#include "ScanSink.h"
#include "SignatureTable.h"
#include "StopToken.h"
#include "containers/ContainerCandidate.h"

namespace morvane {

class SearchPhase {
  public:
    struct Context {
        const ScanOptions& options;
        ScanSink& sink;
        StopToken& stop;
        std::string_view name;  // the source's file name, for the progress reports
    };
    // The findings of page n of the source (see PageSearch); each page is asked for once, in order.
    using Pages = std::function<std::vector<ChunkFindings>(std::int64_t page)>;
    // Told the items accepted so far after each chunk is taken.
    using Taken = std::function<void(const std::vector<AcceptedItem>& accepted)>;

    // Takes the chunks of `source` (of `length` bytes) up to the first that could not be read (that
    // failure is told) or a stop. The accepted items come in the order chunk, table row, position;
    // a program's whole resources follow the carved items of the chunk where it starts.
    const std::vector<AcceptedItem>& Run(SourceFile& source, std::int64_t length,
                                         const Context& context, const Pages& pages,
                                         const Taken& taken);
    // Whether the last search ended at a chunk it could not read.
    bool EndedUnread() const noexcept { return endedUnread_; }
    // Where a stop ended the last search: the bytes searched before it; -1 when none did.
    std::int64_t StoppedAt() const noexcept { return stoppedAt_; }
    // The container candidates the last search's pages found, which they looked for in the
    // source's first `end` bytes (ContainerSearchEnd); none unless it took every chunk.
    FoundContainers TakeContainers(std::int64_t end);

  private:
    // False when the search ends with this chunk.
    bool TakeChunk(ChunkFindings& chunk, std::int64_t length, const Context& context);
    void TakeImages(std::vector<ImageFinding>& images, std::int64_t length, const Context& context);
    void ReleaseWritten();
    void TakeCandidates(const std::vector<CandidateFinding>& candidates, const Context& context);
    // The size a checked scan takes for an accepted candidate; 0 drops it.
    std::int64_t CheckedSize(const CandidateFinding& candidate);
    // An image a page left unread; its headers are read again, and count against the budget.
    std::optional<ImageFinding> ReadDeferred(const ImageFinding& image, std::int64_t length,
                                             const Context& context);

    SourceFile* source_ = nullptr;
    std::array<std::vector<AcceptedItem>, kSignatureRowCount> byRow_;
    std::vector<AcceptedItem> accepted_;
    std::size_t released_ = 0;  // the items before it are written, their built bytes let go
    std::vector<AcceptedItem> resourceItems_;  // of the chunk being taken
    bool endedUnread_ = false;
    std::int64_t stoppedAt_ = -1;
    std::int64_t checkedEnd_ = 0;  // where the last whole item taken by a checked scan ends
    bool tookAll_ = false;         // the last search took every chunk
    std::vector<ContainerCandidate> containers_;
    ResourcePass resources_;
    ImageReader deferredReader_;
    std::vector<std::uint8_t> headers_;
};

}  // namespace morvane
