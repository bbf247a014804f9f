// Resource directory walk: three levels, a visited set of directory offsets, and a cap on the
// entries read in all, so a table with counts of 65 535 or cycles costs bounded time and memory.
#include "ResourceWalk.h"

#include <algorithm>
#include <set>

namespace morvane {

namespace {
constexpr int kLevels = 3;
constexpr std::uint32_t kHighBit = 0x80000000U;
constexpr std::size_t kMostEntries = 1U << 16;
constexpr std::size_t kMostProblems = 4;
constexpr std::uint32_t kLongestName = 256;

class Walker {
  public:
    Walker(const ResourceArea& area, ResourceTable& table) noexcept : area_(area), table_(table) {}

    void Directory(std::uint32_t offset, int level, ResourceLeaf path);

  private:
    void Entry(std::uint64_t at, int level, ResourceLeaf& path);
    void Data(std::uint32_t offset, const ResourceLeaf& path);
    ResourceKey Key(std::uint32_t field);
    void Problem(const char* what);
    ByteView At(std::uint32_t offset, std::uint32_t count) const noexcept;

    const ResourceArea& area_;
    ResourceTable& table_;
    std::set<std::uint32_t> visited_;
    std::size_t entries_ = 0;
};

ByteView Walker::At(std::uint32_t offset, std::uint32_t count) const noexcept {
    const auto at = area_.Map(std::uint64_t{area_.directoryRva} + offset, count);
    if (!at) return {};
    return ByteView(area_.bytes.subspan(*at, count));
}

void Walker::Problem(const char* what) {
    if (table_.problems.size() < kMostProblems) table_.problems.emplace_back(what);
}

void Walker::Directory(std::uint32_t offset, int level, ResourceLeaf path) {
    if (!visited_.insert(offset).second) return Problem("resource directory visited twice");
    const ByteView header = At(offset, 16);
    if (header.size() == 0) return Problem("resource directory outside the file");
    const std::uint32_t count = std::uint32_t{header.U16Or0(12)} + header.U16Or0(14);
    const ByteView entries = At(offset + 16, count * 8);
    if (entries.size() != count * 8ULL)
        return Problem("resource directory entries outside the file");
    for (std::uint32_t i = 0; i < count; ++i) {
        if (++entries_ > kMostEntries) return Problem("too many resource entries");
        ResourceLeaf leaf = path;
        Entry(offset + 16 + i * 8ULL, level, leaf);
    }
}

void Walker::Entry(std::uint64_t at, int level, ResourceLeaf& path) {
    const ByteView entry = At(static_cast<std::uint32_t>(at), 8);
    const std::uint32_t key = entry.U32Or0(0);
    const std::uint32_t target = entry.U32Or0(4);
    if (level == 0) path.type = Key(key);
    if (level == 1) path.name = Key(key);
    if (level == 2) path.language = key & 0xFFFF;
    if ((target & kHighBit) == 0) return Data(target, path);
    if (level + 1 >= kLevels) return Problem("resource directory nested too deep");
    Directory(target & ~kHighBit, level + 1, path);
}

void Walker::Data(std::uint32_t offset, const ResourceLeaf& path) {
    const ByteView entry = At(offset, 16);
    if (entry.size() == 0) return Problem("resource data entry outside the file");
    const std::uint32_t rva = entry.U32Or0(0);
    const std::uint32_t size = entry.U32Or0(4);
    const auto at = area_.Map(rva, size);
    if (!at || size == 0) return Problem("resource data outside the file");
    ResourceLeaf leaf = path;
    leaf.offset = *at;
    leaf.size = size;
    table_.leaves.push_back(std::move(leaf));
}

ResourceKey Walker::Key(std::uint32_t field) {
    ResourceKey key;
    if ((field & kHighBit) == 0) {
        key.id = field & 0xFFFF;
        return key;
    }
    key.named = true;
    const std::uint32_t offset = field & ~kHighBit;
    const std::uint32_t length = At(offset, 2).U16Or0(0);
    if (length > kLongestName) return key;
    const ByteView text = At(offset + 2, length * 2);
    for (std::uint32_t i = 0; i < text.size() / 2; ++i) {
        const std::uint16_t unit = text.U16Or0(i * 2ULL);
        key.name.push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
    }
    return key;
}
}  // namespace

std::optional<std::uint64_t> ResourceArea::Map(std::uint64_t rva,
                                               std::uint64_t count) const noexcept {
    if (rva < virtualAddress) return std::nullopt;
    const std::uint64_t offset = rva - virtualAddress;
    if (offset > bytes.size() || count > bytes.size() - offset) return std::nullopt;
    return offset;
}

std::optional<ResourceArea> ResourceAreaOf(const PeImage& image) noexcept {
    const std::optional<PeSection> section = image.ResourceSection();
    if (!section || section->rawOffset >= image.bytes().size()) return std::nullopt;
    const std::uint64_t available = image.bytes().size() - section->rawOffset;
    ResourceArea area;
    area.virtualAddress = section->virtualAddress;
    area.directoryRva = image.resourceRva();
    area.bytes = image.bytes().subspan(section->rawOffset,
                                       std::min<std::uint64_t>(section->rawSize, available));
    return area;
}

ResourceTable WalkResources(const ResourceArea& area) noexcept {
    ResourceTable table;
    try {
        Walker(area, table).Directory(0, 0, ResourceLeaf{});
    } catch (...) {  // only std::bad_alloc can come from the containers
        table.problems.emplace_back("out of memory reading resources");
    }
    return table;
}

}  // namespace morvane
