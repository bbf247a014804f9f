// Whole media files made from a PE image's resources: icon and cursor groups with their images,
// bitmaps with a file header, and resources that already are media files.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ResourceKind.h"
#include "ResourceWalk.h"

namespace morvane {

struct ByteRange {
    std::uint64_t begin = 0;  // from the image's "MZ"
    std::uint64_t end = 0;
};

struct WholeResource {
    ResourceKind kind = ResourceKind::ICO;
    std::uint64_t position = 0;       // of its data (a group: its group directory), from "MZ"
    std::size_t leaf = 0;             // the table leaf it is made from
    std::vector<std::uint8_t> bytes;  // filled only by WholeResourceBytes' own build
    // The resource bytes it was made of; a signature found inside them is not written again.
    std::vector<ByteRange> covers;
    std::string name;  // an icon library's group: its resource name, when it has one
};

// Plans the items of one image's table, in the order of its leaves, without their bytes; an item
// is built only when it is written, so one hostile table cannot fill memory.
class WholeResourceBuilder {
  public:
    WholeResourceBuilder(std::span<const std::uint8_t> image, const ResourceTable& table);
    ~WholeResourceBuilder();

    std::vector<WholeResource> Plan() const;
    // The file bytes of a planned item; empty when it cannot be built.
    std::vector<std::uint8_t> Bytes(const WholeResource& item) const;

  private:
    struct Index;
    std::span<const std::uint8_t> image_;
    const ResourceTable& table_;
    std::unique_ptr<Index> index_;
};

// For a table whose sizes are rounded up to an alignment, as an NE table's are: cuts each leaf to
// the size its own header gives (icon and cursor images, bitmaps, RIFF files), and leaves out
// the icon and cursor images and groups whose header is none.
void CutToOwnSizes(std::span<const std::uint8_t> area, ResourceTable& table);

// 14 + the bytes before a bitmap resource's pixels; 0 when the information header is unusable.
std::uint32_t BitmapPixelOffset(std::span<const std::uint8_t> resource) noexcept;

// A bitmap resource (an information header onwards) with its 14-byte file header in front.
std::vector<std::uint8_t> BitmapFile(std::span<const std::uint8_t> resource);

// The kind whose signature the bytes start with, when one does.
bool KindBySignature(std::span<const std::uint8_t> bytes, ResourceKind& kind) noexcept;

}  // namespace morvane
