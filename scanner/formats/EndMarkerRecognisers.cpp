// JPEG pictures: measured up to their end marker, plus the one byte after it.
#include "EndMarkerSize.h"
#include "Recognisers.h"

namespace morvane {

Verdict RecogniseJpeg(const LookAhead& a) noexcept {
    const std::int64_t scan = a.Find(Marker::JpegScan, 0);
    if (scan < 0) return {};
    const std::int64_t end = a.Find(Marker::JpegEnd, scan);
    if (end < 0) return {};
    if (!a.Contains(0, 18, markers::kJfif)) return {};
    return {ThroughMarkerAndOneByte(end, sizeof markers::kJpegEnd), ResourceKind::JPG};
}

}  // namespace morvane
