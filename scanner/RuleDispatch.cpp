// Chooses the size rule of a signature row by its rule code.
#include "Recognisers.h"

namespace morvane {

Verdict ApplyRule(const SignatureRow& row, const LookAhead& a, const ScanOptions& options,
                  MidiChainMemo* memo) noexcept {
    switch (row.rule) {
        case RuleCode::Riff: return RecogniseRiff(a, options);
        case RuleCode::Midi: return RecogniseMidi(a, memo);
        case RuleCode::CursorDirectory: return RecogniseCursorDirectory(a);
        case RuleCode::IconDirectory: return RecogniseIconDirectory(a);
        case RuleCode::Png: return RecognisePng(a);
        case RuleCode::Jpeg: return RecogniseJpeg(a);
        case RuleCode::Gif: return RecogniseGif(a);
        case RuleCode::Bitmap: return RecogniseBitmap(a);
        case RuleCode::BareIconBitmap: break;
    }
    // Any other code is itself the size.
    return {static_cast<std::int64_t>(row.rule), row.kind};
}

}  // namespace morvane
