// GIF and PNG pictures: measured up to their end marker, plus the one byte after it.
#include "Recognisers.h"

namespace morvane {

namespace {
// Size of an item whose end marker starts at look-ahead offset `at`: through the marker and one
// byte more (that byte always lies inside the file, since the look-ahead never holds its last).
std::int64_t ThroughMarkerAndOneByte(std::int64_t at, std::size_t markerLength) noexcept {
    return at + static_cast<std::int64_t>(markerLength) + 1;
}
}  // namespace

Verdict RecogniseGif(const LookAhead& a) noexcept {
    const std::int64_t end = a.Find(Marker::GifEnd, 0);
    if (end < 0) return {};
    return {ThroughMarkerAndOneByte(end, sizeof markers::kGifEnd), ResourceKind::GIF};
}

Verdict RecognisePng(const LookAhead& a) noexcept {
    const std::int64_t end = a.Find(Marker::PngEnd, 0);
    if (end < 0) return {};
    return {ThroughMarkerAndOneByte(end, sizeof markers::kPngEnd), ResourceKind::PNG};
}

}  // namespace morvane
