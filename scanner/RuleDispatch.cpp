// Chooses the size rule of a signature row by its rule code.
#include "Recognisers.h"

namespace morvane {

namespace {
// A file of several images measured by its directory wins; a one-image file it cannot measure
// is still judged by the one-image rule, and nothing else is.
Verdict IconOrCursorFile(const SignatureRow& row, const LookAhead& a,
                         const ScanOptions& options) noexcept {
    const bool cursor = row.rule == RuleCode::CursorDirectory;
    if (options.readResources) {
        if (const Verdict verdict = RecogniseIconFile(a); verdict.accepted()) return verdict;
        if (a.FieldByte(4) != 1 || a.FieldByte(5) != 0) return {};
    }
    return cursor ? RecogniseCursorDirectory(a) : RecogniseIconDirectory(a);
}
}  // namespace

Verdict ApplyRule(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                  MidiChainMemo* memo) noexcept {
    switch (row.rule) {
        case RuleCode::Riff:
            return RecogniseRiff(a, options);
        case RuleCode::Midi:
            return RecogniseMidi(a, memo);
        case RuleCode::CursorDirectory:
        case RuleCode::IconDirectory:
            return IconOrCursorFile(row, a, options);
        case RuleCode::Png:
            return RecognisePng(a);
        case RuleCode::Jpeg:
            return RecogniseJpeg(a);
        case RuleCode::Gif:
            return RecogniseGif(a);
        case RuleCode::Bitmap:
            return RecogniseBitmap(a);
        case RuleCode::BareIconBitmap:
            break;
    }
    // Any other code is itself the size.
    return {static_cast<std::int64_t>(row.rule), row.kind};
}

}  // namespace morvane
