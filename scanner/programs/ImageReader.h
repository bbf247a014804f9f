// Reads one PE or NE program image found in a source: its resource table, and the whole items it
// yields. What it finds depends only on the source's bytes, so any thread may read any image;
// ResourcePass decides, in file order, which of the images read are taken.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ChunkFindings.h"
#include "FileSystem.h"
#include "NeImage.h"
#include "ResourceWalk.h"
#include "ScanOptions.h"

namespace morvane {

// The most bytes of one image's resources read at once, and the most bytes of items made from one
// source before the rest of its images are passed over: twice its length, at least 64 MiB and
// at most 512 MiB. Images may share their resource bytes, so what one source's images read in
// all is bounded too: 4 times its length, at least 256 MiB.
inline constexpr std::int64_t kLargestSection = 256LL * 1024 * 1024;
inline constexpr std::int64_t kLeastBuiltBudget = 64LL * 1024 * 1024;
inline constexpr std::int64_t kMostBuiltBytes = 512LL * 1024 * 1024;
inline constexpr std::int64_t kBuiltBudgetPerByte = 2;
inline constexpr std::int64_t kLeastReadBudget = 256LL * 1024 * 1024;
inline constexpr std::int64_t kReadBudgetPerByte = 4;

class ImageReader {
  public:
    struct Source {
        SourceFile& file;
        std::int64_t length;
        const ScanOptions& options;
        // The most resource bytes the image may read; one that names more is left unread.
        std::int64_t readAllowance = INT64_MAX;
    };

    // The image whose "MZ" lies at `at`; `headers` holds the source from there on.
    ImageFinding ReadProgram(std::int64_t at, std::span<const std::uint8_t> headers,
                             const Source& source);
    // The 16-bit image whose "NE" lies at `at` without a stub; none unless its whole table reads.
    std::optional<ImageFinding> ReadBareNe(std::int64_t at, std::span<const std::uint8_t> headers,
                                           const Source& source);

  private:
    void ReadPe(ImageFinding& found, std::span<const std::uint8_t> headers, const Source& source);
    // False when the 16-bit table is not taken at all.
    bool ReadNe(ImageFinding& found, const NeImage& image, bool bare, const Source& source);
    // Reads `count` bytes at `from` into the section buffer; false (noted) when it cannot.
    bool ReadResourceBytes(ImageFinding& found, std::int64_t from, std::int64_t count,
                           const Source& source);
    void AddItems(ImageFinding& found, std::span<const std::uint8_t> area,
                  const ResourceTable& table, std::int64_t base, const Source& source) const;

    std::vector<std::uint8_t> section_;
};

}  // namespace morvane
