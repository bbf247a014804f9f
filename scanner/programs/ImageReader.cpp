// One read of each image's resource bytes, bounded in size; the items keep only their own bytes.
#include "ImageReader.h"

#include "ItemChecks.h"
#include "NeResourceWalk.h"
#include "PeImage.h"
#include "ScanError.h"
#include "WholeResources.h"

namespace morvane {

ImageFinding ImageReader::ReadProgram(std::int64_t at, std::span<const std::uint8_t> headers,
                                      const Source& source) {
    ImageFinding found{at};
    if (PeImage::Read(headers)) {
        ReadPe(found, headers, source);
    } else if (const std::optional<NeImage> ne = NeImage::Read(headers)) {
        ReadNe(found, *ne, false, source);
    }
    return found;
}

std::optional<ImageFinding> ImageReader::ReadBareNe(std::int64_t at,
                                                    std::span<const std::uint8_t> headers,
                                                    const Source& source) {
    const std::optional<NeImage> ne = NeImage::Read(headers);
    if (!ne) return std::nullopt;
    ImageFinding found{at};
    found.bareNe = true;
    if (!ReadNe(found, *ne, true, source)) return std::nullopt;
    return found;
}

void ImageReader::ReadPe(ImageFinding& found, std::span<const std::uint8_t> headers,
                         const Source& source) {
    const std::optional<PeImage> image = PeImage::Read(headers);
    const std::optional<PeSection> section = image->ResourceSection();
    if (!section) return;
    const std::int64_t from = found.at + section->rawOffset;
    const std::int64_t count = std::min<std::int64_t>(section->rawSize, source.length - from);
    if (count <= 0)
        return found.failuresBefore.push_back(make_error_code(ScanErrc::ResourceTableDamaged));
    if (!ReadResourceBytes(found, from, count, source)) return;
    const ResourceArea area{section->virtualAddress, image->resourceRva(), section_};
    const ResourceTable table = WalkResources(area);
    if (!table.problems.empty())
        found.failuresAfter.push_back(make_error_code(ScanErrc::ResourceTableDamaged));
    AddItems(found, area.bytes, table, from, source);
}

// The resources lie anywhere after the header: the bytes from the first to the end of the last
// are read at once, and the leaves moved to count from there.
bool ImageReader::ReadNe(ImageFinding& found, const NeImage& image, bool bare,
                         const Source& source) {
    found.neHeader = found.at + static_cast<std::int64_t>(image.headerOffset());
    ResourceTable table =
        WalkNeResources(image, static_cast<std::uint64_t>(source.length - found.at));
    // "NE" without its stub is common in any bytes: it is taken for an image only when its whole
    // table reads.
    if (!table.problems.empty()) {
        if (bare) return false;
        found.failuresBefore.push_back(make_error_code(ScanErrc::ResourceTableDamaged));
    }
    if (table.leaves.empty()) return true;
    std::uint64_t first = UINT64_MAX, end = 0;
    for (const ResourceLeaf& leaf : table.leaves) {
        first = std::min(first, leaf.offset);
        end = std::max(end, leaf.offset + leaf.size);
    }
    const std::int64_t base = found.at + static_cast<std::int64_t>(first);
    if (!ReadResourceBytes(found, base, static_cast<std::int64_t>(end - first), source))
        return true;
    for (ResourceLeaf& leaf : table.leaves) leaf.offset -= first;
    std::erase_if(table.leaves, [&](const ResourceLeaf& leaf) {
        return leaf.offset + leaf.size > section_.size();  // the source shrank meanwhile
    });
    CutToOwnSizes(section_, table);
    AddItems(found, section_, table, base, source);
    return true;
}

bool ImageReader::ReadResourceBytes(ImageFinding& found, std::int64_t from, std::int64_t count,
                                    const Source& source) {
    if (count > kLargestSection) {
        found.failuresBefore.push_back(make_error_code(ScanErrc::ResourceSectionTooLarge));
        return false;
    }
    found.bytesToRead = count;
    if (count > source.readAllowance) return false;  // the pass refuses it unread
    section_.resize(static_cast<std::size_t>(count));
    const ReadResult read = source.file.ReadAt(from, section_.data(), section_.size());
    if (read.error) found.failuresAfter.push_back(read.error);
    section_.resize(read.error ? 0 : read.bytes);
    return !read.error;
}

void ImageReader::AddItems(ImageFinding& found, std::span<const std::uint8_t> area,
                           const ResourceTable& table, std::int64_t base,
                           const Source& source) const {
    const WholeResourceBuilder builder(area, table);
    // Every leaf of a table may name the same data: what is built stays near the bytes read.
    const std::uint64_t mostBuilt = 2 * static_cast<std::uint64_t>(area.size());
    std::uint64_t built = 0;
    for (const WholeResource& item : builder.Plan()) {
        if (!source.options.IsEnabled(item.kind)) continue;
        std::vector<std::uint8_t> bytes = builder.Bytes(item);
        if (bytes.empty()) continue;
        if ((built += bytes.size()) > mostBuilt) {
            found.failuresAfter.push_back(make_error_code(ScanErrc::ResourceItemsTooLarge));
            return;
        }
        // A checked scan holds resources to the same structure as carved items, and ends each
        // where its structure does (a resource may be padded past it).
        if (source.options.checkItems) {
            const std::int64_t size =
                CheckItem(item.kind, ItemView(bytes), static_cast<std::int64_t>(bytes.size()));
            if (size == 0) continue;
            bytes.resize(static_cast<std::size_t>(size));
        }
        const auto size = static_cast<std::int64_t>(bytes.size());
        found.items.push_back(
            {base + static_cast<std::int64_t>(item.position), size, item.kind, false,
             std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes)), item.name});
        for (const ByteRange& r : item.covers)
            found.covers.push_back({r.begin + static_cast<std::uint64_t>(base),
                                    r.end + static_cast<std::uint64_t>(base)});
    }
}

}  // namespace morvane
