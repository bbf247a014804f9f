// Group directories become file directories: the entries keep the group's fields, the offsets are
// recomputed, and the image bytes are copied unchanged (a cursor's hotspot moves into its entry).
#include "WholeResources.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <tuple>

#include "ItemChecks.h"
#include "formats/FormatTable.h"

namespace morvane {

namespace {
// The image types that groups name; which types are items of which kind, the descriptors say.
constexpr std::uint32_t kCursor = 1, kIcon = 3, kGroupCursor = 12, kGroupIcon = 14;
constexpr std::uint32_t kHotspotBytes = 4;
constexpr std::uint64_t kLargestSide = 1U << 16;

void Put16(std::vector<std::uint8_t>& to, std::uint32_t v) {
    to.push_back(static_cast<std::uint8_t>(v));
    to.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& to, std::uint32_t v) {
    Put16(to, v & 0xFFFF);
    Put16(to, v >> 16);
}

std::span<const std::uint8_t> LeafBytes(std::span<const std::uint8_t> image,
                                        const ResourceLeaf& l) {
    return ByteView(image).Slice(l.offset, l.size);
}

// The images a group may name, by type and id: the same language first, else the first listed.
class ImageIndex {
  public:
    explicit ImageIndex(const ResourceTable& table) {
        for (const ResourceLeaf& leaf : table.leaves) {
            if (leaf.type.named || leaf.name.named) continue;
            if (leaf.type.id != kIcon && leaf.type.id != kCursor) continue;
            exact_.emplace(std::tuple{leaf.type.id, leaf.name.id, leaf.language}, &leaf);
            any_.emplace(std::pair{leaf.type.id, leaf.name.id}, &leaf);
        }
    }
    const ResourceLeaf* Find(std::uint32_t type, std::uint32_t id, std::uint32_t language) const {
        if (auto it = exact_.find({type, id, language}); it != exact_.end()) return it->second;
        auto it = any_.find({type, id});
        return it == any_.end() ? nullptr : it->second;
    }

