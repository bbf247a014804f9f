// The resource pass of a scan: finds PE images in each searched chunk, reads each one's resource
// section once, makes its whole items, and remembers the bytes they cover so that the signature
// search does not write them again.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "FileSystem.h"
#include "ItemWriter.h"
#include "ScanOptions.h"
#include "ScanSink.h"
#include "WholeResources.h"

namespace morvane {

class ResourcePass {
  public:
    void Reset() noexcept;

    // Reads the images whose "MZ" lies at `programs` (ascending, from `begin`); `window` holds
    // the source from `begin` for `available` bytes. Their items are added to `out` (positions
    // from the source's start); what could not be read is told as a failure.
    void FindImages(const std::uint8_t* window, std::int64_t begin,
                    std::span<const std::uint32_t> programs, std::int64_t available,
                    SourceFile& source, std::int64_t length, ScanSink& sink,
                    const ScanOptions& options, std::vector<AcceptedItem>& out);

    // Whether `position` lies inside resource bytes already written whole.
    bool Covered(std::int64_t position) const noexcept;

  private:
    void ReadImage(std::int64_t at, std::span<const std::uint8_t> headers, SourceFile& source,
                   std::int64_t length, ScanSink& sink, const ScanOptions& options,
                   std::vector<AcceptedItem>& out);
    void AddCovers(const std::vector<ByteRange>& ranges, std::int64_t base);
    void MergeCovers();

    std::vector<ByteRange> covered_;  // sorted by begin, not overlapping
    std::vector<std::uint8_t> section_;
    std::int64_t builtBytes_ = 0;
};

}  // namespace morvane
