// TIFF pictures: there is no total size, so the walk follows IFD0 and the IFDs after it and below
// it (SubIFDs, Exif, GPS and interoperability IFDs) and takes the farthest byte any of them
// reaches: the IFDs themselves, values stored out of line, strips, tiles and an old-style JPEG
// stream. A loop, an unknown field type or anything past the view breaks the picture.
#include "TiffFormat.h"

#include <array>

namespace morvane {

namespace {
constexpr int kMaxIfds = 1024, kMaxDepth = 64;
constexpr std::uint32_t kMaxEntries = 4096;
constexpr std::int64_t kEntrySize = 12;

enum Tag : std::uint32_t {
    kImageWidth = 256,
    kStripOffsets = 273,
    kStripByteCounts = 279,
    kTileOffsets = 324,
    kTileByteCounts = 325,
    kSubIfds = 330,
    kJpegOffset = 513,
    kJpegLength = 514,
    kExifIfd = 34665,
    kGpsIfd = 34853,
    kInteropIfd = 40965,
};

// Bytes per value of each field type (1 to 13); 0 for an unknown type.
std::int64_t TypeSize(std::uint32_t type) noexcept {
    constexpr std::uint8_t sizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8, 4};
    return type < sizeof sizes ? sizes[type] : 0;
}

struct Pending {
    std::int64_t offset;
    int depth;
};

struct TiffWalk {
    const ItemView& item;
    bool big;
    std::int64_t end = 8;
    std::array<Pending, kMaxIfds> queue{};
    int queued = 0;

    std::optional<std::uint32_t> U16(std::int64_t at) const noexcept {
        return big ? item.U16Big(at) : item.U16(at);
    }
    std::optional<std::uint32_t> U32(std::int64_t at) const noexcept {
        return big ? item.U32Big(at) : item.U32(at);
    }
    // Notes that [at, at + count) is part of the picture; false when it is not inside the view.
    bool Reach(std::int64_t at, std::int64_t count) noexcept {
        if (!item.Has(at, count)) return false;
        if (at + count > end) end = at + count;
        return true;
    }
    bool Queue(std::int64_t offset, int depth) noexcept {
        if (offset == 0) return true;
        if (queued == kMaxIfds || depth > kMaxDepth) return false;
        for (int i = 0; i < queued; ++i)
            if (queue[i].offset == offset) return false;  // a loop
        queue[queued++] = {offset, depth};
        return true;
    }
    // Where the values of the entry at `entry` lie: in it, or out of line (reached).
    std::int64_t ValuesAt(std::int64_t entry, bool& ok) noexcept {
        const auto type = U16(entry + 2), count = U32(entry + 4), offset = U32(entry + 8);
        const std::int64_t size = type ? TypeSize(*type) : 0;
        ok = size > 0 && count && offset;
        if (!ok || size * *count <= 4) return entry + 8;
        ok = Reach(*offset, size * *count);
        return *offset;
    }
    // Value `i` of a SHORT, LONG or IFD entry.
    std::optional<std::uint32_t> Value(std::int64_t entry, std::uint32_t i) noexcept {
        bool ok = false;
        const std::int64_t at = ValuesAt(entry, ok);
        const auto type = U16(entry + 2);
        if (!ok || !type) return std::nullopt;
        if (*type == 3) return U16(at + 2 * std::int64_t{i});
        if (*type == 4 || *type == 13) return U32(at + 4 * std::int64_t{i});
        return std::nullopt;
    }
    std::uint32_t Count(std::int64_t entry) const noexcept { return U32(entry + 4).value_or(0); }

    // Offsets in one entry paired with lengths in another: every range reached.
    bool ReachRanges(std::int64_t offsets, std::int64_t lengths) noexcept {
        if (offsets == 0 || lengths == 0 || Count(offsets) != Count(lengths)) return false;
        for (std::uint32_t i = 0; i < Count(offsets); ++i) {
            const auto at = Value(offsets, i), length = Value(lengths, i);
            if (!at || !length || !Reach(*at, *length)) return false;
        }
        return true;
    }
    bool WalkIfd(const Pending& ifd, bool first) noexcept;
};

bool TiffWalk::WalkIfd(const Pending& ifd, bool first) noexcept {
    const auto entries = U16(ifd.offset);
    if (!entries || *entries == 0 || *entries > kMaxEntries) return false;
    if (!Reach(ifd.offset, 2 + kEntrySize * *entries + 4)) return false;
    std::int64_t found[7] = {};  // where the entries for these tags are
    constexpr std::uint32_t ranged[] = {kStripOffsets,   kStripByteCounts, kTileOffsets,
                                        kTileByteCounts, kJpegOffset,      kJpegLength,
                                        kImageWidth};
    for (std::int64_t e = ifd.offset + 2; e < ifd.offset + 2 + kEntrySize * *entries;
         e += kEntrySize) {
        const auto tag = U16(e);
        bool ok = false;
        ValuesAt(e, ok);
        if (!tag || !ok) return false;
        for (int i = 0; i < 7; ++i)
            if (*tag == ranged[i]) found[i] = e;
        if (*tag == kSubIfds || *tag == kExifIfd || *tag == kGpsIfd || *tag == kInteropIfd) {
            for (std::uint32_t i = 0; i < Count(e); ++i) {
                const auto offset = Value(e, i);
                if (!offset || !Queue(*offset, ifd.depth + 1)) return false;
            }
        }
    }
    const bool strips = found[0] != 0 || found[1] != 0, tiles = found[2] != 0 || found[3] != 0;
    if (strips && !ReachRanges(found[0], found[1])) return false;
    if (tiles && !ReachRanges(found[2], found[3])) return false;
    if (found[4] != 0 && found[5] != 0) {
        const auto at = Value(found[4], 0), length = Value(found[5], 0);
        if (!at || !length || !Reach(*at, *length)) return false;
    }
    if (first && (found[6] == 0 || !(strips || tiles))) return false;
    const auto next = U32(ifd.offset + 2 + kEntrySize * *entries);
    return next && Queue(*next, ifd.depth + 1);
}
}  // namespace

std::int64_t CheckTiff(const ItemView& item) noexcept {
    const bool little = item.Matches(0, std::string_view("II*\0", 4));
    const bool big = item.Matches(0, std::string_view("MM\0*", 4));
    if (!little && !big) return 0;
    TiffWalk walk{item, big};
    const auto first = walk.U32(4);
    if (!first || *first == 0 || !walk.Queue(*first, 0)) return 0;
    for (int i = 0; i < walk.queued; ++i)
        if (!walk.WalkIfd(walk.queue[i], i == 0)) return 0;
    return walk.end;
}

}  // namespace morvane