  private:
    std::map<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>, const ResourceLeaf*> exact_;
    std::map<std::pair<std::uint32_t, std::uint32_t>, const ResourceLeaf*> any_;
};

struct GroupImage {
    std::uint8_t fields[8];  // width, height, colours, reserved, planes or hotspot x, bits or y
    std::span<const std::uint8_t> bytes;
};

// The side an icon directory entry gives a picture: 1 to 255, or 0 for 256 and more.
std::uint8_t EntrySide(std::uint32_t side) {
    return static_cast<std::uint8_t>(side >= 256 ? 0 : side);
}

// An image's own width and height, which its directory entry must agree with whatever the group
// says (Wine's cursor groups, for one, give the height of the colour bits alone): a PNG's, or a
// bitmap header's width and half its height (colour and mask). False when it is neither.
bool ImageSize(std::span<const std::uint8_t> image, std::uint8_t& width, std::uint8_t& height) {
    const ByteView v(image);
    const ItemView png(image);
    if (png.Matches(0, "\x89PNG\r\n\x1A\n") && png.Has(0, 24)) {
        width = EntrySide(*png.U32Big(16)), height = EntrySide(*png.U32Big(20));
        return true;
    }
    if (v.U32Or0(0) < 40 || image.size() < 16) return false;
    const auto signedHeight = static_cast<std::int32_t>(v.U32Or0(8));
    const std::uint32_t doubled = signedHeight < 0 ? 0U - static_cast<std::uint32_t>(signedHeight)
                                                   : static_cast<std::uint32_t>(signedHeight);
    width = EntrySide(v.U32Or0(4)), height = EntrySide(doubled / 2);
    return true;
}

// One image of a group entry: an icon keeps the group's fields, a cursor's come from its resource;
// the width and height of both come from the image itself.
bool ReadGroupEntry(ByteView entry, std::span<const std::uint8_t> image, bool cursor,
                    GroupImage& out) {
    if (!cursor) {
        std::memcpy(out.fields, entry.bytes().data(), 8);
        out.bytes = image;
    } else {
        if (image.size() <= kHotspotBytes) return false;
        const std::uint16_t width = entry.U16Or0(0), height = entry.U16Or0(2) / 2;
        out.fields[0] = EntrySide(width);
        out.fields[1] = EntrySide(height);
        out.fields[2] = out.fields[3] = 0;
        std::memcpy(out.fields + 4, image.data(), kHotspotBytes);
        out.bytes = image.subspan(kHotspotBytes);
    }
    ImageSize(out.bytes, out.fields[0], out.fields[1]);
    return true;
}

bool BuildGroup(std::span<const std::uint8_t> image, const ImageIndex& index,
                const ResourceLeaf& group, bool cursor, WholeResource& item, bool withBytes) {
    const ByteView dir(LeafBytes(image, group));
    const std::uint16_t count = dir.U16Or0(4);
    std::vector<GroupImage> images;
    std::set<const ResourceLeaf*> used;  // an image named twice is written once
    std::size_t total = 0;
    for (std::uint16_t i = 0; i < count; ++i) {
        const ByteView entry(dir.Slice(6 + i * 14ULL, 14));
        if (entry.size() == 0) break;
        const ResourceLeaf* leaf =
            index.Find(cursor ? kCursor : kIcon, entry.U16Or0(12), group.language);
        GroupImage one{};
        if (leaf == nullptr || !used.insert(leaf).second) continue;
        if (!ReadGroupEntry(entry, LeafBytes(image, *leaf), cursor, one)) continue;
        // Images that share bytes could otherwise make a group far larger than its table.
        if (one.bytes.size() > image.size() - total) continue;
        total += one.bytes.size();
        images.push_back(one);
        item.covers.push_back({leaf->offset, leaf->offset + leaf->size});
    }
    if (images.empty()) return false;
    item.kind = cursor ? ResourceKind::CUR : ResourceKind::ICO;
    item.position = group.offset;
    item.covers.push_back({group.offset, group.offset + group.size});
    if (!withBytes) return true;
    Put16(item.bytes, 0);
    Put16(item.bytes, cursor ? 2 : 1);
    Put16(item.bytes, static_cast<std::uint32_t>(images.size()));
    std::uint64_t offset = 6 + 16 * images.size();
    for (const GroupImage& one : images) {
        item.bytes.insert(item.bytes.end(), one.fields, one.fields + 8);
        Put32(item.bytes, static_cast<std::uint32_t>(one.bytes.size()));
        Put32(item.bytes, static_cast<std::uint32_t>(offset));
        offset += one.bytes.size();
    }
    for (const GroupImage& one : images)
        item.bytes.insert(item.bytes.end(), one.bytes.begin(), one.bytes.end());
    return true;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto upper = [](char c) {
            return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        };
        if (upper(a[i]) != upper(b[i])) return false;
    }
    return true;
}

// The kind whose descriptor answers to a resource type, if any does.
std::optional<ResourceKind> KindOfResource(const ResourceKey& type) {
    for (const FormatDescriptor& format : kFormats) {
        const ResourceTypes& types = format.resources;
        if (type.named && !types.name.empty() && SameLetters(type.name, types.name))
            return format.kind;
        if (!type.named &&
            std::find(types.ids.begin(), types.ids.end(), type.id) != types.ids.end())
            return format.kind;
    }
    return std::nullopt;
}

bool BuildOne(std::span<const std::uint8_t> image, const ImageIndex& index,
              const ResourceLeaf& leaf, WholeResource& item, bool withBytes) {
    const std::span<const std::uint8_t> bytes = LeafBytes(image, leaf);
    const std::uint32_t type = leaf.type.named ? 0 : leaf.type.id;
    const std::optional<ResourceKind> kind = KindOfResource(leaf.type);
    // Icon and cursor groups name their images, which are no items of their own.
    if (kind == ResourceKind::ICO || kind == ResourceKind::CUR)
        return BuildGroup(image, index, leaf, kind == ResourceKind::CUR, item, withBytes);
    if (type == kIcon || type == kCursor || bytes.empty()) return false;
    item.position = leaf.offset;
    item.covers.push_back({leaf.offset, leaf.offset + leaf.size});
    if (kind == ResourceKind::BMP) {
        item.kind = ResourceKind::BMP;
        if (!withBytes) return BitmapPixelOffset(bytes) != 0;
        item.bytes = BitmapFile(bytes);
        return !item.bytes.empty();
    }
    if (kind)
        item.kind = *kind;
    else if (!KindBySignature(bytes, item.kind))
        return false;
    if (withBytes) item.bytes.assign(bytes.begin(), bytes.end());
    return true;
}

// The bytes a bitmap resource's header asks for: header, colour table or masks, and pixels.
std::uint64_t BitmapResourceSize(std::span<const std::uint8_t> resource) {
    const std::uint32_t pixels = BitmapPixelOffset(resource);
    if (pixels == 0) return 0;
    const ByteView v(resource);
    const bool core = v.U32Or0(0) == 12;
    const std::uint32_t compression = core ? 0 : v.U32Or0(16);
    if (compression != 0 && compression != 3 && compression != 6)
        return v.U32Or0(20) == 0 ? 0 : pixels - 14ULL + v.U32Or0(20);
    const std::uint64_t width = core ? v.U16Or0(4) : v.U32Or0(4);
    const auto height = static_cast<std::int32_t>(core ? v.U16Or0(6) : v.U32Or0(8));
    const std::uint64_t bits = core ? v.U16Or0(10) : v.U16Or0(14);
    const std::uint64_t rows = height < 0 ? 0ULL - static_cast<std::int64_t>(height) : height;
    if (width > kLargestSide || rows > kLargestSide || bits > 64) return 0;  // none is so large
    return pixels - 14ULL + (width * bits + 31) / 32 * 4 * rows;
}

// The bytes a resource's own header gives it, where it gives any; 0 where it does not.
std::uint64_t OwnSize(const ResourceLeaf& leaf, std::span<const std::uint8_t> bytes) {
    const std::uint32_t type = leaf.type.named ? 0 : leaf.type.id;
    if (type == kIcon) return static_cast<std::uint64_t>(CheckIconImage(ItemView(bytes)));
    if (type == kCursor) {
        const std::int64_t image = CheckIconImage(ItemView(bytes).Sub(kHotspotBytes, INT64_MAX));
        return image > 0 ? kHotspotBytes + static_cast<std::uint64_t>(image) : 0;
    }
    if (KindOfResource(leaf.type) == ResourceKind::BMP) return BitmapResourceSize(bytes);
    const ItemView v(bytes);
    return v.Matches(0, "RIFF") ? std::uint64_t{v.U32(4).value_or(0)} + 8 : 0;
}

// A file of icons and nothing else: its groups are told by name.
bool IsIconLibrary(const ResourceTable& table) {
    return !table.leaves.empty() &&
           std::all_of(table.leaves.begin(), table.leaves.end(), [](const ResourceLeaf& leaf) {
               return !leaf.type.named && (leaf.type.id == kIcon || leaf.type.id == kGroupIcon);
           });
}
}  // namespace

