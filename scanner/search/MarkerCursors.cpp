#include "MarkerCursors.h"

#include <algorithm>

#include "SourceWindow.h"

namespace morvane {

std::int64_t MarkerCursors::Find(Marker marker, std::int64_t from, std::int64_t limit) noexcept {
    Cursor& cursor = cursors_[static_cast<std::size_t>(marker)];
    const Needle& needle = MarkerNeedle(marker);
    const auto length = static_cast<std::int64_t>(needle.bytes.size());
    if (cursor.next < from) {
        // Search on from what is known to be empty, as far as the window reaches: candidates
        // close together then cost one search between them, not one each.
        const std::int64_t start = std::max(from, cursor.scannedTo);
        const std::int64_t end = window_.end();
        if (limit - start < length) return -1;
        const std::size_t at = FindNeedle(window_.At(start), window_.At(end), needle);
        if (at == kNotFound) {
            cursor.next = -1;
            cursor.scannedTo = std::max(start, end - length + 1);
            return -1;
        }
        cursor.next = start + static_cast<std::int64_t>(at);
        cursor.scannedTo = cursor.next + 1;
    }
    return cursor.next + length <= limit ? cursor.next : -1;
}

}  // namespace morvane
