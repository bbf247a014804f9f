#include "JpgFormat.h"

#include <cstring>

#include "EndMarkerSize.h"
#include "ItemChecks.h"
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

Verdict MeasureJpeg(const SignatureRow&, const LookAhead& a, const ScanOptions&,
                    MidiChainMemo*) noexcept {
    return RecogniseJpeg(a);
}

namespace {
constexpr std::uint32_t kStartOfImage = 0xD8, kEndOfImage = 0xD9, kStartOfScan = 0xDA;
constexpr std::uint32_t kQuantisationTables = 0xDB;

// SOF0 to SOF15 but DHT (C4), JPG (C8) and DAC (CC), which share the range.
bool IsFrameMarker(std::uint32_t marker) noexcept {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}
// Lossless pictures predict their samples and carry no quantisation tables.
bool IsLosslessFrame(std::uint32_t marker) noexcept {
    return marker == 0xC3 || marker == 0xC7 || marker == 0xCB || marker == 0xCF;
}
bool IsRestartMarker(std::uint32_t marker) noexcept {
    return marker >= 0xD0 && marker <= 0xD7;
}

// Entropy-coded data from `at`: the offset of the marker that ends it, or 0 when the view ends
// first. A stuffed zero and the restart markers belong to the data; fill bytes precede a marker.
std::int64_t SkipEntropyData(const ItemView& item, std::int64_t at) noexcept {
    const std::uint8_t* bytes = item.data();
    while (item.Has(at, 2)) {
        const void* ff = std::memchr(bytes + at, 0xFF, static_cast<std::size_t>(item.size() - at));
        if (ff == nullptr) break;
        at = static_cast<const std::uint8_t*>(ff) - bytes;
        if (!item.Has(at, 2)) break;
        const std::uint8_t next = bytes[at + 1];
        if (next == 0x00 || IsRestartMarker(next)) {
            at += 2;
        } else if (next == 0xFF) {
            ++at;
        } else {
            return at;
        }
    }
    item.Has(item.size(), 2);  // the data goes on past the view
    return 0;
}

// What the segments so far have shown.
struct Seen {
    bool tables = false;  // quantisation tables: no lossy picture decodes without them
    bool lossless = false;
    bool frame = false;
    bool scan = false;
};
}  // namespace

std::int64_t CheckJpeg(const ItemView& item) noexcept {
    if (item.U16Big(0) != 0xFF00u + kStartOfImage) return 0;
    std::int64_t at = 2;
    Seen seen;
    while (true) {
        while (item.U8(at) == 0xFFu && item.U8(at + 1) == 0xFFu) ++at;  // fill bytes
        if (item.U8(at) != 0xFFu) return 0;
        const auto marker = item.U8(at + 1);
        if (!marker) return 0;
        if (*marker == kEndOfImage) return seen.frame && seen.scan ? at + 2 : 0;
        if (*marker == kStartOfImage || *marker == 0x00 || IsRestartMarker(*marker)) return 0;
        const auto length = item.U16Big(at + 2);
        if (!length || *length < 2 || !item.Has(at + 2, *length)) return 0;
        if (IsFrameMarker(*marker)) {
            seen.frame = true;
            seen.lossless = IsLosslessFrame(*marker);
        }
        seen.tables = seen.tables || *marker == kQuantisationTables;
        at += 2 + *length;
        if (*marker == kStartOfScan) {
            if (!seen.frame || !(seen.tables || seen.lossless)) return 0;
            seen.scan = true;
            at = SkipEntropyData(item, at);
            if (at == 0) return 0;
        }
    }
}

std::int64_t CheckJpgItem(const ItemView& item, ResourceKind, std::int64_t) noexcept {
    return CheckJpeg(item);
}

}  // namespace morvane
