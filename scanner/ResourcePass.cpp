// One read of each image's resource bytes, bounded in size; the items keep only their own bytes.
#include "ResourcePass.h"

#include <algorithm>

#include "ItemChecks.h"
#include "NeResourceWalk.h"
#include "PeImage.h"
#include "ScanError.h"

namespace morvane {

namespace {
constexpr std::int64_t kLargestSection = 256LL * 1024 * 1024;
// Items made from one source are kept until they are written; past this many bytes the rest of
// its images are not read.
constexpr std::int64_t kMostBuiltBytes = 512LL * 1024 * 1024;
}  // namespace

void ResourcePass::Reset() noexcept {
    covered_.clear();
    neHeaders_.clear();
    builtBytes_ = 0;
}

void ResourcePass::FindImages(const std::uint8_t* window, std::int64_t begin,
                              const ChunkMarks& marks, std::int64_t available,
                              const Target& target) {
    const auto headers = [&](std::uint32_t at) {
        return std::span<const std::uint8_t>(window + at, static_cast<std::size_t>(available - at));
    };
    for (const std::uint32_t at : marks.programs)
        if (!Covered(begin + at)) ReadImage(begin + at, headers(at), target);
    for (const std::uint32_t at : marks.bareNe) {
        if (Covered(begin + at) || neHeaders_.count(begin + at) != 0) continue;
        if (const std::optional<NeImage> ne = NeImage::Read(headers(at)))
            ReadNe(begin + at, *ne, true, target);
    }
}

void ResourcePass::ReadImage(std::int64_t at, std::span<const std::uint8_t> headers,
                             const Target& target) {
    const std::optional<PeImage> image = PeImage::Read(headers);
    if (!image) {
        if (const std::optional<NeImage> ne = NeImage::Read(headers))
            ReadNe(at, *ne, false, target);
        return;
    }
    const std::optional<PeSection> section = image->ResourceSection();
    if (!section) return;
    const std::int64_t from = at + section->rawOffset;
    const std::int64_t count = std::min<std::int64_t>(section->rawSize, target.length - from);
    if (count <= 0) return target.sink.Failure(make_error_code(ScanErrc::ResourceTableDamaged));
    if (!ReadResourceBytes(from, count, target)) return;
    const ResourceArea area{section->virtualAddress, image->resourceRva(), section_};
    const ResourceTable table = WalkResources(area);
    if (!table.problems.empty())
        target.sink.Failure(make_error_code(ScanErrc::ResourceTableDamaged));
    AddItems(area.bytes, table, from, target);
}

// The resources lie anywhere after the header: the bytes from the first to the end of the last
// are read at once, and the leaves moved to count from there.
void ResourcePass::ReadNe(std::int64_t at, const NeImage& image, bool bare, const Target& target) {
    neHeaders_.insert(at + static_cast<std::int64_t>(image.headerOffset()));
    ResourceTable table = WalkNeResources(image, static_cast<std::uint64_t>(target.length - at));
    // "NE" without its stub is common in any bytes: it is taken for an image only when its whole
    // table reads.
    if (!table.problems.empty()) {
        if (bare) return;
        target.sink.Failure(make_error_code(ScanErrc::ResourceTableDamaged));
    }
    if (table.leaves.empty()) return;
    std::uint64_t first = UINT64_MAX, end = 0;
    for (const ResourceLeaf& leaf : table.leaves) {
        first = std::min(first, leaf.offset);
        end = std::max(end, leaf.offset + leaf.size);
    }
    if (!ReadResourceBytes(at + static_cast<std::int64_t>(first),
                           static_cast<std::int64_t>(end - first), target))
        return;
    for (ResourceLeaf& leaf : table.leaves) leaf.offset -= first;
    std::erase_if(table.leaves, [&](const ResourceLeaf& leaf) {
        return leaf.offset + leaf.size > section_.size();  // the source shrank meanwhile
    });
    CutToOwnSizes(section_, table);
    AddItems(section_, table, at + static_cast<std::int64_t>(first), target);
}

bool ResourcePass::ReadResourceBytes(std::int64_t from, std::int64_t count, const Target& target) {
    if (count > kLargestSection || builtBytes_ + count > kMostBuiltBytes) {
        target.sink.Failure(make_error_code(ScanErrc::ResourceSectionTooLarge));
        return false;
    }
    section_.resize(static_cast<std::size_t>(count));
    const ReadResult read = target.source.ReadAt(from, section_.data(), section_.size());
    if (read.error) target.sink.Failure(read.error);
    section_.resize(read.error ? 0 : read.bytes);
    return !read.error;
}

void ResourcePass::AddItems(std::span<const std::uint8_t> area, const ResourceTable& table,
                            std::int64_t base, const Target& target) {
    const WholeResourceBuilder builder(area, table);
    for (const WholeResource& item : builder.Plan()) {
        if (!target.options.IsEnabled(item.kind)) continue;
        std::vector<std::uint8_t> bytes = builder.Bytes(item);
        if (bytes.empty()) continue;
        // A checked scan holds resources to the same structure as carved items, and ends each
        // where its structure does (a resource may be padded past it).
        if (target.options.checkItems) {
            const std::int64_t size =
                CheckItem(item.kind, ItemView(bytes), static_cast<std::int64_t>(bytes.size()));
            if (size == 0) continue;
            bytes.resize(static_cast<std::size_t>(size));
        }
        const auto size = static_cast<std::int64_t>(bytes.size());
        builtBytes_ += size;
        target.out.push_back(
            {base + static_cast<std::int64_t>(item.position), size, item.kind, false,
             std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes)), item.name});
        AddCovers(item.covers, base);
    }
    MergeCovers();
}

void ResourcePass::AddCovers(const std::vector<ByteRange>& ranges, std::int64_t base) {
    for (const ByteRange& r : ranges)
        covered_.push_back(
            {r.begin + static_cast<std::uint64_t>(base), r.end + static_cast<std::uint64_t>(base)});
}

void ResourcePass::MergeCovers() {
    std::sort(covered_.begin(), covered_.end(),
              [](const ByteRange& a, const ByteRange& b) { return a.begin < b.begin; });
    std::vector<ByteRange> merged;
    for (const ByteRange& r : covered_) {
        if (!merged.empty() && r.begin <= merged.back().end)
            merged.back().end = std::max(merged.back().end, r.end);
        else
            merged.push_back(r);
    }
    covered_ = std::move(merged);
}

bool ResourcePass::Covered(std::int64_t position) const noexcept {
    const auto p = static_cast<std::uint64_t>(position);
    auto it =
        std::upper_bound(covered_.begin(), covered_.end(), p,
                         [](std::uint64_t value, const ByteRange& r) { return value < r.begin; });
    return it != covered_.begin() && p < std::prev(it)->end;
}

}  // namespace morvane
