// GIF pictures: the size rule (up to the trailer) and the check, which walks the blocks from the
// screen descriptor to the trailer and wants at least one image among them.
#include "GifFormat.h"

#include "EndMarkerSize.h"
#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

namespace {

// GIF data sub-blocks from `at`; the offset after their terminator, or 0.
std::int64_t SkipSubBlocks(const ItemView& item, std::int64_t at) noexcept {
    while (true) {
        const auto count = item.U8(at);
        if (!count) return 0;
        at += 1 + *count;
        if (*count == 0) return at;
    }
}

std::int64_t ColourTableBytes(std::uint32_t packed) noexcept {
    return (packed & 0x80) ? 3 * (std::int64_t{2} << (packed & 7)) : 0;
}

}  // namespace

Verdict RecogniseGif(const LookAhead& a) noexcept {
    const std::int64_t end = a.Find(Marker::GifEnd, 0);
    if (end < 0) return {};
    return {ThroughMarkerAndOneByte(end, sizeof markers::kGifEnd), ResourceKind::GIF};
}

std::int64_t CheckGif(const ItemView& item) noexcept {
    if (!item.Matches(0, "GIF87a") && !item.Matches(0, "GIF89a")) return 0;
    if (item.U16(6).value_or(0) == 0 || item.U16(8).value_or(0) == 0) return 0;
    const auto screen = item.U8(10);
    if (!screen) return 0;
    std::int64_t at = 13 + ColourTableBytes(*screen);
    bool hasImage = false;
    while (true) {
        const auto block = item.U8(at);
        if (!block) return 0;
        if (*block == 0x3B) return hasImage ? at + 1 : 0;
        if (*block == 0x21) {
            if (!item.Has(at, 2)) return 0;
            at = SkipSubBlocks(item, at + 2);
        } else if (*block == 0x2C) {
            const auto packed = item.U8(at + 9);
            if (!packed || item.U16(at + 5).value_or(0) == 0 || item.U16(at + 7).value_or(0) == 0)
                return 0;
            at += 10 + ColourTableBytes(*packed);
            const auto codeSize = item.U8(at);
            if (!codeSize || *codeSize < 2 || *codeSize > 11) return 0;
            at = SkipSubBlocks(item, at + 1);
            hasImage = true;
        } else {
            return 0;
        }
        if (at == 0) return 0;
    }
}

Verdict MeasureGif(const SignatureRow&, const LookAhead& a, const ScanOptions&,
                   MidiChainMemo*) noexcept {
    return RecogniseGif(a);
}

std::int64_t CheckGifItem(const ItemView& item, ResourceKind, std::int64_t) noexcept {
    return CheckGif(item);
}

}  // namespace morvane