void CutToOwnSizes(std::span<const std::uint8_t> area, ResourceTable& table) {
    std::vector<ResourceLeaf> kept;
    for (ResourceLeaf& leaf : table.leaves) {
        const ByteView bytes(LeafBytes(area, leaf));
        const std::uint32_t type = leaf.type.named ? 0 : leaf.type.id;
        const bool group = type == kGroupIcon || type == kGroupCursor;
        if (group && (bytes.U16Or0(0) != 0 || bytes.U16Or0(2) != (type == kGroupIcon ? 1 : 2)))
            continue;
        const std::uint64_t own = group ? 0 : OwnSize(leaf, bytes.bytes());
        if (own == 0 && (type == kIcon || type == kCursor)) continue;
        if (own > 0 && own < leaf.size) leaf.size = static_cast<std::uint32_t>(own);
        kept.push_back(std::move(leaf));
    }
    table.leaves = std::move(kept);
}

std::uint32_t BitmapPixelOffset(std::span<const std::uint8_t> resource) noexcept {
    const ByteView v(resource);
    const std::uint32_t headerSize = v.U32Or0(0);
    if (headerSize < 12 || headerSize > resource.size() || resource.size() > 0xFFFFFFFFULL - 14)
        return 0;
    const bool core = headerSize == 12;
    const std::uint32_t bits = core ? v.U16Or0(10) : v.U16Or0(14);
    const std::uint32_t compression = core ? 0 : v.U32Or0(16);
    const std::uint32_t used = core ? 0 : v.U32Or0(32);
    std::uint64_t colours = used != 0 ? used : (bits >= 1 && bits <= 8 ? 1U << bits : 0);
    std::uint64_t extra = colours * (core ? 3 : 4);
    if (headerSize == 40 && compression == 3) extra += 12;  // BI_BITFIELDS masks
    if (headerSize == 40 && compression == 6) extra += 16;  // BI_ALPHABITFIELDS masks
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(14 + headerSize + extra, 14 + resource.size()));
}

