#include "MarkerCursors.h"

#include <algorithm>

#include "SourceWindow.h"

namespace morvane {

std::int64_t MarkerCursors::Find(Marker marker, std::int64_t from, std::int64_t limit) noexcept {
    Cursor& cursor = cursors_[static_cast<std::size_t>(marker)];
    const Needle& needle = MarkerNeedle(marker);
    const auto length = static_cast<std::int64_t>(needle.bytes.size());
    if (cursor.next >= from) return cursor.next + length <= limit ? cursor.next : -1;
    const std::int64_t start = std::max(from, cursor.scannedTo);
    if (limit - start < length) return -1;
    const std::size_t at = FindNeedle(window_.At(start), window_.At(limit), needle);
    if (at == kNotFound) {
        cursor.next = -1;
        cursor.scannedTo = limit - length + 1;
        return -1;
    }
    cursor.next = start + static_cast<std::int64_t>(at);
    cursor.scannedTo = cursor.next + 1;
    return cursor.next;
}

}  // namespace morvane
