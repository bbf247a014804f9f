// One read of each resource section, bounded in size; the items keep only their own bytes.
#include "ResourcePass.h"

#include <algorithm>

#include "ItemChecks.h"
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
    builtBytes_ = 0;
}

void ResourcePass::FindImages(const std::uint8_t* window, std::int64_t begin,
                              std::span<const std::uint32_t> programs, std::int64_t available,
                              SourceFile& source, std::int64_t length, ScanSink& sink,
                              const ScanOptions& options, std::vector<AcceptedItem>& out) {
    for (const std::uint32_t at : programs)
        if (!Covered(begin + at))
            ReadImage(begin + at, {window + at, static_cast<std::size_t>(available - at)}, source,
                      length, sink, options, out);
}

void ResourcePass::ReadImage(std::int64_t at, std::span<const std::uint8_t> headers,
                             SourceFile& source, std::int64_t length, ScanSink& sink,
                             const ScanOptions& options, std::vector<AcceptedItem>& out) {
    const std::optional<PeImage> image = PeImage::Read(headers);
    if (!image) return;
    const std::optional<PeSection> section = image->ResourceSection();
    if (!section) return;
    const std::int64_t from = at + section->rawOffset;
    const std::int64_t count = std::min<std::int64_t>(section->rawSize, length - from);
    if (count <= 0) return sink.Failure(make_error_code(ScanErrc::ResourceTableDamaged));
    if (count > kLargestSection || builtBytes_ + count > kMostBuiltBytes)
        return sink.Failure(make_error_code(ScanErrc::ResourceSectionTooLarge));
    section_.resize(static_cast<std::size_t>(count));
    const ReadResult read = source.ReadAt(from, section_.data(), section_.size());
    if (read.error) return sink.Failure(read.error);
    const ResourceArea area{section->virtualAddress, image->resourceRva(),
                            std::span<const std::uint8_t>(section_.data(), read.bytes)};
    const ResourceTable table = WalkResources(area);
    if (!table.problems.empty()) sink.Failure(make_error_code(ScanErrc::ResourceTableDamaged));
    const WholeResourceBuilder builder(area.bytes, table);
    for (const WholeResource& item : builder.Plan()) {
        if (!options.IsEnabled(item.kind)) continue;
        auto bytes = std::make_shared<const std::vector<std::uint8_t>>(builder.Bytes(item));
        if (bytes->empty()) continue;
        // A checked scan holds resources to the same structure as carved items.
        const auto built = static_cast<std::int64_t>(bytes->size());
        if (options.checkItems && CheckItem(item.kind, ItemView(*bytes), built) == 0) continue;
        builtBytes_ += static_cast<std::int64_t>(bytes->size());
        out.push_back({from + static_cast<std::int64_t>(item.position),
                       static_cast<std::int64_t>(bytes->size()), item.kind, false, bytes});
        AddCovers(item.covers, from);
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
