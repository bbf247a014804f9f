// Searches a run of chunks of one source, a page, on its own: finds the enabled signatures in each
// chunk, measures every candidate by its rule (and, in a checked scan, by its structure), and in a
// resource scan reads the program images its marks lead to. What it finds depends only on the
// source's bytes, so the pages of a source may be searched on as many threads as there are. Its
// buffers are allocated once, however many pages it searches.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "ChunkFindings.h"
#include "ChunkMarks.h"
#include "FileSystem.h"
#include "ImageReader.h"
#include "ItemChecks.h"
#include "LookAhead.h"
#include "MarkerCursors.h"
#include "MidiChainMemo.h"
#include "ScanOptions.h"
#include "SignatureFinder.h"
#include "SignatureTable.h"
#include "SourceWindow.h"

namespace morvane {

// Sources are searched this many bytes at a time,
inline constexpr std::int64_t kChunkSize = 1024 * 1024;
// and handed to the threads this many chunks at a time.
inline constexpr std::int64_t kPageChunks = 16;
// A checked scan walks an item's structure over at most this many bytes (the rules see only the
// look-ahead).
inline constexpr std::int64_t kLargestCheckedItem = 64LL * 1024 * 1024;

// How many chunks of a source of `length` bytes are searched (at least one, which reports an
// empty source's progress).
std::int64_t ChunkCount(std::int64_t length, const ScanOptions& options) noexcept;
// How many bytes of such a source those chunks hold: its length, or less when capped.
std::int64_t SearchedLength(std::int64_t length, const ScanOptions& options) noexcept;
// The first bytes of a source of `length` bytes where its search looks for containers: those
// searched when containers are unpacked, else none.
std::int64_t ContainerSearchEnd(std::int64_t length, const ScanOptions& options) noexcept;

class PageSearch {
  public:
    PageSearch();

    struct Page {
        SourceFile& source;
        std::int64_t length;  // of the source when its search began
        const ScanOptions& options;
        std::span<const SignatureRow> table;
        std::int64_t firstChunk;
        std::int64_t chunkCount;
        // The page follows the last one searched, from the same source: what is resident of it
        // and the markers found ahead stay.
        bool continues = false;
        // Where container candidates are looked for, up to (see ContainerSearchEnd).
        std::int64_t containersEnd = 0;
    };

    // One findings per chunk of the page, up to and including the first that cannot be read.
    std::vector<ChunkFindings> Search(const Page& page);

  private:
    void SearchChunk(const Page& page, ChunkFindings& chunk);
    void MeasureCandidates(const Page& page, ChunkFindings& chunk);
    WholeItem FindWhole(const Page& page, const SignatureRow& row, const LookAhead& a);
    void FindContainersIn(const Page& page, ChunkFindings& chunk);
    void AddSeveralImageFiles(const Page& page, std::int64_t begin);
    void ReadImages(const Page& page, ChunkFindings& chunk);

    SourceWindow window_;
    MarkerCursors cursors_{window_};
    MidiChainMemo midi_;
    SignatureFinder finder_;
    std::vector<SignatureMatch> matches_;
    std::vector<std::uint8_t> wide_;  // a walk's bytes past the window
    ChunkMarks marks_;
    ImageReader images_;
    std::int64_t imageBytes_ = 0;  // read and made by the page's images so far
};

}  // namespace morvane
