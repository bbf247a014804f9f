// Cursor files: the size rule of the directory signature (a file of several images measured by
// its directory, else a one-image file of a 32x32 cursor by its entry) and the check.
#include "CurFormat.h"

#include "IconDirectory.h"
#include "ItemChecks.h"
#include "Recognisers.h"

namespace morvane {

Verdict RecogniseCursorDirectory(const LookAhead& a) noexcept {
    // Offset 30 holds the low byte of the doubled height (64) of a 32x32 cursor image.
    if (a.FieldByte(22) != kInfoHeaderStart || a.FieldByte(30) != 0x40) return {};
    return OneImageFileSize(a, ResourceKind::CUR);
}

Verdict MeasureCursorDirectory(const SignatureRow&, const LookAhead& a, const ScanOptions& options,
                               MidiChainMemo*) noexcept {
    return RecogniseIconOrCursorFile(a, options, true);
}

std::int64_t CheckCurItem(const ItemView& item, ResourceKind, std::int64_t) noexcept {
    return CheckIconFile(item, ResourceKind::CUR);
}

}  // namespace morvane
