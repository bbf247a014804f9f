// Icon files: the size rules of the directory signature (a file of several images measured by
// its directory, else a one-image file by its entry) and of a bare 32x32 icon image, and their
// checks.
#include "IcoFormat.h"

#include "IconDirectory.h"
#include "IconImage.h"
#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

namespace {
constexpr std::int64_t kBareIconSide = 32;
}  // namespace

Verdict RecogniseIconDirectory(const LookAhead& a) noexcept {
    if (a.FieldByte(22) != kInfoHeaderStart) return {};
    return OneImageFileSize(a, ResourceKind::ICO);
}

std::int64_t CheckBareIconImage(const ItemView& fromSignature) noexcept {
    const IconHeader h = ReadIconHeader(fromSignature, -1);
    if (h.width != std::uint32_t{kBareIconSide} || h.height != std::uint32_t{2 * kBareIconSide})
        return 0;
    if (h.bits == 16u || h.compression != 0u) return 0;  // 1, 4, 8, 24 and 32 bits, uncompressed
    const std::int64_t needed = IconBitmapBytes(h);
    return needed > 0 && fromSignature.Has(0, needed - 1) ? needed : 0;
}

Verdict MeasureIconDirectory(const SignatureRow&, const LookAhead& a, const ScanOptions& options,
                             MidiChainMemo*) noexcept {
    return RecogniseIconOrCursorFile(a, options, false);
}

// The header is only partly visible to the search, so the rule gives the size of the one image
// such a header can describe.
Verdict MeasureBareIconImage(const SignatureRow&, const LookAhead&, const ScanOptions&,
                             MidiChainMemo*) noexcept {
    return {kBareIconSize, ResourceKind::ICO};
}

std::int64_t CheckIcoItem(const ItemView& item, ResourceKind, std::int64_t) noexcept {
    return CheckIconFile(item, ResourceKind::ICO);
}

}  // namespace morvane
