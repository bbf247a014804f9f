// Which structural check a candidate gets: by its kind, except the bare icon image, whose rule
// sees only part of its header.
#include "ItemChecks.h"

namespace morvane {

std::int64_t CheckCandidate(RuleCode rule, ResourceKind kind, ItemView item,
                            std::int64_t bytesToEnd) noexcept {
    if (rule == RuleCode::BareIconBitmap) {
        const std::int64_t image = CheckBareIconImage(item);
        return image > 0 ? image - 1 : 0;
    }
    return CheckItem(kind, item, bytesToEnd);
}

std::int64_t CheckItem(ResourceKind kind, ItemView item, std::int64_t bytesToEnd) noexcept {
    switch (kind) {
        case ResourceKind::ICO:
        case ResourceKind::CUR:
            return CheckIconFile(item, kind);
        case ResourceKind::BMP:
            return CheckBitmapFile(item);
        case ResourceKind::JPG:
            return CheckJpeg(item);
        case ResourceKind::GIF:
            return CheckGif(item);
        case ResourceKind::PNG:
            return CheckPng(item);
        case ResourceKind::MID:
            return CheckMidi(item);
        case ResourceKind::WAV:
        case ResourceKind::AVI:
        case ResourceKind::ANI:
            return CheckRiff(item, kind, bytesToEnd);
    }
    return 0;
}

}  // namespace morvane