std::vector<std::uint8_t> BitmapFile(std::span<const std::uint8_t> resource) {
    const std::uint32_t pixels = BitmapPixelOffset(resource);
    if (pixels == 0) return {};
    std::vector<std::uint8_t> file;
    file.reserve(14 + resource.size());
    file.push_back('B');
    file.push_back('M');
    Put32(file, static_cast<std::uint32_t>(14 + resource.size()));
    Put32(file, 0);
    Put32(file, pixels);
    file.insert(file.end(), resource.begin(), resource.end());
    return file;
}

bool KindBySignature(std::span<const std::uint8_t> bytes, ResourceKind& kind) noexcept {
    const auto starts = [&](std::size_t at, std::string_view text) {
        return bytes.size() >= at + text.size() &&
               std::memcmp(bytes.data() + at, text.data(), text.size()) == 0;
    };
    // No two kinds' leading bytes (and forms) can both match, so the table's order is no choice.
    for (const FormatDescriptor& format : kFormats) {
        const ResourceTypes& types = format.resources;
        if (types.leading.empty() || !starts(0, types.leading) || bytes.size() < types.leastSize)
            continue;
        if (!format.riff.form.empty() && !starts(8, format.riff.form)) continue;
        kind = format.kind;
        return true;
    }
    return false;
}

struct WholeResourceBuilder::Index : ImageIndex {
    using ImageIndex::ImageIndex;
};

WholeResourceBuilder::WholeResourceBuilder(std::span<const std::uint8_t> image,
                                           const ResourceTable& table)
    : image_(image), table_(table), index_(std::make_unique<Index>(table)) {}

WholeResourceBuilder::~WholeResourceBuilder() = default;

std::vector<WholeResource> WholeResourceBuilder::Plan() const {
    std::vector<WholeResource> items;
    const bool library = IsIconLibrary(table_);
    for (std::size_t i = 0; i < table_.leaves.size(); ++i) {
        WholeResource item;
        item.leaf = i;
        if (!BuildOne(image_, *index_, table_.leaves[i], item, false)) continue;
        if (library) item.name = table_.leaves[i].name.name;
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<std::uint8_t> WholeResourceBuilder::Bytes(const WholeResource& item) const {
    if (item.leaf >= table_.leaves.size()) return {};
    WholeResource built;
    if (!BuildOne(image_, *index_, table_.leaves[item.leaf], built, true)) return {};
    return std::move(built.bytes);
}

}  // namespace morvane
