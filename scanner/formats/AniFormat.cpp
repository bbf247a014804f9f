// Animated cursors' part in the RIFF walk: an "anih" header of at least 36 bytes, and a "fram"
// list whose first "icon" chunk passes the icon file check.
#include "AniFormat.h"

namespace morvane {

namespace {
// The first "icon" chunk of an ANI's "fram" list passes the icon file check.
bool FramesHoldAnIcon(const ItemView& list) noexcept {
    std::int64_t at = 4;
    while (list.Has(at, kRiffChunkHeader)) {
        const std::int64_t size = *list.U32(at + 4);
        if (list.Matches(at, "icon")) {
            const ItemView icon = list.Sub(at + kRiffChunkHeader, size);
            return CheckIconFile(icon, ResourceKind::ICO) > 0 ||
                   CheckIconFile(icon, ResourceKind::CUR) > 0;
        }
        at += kRiffChunkHeader + size + (size & 1);
    }
    return false;
}
}  // namespace

void NoteAniChunk(const ItemView& item, std::int64_t at, std::int64_t size,
                  RiffWalk& walk) noexcept {
    const ItemView body = item.Sub(at + kRiffChunkHeader, size);
    if (item.Matches(at, "anih")) walk.format = size >= 36;
    if (item.Matches(at, "LIST") && body.Matches(0, "fram")) walk.data = FramesHoldAnIcon(body);
}

}  // namespace morvane
