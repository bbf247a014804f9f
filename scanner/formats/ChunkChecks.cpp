// The structural check of the RIFF kinds: WAV, AVI and ANI.
#include <algorithm>

#include "ItemChecks.h"
#include "formats/FormatTable.h"

namespace morvane {

namespace {
constexpr std::int64_t kRiffHeader = 12;
constexpr std::int64_t kChunkHeader = 8;

bool IsChunkId(ItemView item, std::int64_t at) noexcept {
    if (!item.Has(at, 4)) return false;
    for (std::int64_t i = 0; i < 4; ++i) {
        const std::uint8_t c = item.data()[at + i];
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

// What the walk of a RIFF's top-level chunks saw.
struct RiffWalk {
    bool format = false;  // WAV "fmt " with a sane format / ANI "anih"
    bool data = false;    // WAV "data" / AVI "hdrl" list / ANI an icon that passes
};

bool SaneWaveFormat(ItemView chunk) noexcept {
    const auto channels = chunk.U16(2);
    const auto rate = chunk.U32(4);
    const auto align = chunk.U16(12);
    return chunk.U16(0).value_or(0) != 0 && channels && *channels != 0 && rate && *rate != 0 &&
           align && *align != 0;
}

// The first "icon" chunk of an ANI's "fram" list passes the icon file check.
bool FramesHoldAnIcon(ItemView list) noexcept {
    std::int64_t at = 4;
    while (list.Has(at, kChunkHeader)) {
        const std::int64_t size = *list.U32(at + 4);
        if (list.Matches(at, "icon")) {
            const ItemView icon = list.Sub(at + kChunkHeader, size);
            return CheckIconFile(icon, ResourceKind::ICO) > 0 ||
                   CheckIconFile(icon, ResourceKind::CUR) > 0;
        }
        at += kChunkHeader + size + (size & 1);
    }
    return false;
}

void NoteChunk(ItemView item, std::int64_t at, std::int64_t size, ResourceKind kind,
               RiffWalk& walk) noexcept {
    const ItemView body = item.Sub(at + kChunkHeader, size);
    if (kind == ResourceKind::WAV) {
        if (item.Matches(at, "fmt ")) walk.format = size >= 16 && SaneWaveFormat(body);
        if (item.Matches(at, "data")) walk.data = true;
    } else if (kind == ResourceKind::AVI) {
        if (item.Matches(at, "LIST") && body.Matches(0, "hdrl")) walk.format = walk.data = true;
    } else {
        if (item.Matches(at, "anih")) walk.format = size >= 36;
        if (item.Matches(at, "LIST") && body.Matches(0, "fram")) walk.data = FramesHoldAnIcon(body);
    }
}

}  // namespace

std::int64_t CheckRiff(ItemView item, ResourceKind kind, std::int64_t bytesToEnd) noexcept {
    const auto declared = item.U32(4);
    if (!item.Matches(0, "RIFF") || !declared || !item.Matches(8, FormatOf(kind).riff.form))
        return 0;
    const std::int64_t total = std::int64_t{*declared} + kChunkHeader;
    if (total < kRiffHeader + kChunkHeader || total > bytesToEnd) return 0;
    RiffWalk walk;
    std::int64_t at = kRiffHeader, end = total;
    while (at < total && item.Has(at, kChunkHeader)) {
        const std::int64_t size = *item.U32(at + 4), next = at + kChunkHeader + size;
        if (!IsChunkId(item, at)) return 0;
        // Some writers leave the RIFF's size short of its last chunk: when that chunk is all
        // there, the item ends where it does.
        if (next > total && (next > bytesToEnd || !item.Has(at, next - at))) return 0;
        end = std::max(end, next);
        NoteChunk(item, at, size, kind, walk);
        at = next + (size & 1);  // the last chunk's pad byte may be missing
    }
    // Chunks past the view cannot be looked at; a chain that stops short inside it is broken.
    if (at < total && item.Has(0, total)) return 0;
    return walk.format && walk.data ? end : 0;
}

}  // namespace morvane
