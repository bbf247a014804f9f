// The first half of a scan: reads the source chunk by chunk, finds the enabled signatures and
// measures each candidate by its format's rule. Its buffers live as long as the engine, so they
// are allocated once however many files are scanned.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "ChunkMarks.h"
#include "FileSystem.h"
#include "ItemWriter.h"
#include "LookAhead.h"
#include "MarkerCursors.h"
#include "MidiChainMemo.h"
#include "Recognisers.h"
#include "ResourcePass.h"
#include "ScanOptions.h"
#include "ScanSink.h"
#include "SignatureFinder.h"
#include "SignatureTable.h"
#include "SourceWindow.h"
#include "StopToken.h"

namespace morvane {

// Sources are searched this many bytes at a time.
inline constexpr std::int64_t kChunkSize = 1024 * 1024;

class SearchPhase {
  public:
    SearchPhase();

    struct Context {
        const ScanOptions& options;
        const std::vector<SignatureRow>& table;
        ScanSink& sink;
        StopToken& stop;
        std::string_view name;  // the source's file name, for the progress reports
    };

    // Searches `source` (of `length` bytes); a read failure is told and ends the search with
    // what was accepted so far. The accepted items come in the order chunk, table row, position.
    const std::vector<AcceptedItem>& Run(SourceFile& source, std::int64_t length,
                                         const Context& context);

  private:
    void MeasureCandidates(std::int64_t begin, std::int64_t length, const Context& context);
    // The size a checked scan takes for an accepted candidate; 0 drops it.
    std::int64_t CheckedSize(const SignatureRow& row, const Verdict& verdict, const LookAhead& a,
                             std::int64_t offset);
    void AddSeveralImageFiles(std::int64_t begin, const Context& context);
    void FindImages(SourceFile& source, std::int64_t begin, std::int64_t size, std::int64_t length,
                    const Context& context);

    SourceWindow window_;
    MarkerCursors cursors_{window_};
    MidiChainMemo midi_;
    SignatureFinder finder_;
    std::vector<SignatureMatch> matches_;
    std::array<std::vector<AcceptedItem>, kSignatureRowCount> byRow_;
    std::vector<AcceptedItem> accepted_;
    std::int64_t checkedEnd_ = 0;  // where the last whole item taken by a checked scan ends
    ChunkMarks marks_;             // of the chunk being searched, in resource mode
    ResourcePass resources_;
    std::vector<AcceptedItem> resourceItems_;  // of the chunk being searched
};

}  // namespace morvane
