// RIFF containers: wave sounds, AVI videos and animated cursors, told apart by the form type.
#include "Recognisers.h"

namespace morvane {

Verdict RecogniseRiff(const LookAhead& a, const ScanOptions& options) noexcept {
    // The tag, the size field and the form type; the first form found decides.
    constexpr std::int64_t kHead = 12;
    ResourceKind kind;
    if (a.Contains(0, kHead, markers::kWave))
        kind = ResourceKind::WAV;
    else if (a.Contains(0, kHead, markers::kAvi))
        kind = ResourceKind::AVI;
    else if (a.Contains(0, kHead, markers::kAcon))
        kind = ResourceKind::ANI;
    else
        return {};
    if (!options.IsEnabled(kind)) return {};
    const std::int64_t declared = a.FieldInt32(4);
    // Room after the item's first byte: L - p.
    if (declared > a.bytesToEnd() - 1) return {};
    return {declared + 8, kind};
}

}  // namespace morvane
