// The resource pass of a scan: finds PE and NE images in each searched chunk, reads each one's
// resources once, makes its whole items, and remembers the bytes they cover so that the
// signature search does not write them again.
#pragma once

#include <cstdint>
#include <set>
#include <span>
#include <vector>

#include "ChunkMarks.h"
#include "FileSystem.h"
#include "ItemWriter.h"
#include "NeImage.h"
#include "ScanOptions.h"
#include "ScanSink.h"
#include "WholeResources.h"

namespace morvane {

class ResourcePass {
  public:
    void Reset() noexcept;

    // What the images of one chunk are read from and their items added to.
    struct Target {
        SourceFile& source;
        std::int64_t length;  // of the source
        ScanSink& sink;       // told what could not be read, as a failure
        const ScanOptions& options;
        std::vector<AcceptedItem>& out;  // positions from the source's start
    };

    // Reads the images whose "MZ" or bare "NE" lies at the chunk's marks (from `begin`); `window`
    // holds the source from `begin` for `available` bytes.
    void FindImages(const std::uint8_t* window, std::int64_t begin, const ChunkMarks& marks,
                    std::int64_t available, const Target& target);

    // Whether `position` lies inside resource bytes already written whole.
    bool Covered(std::int64_t position) const noexcept;

  private:
    void ReadImage(std::int64_t at, std::span<const std::uint8_t> headers, const Target& target);
    void ReadNe(std::int64_t at, const NeImage& image, bool bare, const Target& target);
    // Reads `count` bytes at `from` into the buffer; false (told) when it cannot.
    bool ReadResourceBytes(std::int64_t from, std::int64_t count, const Target& target);
    void AddItems(std::span<const std::uint8_t> area, const ResourceTable& table, std::int64_t base,
                  const Target& target);
    void AddCovers(const std::vector<ByteRange>& ranges, std::int64_t base);
    void MergeCovers();

    std::vector<ByteRange> covered_;    // sorted by begin, not overlapping
    std::set<std::int64_t> neHeaders_;  // read already, through their "MZ"
    std::vector<std::uint8_t> section_;
    std::int64_t builtBytes_ = 0;
};

}  // namespace morvane
